#include "db/DbObject.h"

#include <algorithm>

#include "db/DbDatabase.h"
#include "mfc/String.h"
#include "text/Utf8.h"

ACRX_DEFINE_MEMBERS(AcDbObject, AcRxObject, L"")

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId owner) {
    m_ownerId = owner;
    return Acad::eOk;
}

size_t AcDbObject::stateBytes() const {
    size_t bytes = sizeof(AcDbObject);
    for (const auto& app : m_xdata) {
        bytes += sizeof(app) + app.app.size() * sizeof(wchar_t);
        for (const auto& item : app.items) bytes += sizeof(item) + item.text.size() * sizeof(wchar_t) + item.bytes.size();
    }
    for (const auto& tag : m_rawTags) bytes += sizeof(tag) + tag.value.size();
    return bytes;
}

Acad::ErrorStatus AcDbObject::close() {
    if (isNewObject()) return Acad::eOk;
    if (m_writer) {
        m_writer = false;
        return Acad::eOk;
    }
    if (m_readers > 0) {
        --m_readers;
        return Acad::eOk;
    }
    return Acad::eNotOpenForRead;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    if (isNewObject() || m_writer) return Acad::eWasOpenedForWrite;
    if (m_readers == 0) return Acad::eNotOpenForRead;
    if (m_readers > 1) return Acad::eHadMultipleReaders;
    if (AcDbDatabase* db = database()) db->undoHistory().NoteWrite(*this);
    m_readers = 0;
    m_writer = true;
    m_modified = true;
    if (AcDbDatabase* db = database()) db->noteChange();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (isNewObject()) return Acad::eNotInDatabase;
    m_stub->erased = erasing;
    return Acad::eOk;
}

Acad::ErrorStatus acdbOpenObject(AcDbObject*& object, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    object = nullptr;
    if (id.isNull()) return Acad::eNullObjectId;
    AcDbStub* stub = id.stub();
    AcDbObject* target = stub->object;
    if (!target) return Acad::eUnknownHandle;
    if (stub->erased && !openErased) return Acad::eWasErased;
    if (target->m_writer) return Acad::eWasOpenedForWrite;
    if (mode == AcDb::kForWrite) {
        if (target->m_readers > 0) return Acad::eWasOpenedForRead;
        if (stub->database) stub->database->undoHistory().NoteWrite(*target);
        target->m_writer = true;
        target->m_modified = true;
        if (stub->database) stub->database->noteChange();
    } else {
        ++target->m_readers;
    }
    object = target;
    return Acad::eOk;
}

// ---- extended data ----

