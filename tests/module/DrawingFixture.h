#pragma once
// A new drawing made the working database for one test, with helpers to add and inspect
// entities.
#include <memory>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "db/DrawingDatabase.h"
#include "editor/Editor.h"

struct TestDrawing {
    std::shared_ptr<AcDbDatabase> db = platform::NewDrawingDatabase();
    platform::ScopedWorkingDatabase working{db.get()};

    AcDbObjectId Add(AcDbEntity* e, AcDbObjectId space = {}) {
        AcDbBlockTableRecord* block = nullptr;
        acdbOpenObject(block, space.isNull() ? db->modelSpaceId() : space, AcDb::kForWrite);
        AcDbObjectId id;
        block->appendAcDbEntity(id, e);
        e->close();
        block->close();
        return id;
    }

    // Entities of model space that are not erased.
    std::vector<AcDbObjectId> ModelSpace() const {
        AcDbBlockTableRecord* block = nullptr;
        acdbOpenObject(block, db->modelSpaceId(), AcDb::kForRead);
        std::vector<AcDbObjectId> ids;
        for (AcDbObjectId id : block->entityIds())
            if (!id.isErased()) ids.push_back(id);
        block->close();
        return ids;
    }

    // Adds a table style with the given text height and margins.
    AcDbObjectId AddStyle(const wchar_t* name, double textHeight, double horz, double vert) {
        AcDbDictionary* dict = nullptr;
        db->getTableStyleDictionary(dict, AcDb::kForWrite);
        auto* style = new AcDbTableStyle;
        style->setName(name);
        style->setTextHeight(textHeight);
        style->setHorzCellMargin(horz);
        style->setVertCellMargin(vert);
        AcDbObjectId id;
        dict->setAt(name, style, id);
        style->close();
        dict->close();
        return id;
    }
};

// "code:value" items of a chain (strings, 16- and 32-bit integers).
inline std::vector<std::wstring> ChainItems(const resbuf* rb) {
    std::vector<std::wstring> out;
    for (; rb; rb = rb->rbnext) {
        std::wstring v;
        if (rb->restype == 1000 || rb->restype == 1001 || rb->restype == 1002) v = rb->resval.rstring;
        else if (rb->restype == 1070) v = std::to_wstring(rb->resval.rint);
        else if (rb->restype == 1071) v = std::to_wstring(rb->resval.rlong);
        out.push_back(std::to_wstring(rb->restype) + L":" + v);
    }
    return out;
}

inline std::vector<std::wstring> XDataOf(AcDbObjectId id, const wchar_t* app) {  // null app: all
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForRead) != Acad::eOk) return {L"(cannot open)"};
    platform::ResbufPtr chain(obj->xData(app));
    obj->close();
    return ChainItems(chain.get());
}
