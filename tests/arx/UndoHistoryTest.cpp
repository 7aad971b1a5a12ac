// The drawing's undo history: what a step keeps, what undo and redo put back, and what it
// costs to keep the step of a refresh of a large table.
#include <gtest/gtest.h>

#include <string>

#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "db/UndoHistory.h"

namespace {

AcDbObjectId AddTable(AcDbDatabase& db, int rows, int cols) {
    AcDbObjectPointer<AcDbBlockTableRecord> model(db.modelSpaceId(), AcDb::kForWrite);
    auto* table = new AcDbTable;
    table->setNumColumns(cols);
    table->setNumRows(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) table->setTextString(r, c, (L"cell " + std::to_wstring(r) + L"." + std::to_wstring(c)).c_str());
    AcDbObjectId id;
    EXPECT_EQ(model->appendAcDbEntity(id, table), Acad::eOk);
    table->close();
    return id;
}

std::wstring Text(AcDbObjectId id, int r, int c) {
    AcDbTable* table = nullptr;
    if (acdbOpenObject(table, id, AcDb::kForRead) != Acad::eOk) return L"<not open>";
    std::wstring text;
    table->textString(r, c, text);
    table->close();
    return text;
}

void SetText(AcDbObjectId id, int r, int c, const wchar_t* text) {
    AcDbTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForWrite), Acad::eOk);
    table->setTextString(r, c, text);
    table->close();
}

}  // namespace

TEST(UndoHistory, EachGroupIsOneStepUndoneAndRedoneWhole) {
    auto db = platform::NewDrawingDatabase();
    platform::UndoHistory& history = db->undoHistory();
    AcDbObjectId id;
    {
        const platform::UndoGroup step(db.get(), L"CREATE");
        id = AddTable(*db, 3, 2);
    }
    {
        const platform::UndoGroup step(db.get(), L"EDIT");
        SetText(id, 1, 1, L"first");
        {
            const platform::UndoGroup inner(db.get(), L"INNER");  // nested: part of EDIT
            SetText(id, 2, 0, L"second");
        }
    }
    {
        const platform::UndoGroup step(db.get(), L"LOOK");  // reads only: no step
        EXPECT_EQ(Text(id, 0, 0), L"cell 0.0");
    }
    ASSERT_EQ(history.UndoCount(), 2u);
    EXPECT_EQ(history.NextUndoName(), L"EDIT");

    EXPECT_EQ(history.Undo(), std::vector<std::wstring>{L"EDIT"});
    EXPECT_EQ(Text(id, 1, 1), L"cell 1.1");
    EXPECT_EQ(Text(id, 2, 0), L"cell 2.0");
    EXPECT_EQ(history.Undo(), std::vector<std::wstring>{L"CREATE"});
    EXPECT_TRUE(id.isErased());
    EXPECT_TRUE(history.Undo().empty());

    EXPECT_EQ(history.Redo(), std::optional<std::wstring>(L"CREATE"));
    EXPECT_FALSE(id.isErased());
    EXPECT_EQ(Text(id, 1, 1), L"cell 1.1");
    EXPECT_EQ(history.Redo(), std::optional<std::wstring>(L"EDIT"));
    EXPECT_EQ(Text(id, 1, 1), L"first");
    EXPECT_EQ(Text(id, 2, 0), L"second");
    EXPECT_FALSE(history.Redo().has_value());

    // A new step after an undo ends the chance to redo; undo marks the drawing changed.
    history.Undo();
    db->markSaved();
    history.Undo();
    EXPECT_TRUE(db->hasUnsavedChanges());
    history.Redo();
    {
        const platform::UndoGroup step(db.get(), L"OTHER");
        SetText(id, 0, 0, L"other");
    }
    EXPECT_EQ(history.RedoCount(), 0u);
    EXPECT_EQ(history.Undo(2), (std::vector<std::wstring>{L"OTHER", L"CREATE"}));
}

TEST(UndoHistory, NothingIsUndoneWhileAnObjectOfTheStepIsOpen) {
    auto db = platform::NewDrawingDatabase();
    AcDbObjectId id;
    {
        const platform::UndoGroup step(db.get(), L"CREATE");
        id = AddTable(*db, 2, 2);
    }
    AcDbTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(db->undoHistory().Undo().empty());
    table->close();
    EXPECT_EQ(db->undoHistory().Undo().size(), 1u);
}

// A refresh that rewrites a few rows of a large table keeps those rows, not the table; the
// budget forgets the oldest steps, never the last one.
TEST(UndoHistory, AStepOfALargeTableKeepsTheRowsItChanged) {
    auto db = platform::NewDrawingDatabase();
    platform::UndoHistory& history = db->undoHistory();
    const AcDbObjectId id = AddTable(*db, 20000, 8);
    size_t tableBytes = 0;
    {
        AcDbTable* table = nullptr;
        ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForRead), Acad::eOk);
        tableBytes = table->stateBytes();
        table->close();
    }
    ASSERT_GT(tableBytes, 20000u * 8u * 8u);
    for (int i = 0; i < 3; ++i) {
        const platform::UndoGroup step(db.get(), L"REFRESH");
        AcDbTable* table = nullptr;
        ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForWrite), Acad::eOk);
        // Every cell written again, as a refresh does; one of them changed.
        for (int r = 0; r < table->numRows(); ++r)
            for (int c = 0; c < table->numColumns(); ++c) {
                std::wstring text;
                table->textString(r, c, text);
                table->setTextString(r, c, r == 100 + i && c == 0 ? L"changed" : text.c_str());
            }
        table->close();
    }
    ASSERT_EQ(history.UndoCount(), 3u);
    // A step keeps the table's list of rows (a pointer a row) and the rows it changed: three
    // steps take less than half of one copy of the table.
    EXPECT_LT(history.Bytes(), tableBytes / 2) << history.Bytes() << " of " << tableBytes;

    history.Undo(3);
    EXPECT_EQ(Text(id, 100, 0), L"cell 100.0");
    EXPECT_EQ(Text(id, 102, 0), L"cell 102.0");
    history.Redo();
    EXPECT_EQ(Text(id, 100, 0), L"changed");
    EXPECT_EQ(Text(id, 101, 0), L"cell 101.0");

    history.SetBudget(1);
    EXPECT_EQ(history.UndoCount() + history.RedoCount(), 1u);
}