namespace {

bool IsXDataCode(short code) {
    return (code >= 1000 && code <= 1005) || (code >= 1010 && code <= 1013) || (code >= 1040 && code <= 1042) ||
           code == 1070 || code == 1071;
}

bool IsTextCode(short code) { return code >= 1000 && code <= 1005 && code != 1004; }
bool IsPointCode(short code) { return code >= 1010 && code <= 1013; }
bool IsRealCode(short code) { return code >= 1040 && code <= 1042; }

size_t Utf8Length(const std::wstring& text) { return platform::ToUtf8(text).size(); }

size_t ItemSize(const AcDbXDataItem& item) {
    size_t value = 0;
    if (IsTextCode(item.code)) value = 2 + Utf8Length(item.text);
    else if (item.code == 1004) value = 1 + item.bytes.size();
    else if (IsPointCode(item.code)) value = 24;
    else if (IsRealCode(item.code)) value = 8;
    else if (item.code == 1070) value = 2;
    else if (item.code == 1071) value = 4;
    return 2 + value;
}

// Converts one buffer to an item; false when it cannot be extended data.
Acad::ErrorStatus ToItem(const resbuf* rb, AcDbXDataItem& item) {
    item.code = rb->restype;
    if (!IsXDataCode(item.code)) return Acad::eInvalidInput;
    if (IsTextCode(item.code)) {
        item.text = rb->resval.rstring ? rb->resval.rstring : L"";
        if (item.code == 1002 && item.text != L"{" && item.text != L"}") return Acad::eInvalidInput;
        if (Utf8Length(item.text) > AcDbObject::kMaxXDataStringBytes) return Acad::eXdataSizeExceeded;
    } else if (item.code == 1004) {
        const auto& b = rb->resval.rbinary;
        if (b.clen < 0 || static_cast<size_t>(b.clen) > AcDbObject::kMaxXDataBinaryBytes || (b.clen > 0 && !b.buf))
            return Acad::eInvalidInput;
        item.bytes.assign(b.buf, b.buf + b.clen);
    } else if (IsPointCode(item.code)) {
        std::copy(rb->resval.rpoint, rb->resval.rpoint + 3, item.values);
    } else if (IsRealCode(item.code)) {
        item.values[0] = rb->resval.rreal;
    } else if (item.code == 1070) {
        item.number = rb->resval.rint;
    } else {
        item.number = rb->resval.rlong;
    }
    return Acad::eOk;
}

resbuf* FromItem(const AcDbXDataItem& item) {
    resbuf* rb = acutNewRb(item.code);
    if (IsTextCode(item.code)) {
        rb->resval.rstring = platform::DuplicateRbString(item.text.c_str());
    } else if (item.code == 1004) {
        rb->resval.rbinary.clen = static_cast<short>(item.bytes.size());
        if (!item.bytes.empty()) {
            rb->resval.rbinary.buf = new char[item.bytes.size()];
            std::copy(item.bytes.begin(), item.bytes.end(), rb->resval.rbinary.buf);
        }
    } else if (IsPointCode(item.code)) {
        std::copy(item.values, item.values + 3, rb->resval.rpoint);
    } else if (IsRealCode(item.code)) {
        rb->resval.rreal = item.values[0];
    } else if (item.code == 1070) {
        rb->resval.rint = static_cast<short>(item.number);
    } else {
        rb->resval.rlong = item.number;
    }
    return rb;
}

bool SameApp(const std::wstring& a, const wchar_t* b) { return platform::CompareNoCase(a, b) == 0; }

}  // namespace

size_t AcDbObject::xDataSize(const std::vector<AcDbXDataApp>& apps) {
    size_t total = 0;
    for (const auto& app : apps) {
        total += 2 + 2 + Utf8Length(app.app);
        for (const auto& item : app.items) total += ItemSize(item);
    }
    return total;
}

resbuf* AcDbObject::xData(const wchar_t* regappName) const {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const auto& app : m_xdata) {
        if (regappName && !SameApp(app.app, regappName)) continue;
        resbuf* name = acutNewRb(1001);
        name->resval.rstring = platform::DuplicateRbString(app.app.c_str());
        *tail = name;
        tail = &name->rbnext;
        for (const auto& item : app.items) {
            *tail = FromItem(item);
            tail = &(*tail)->rbnext;
        }
    }
    return head;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* xdata) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!xdata) return Acad::eInvalidInput;
    if (xdata->restype != 1001) return Acad::eInvalidInput;

    // Parse the whole chain first so that a refused call changes nothing.
    std::vector<AcDbXDataApp> incoming;
    for (const resbuf* rb = xdata; rb; rb = rb->rbnext) {
        if (rb->restype == 1001) {
            const wchar_t* name = rb->resval.rstring;
            if (!name || !*name) return Acad::eInvalidInput;
            if (Utf8Length(name) > kMaxXDataStringBytes) return Acad::eXdataSizeExceeded;
            if (database() && !database()->isRegAppRegistered(name)) return Acad::eRegappIdNotFound;
            incoming.push_back(AcDbXDataApp{name, {}});
            continue;
        }
        AcDbXDataItem item;
        if (const auto es = ToItem(rb, item); es != Acad::eOk) return es;
        incoming.back().items.push_back(std::move(item));
    }

    std::vector<AcDbXDataApp> result = m_xdata;
    for (auto& app : incoming) {
        auto it = std::find_if(result.begin(), result.end(), [&](const AcDbXDataApp& a) { return SameApp(a.app, app.app.c_str()); });
        if (app.items.empty()) {
            if (it != result.end()) result.erase(it);
        } else if (it != result.end()) {
            it->items = std::move(app.items);
        } else {
            result.push_back(std::move(app));
        }
    }
    if (xDataSize(result) > kMaxXDataBytes) return Acad::eXdataSizeExceeded;
    m_xdata = std::move(result);
    return Acad::eOk;
}
