#include <gtest/gtest.h>

#include "runtime/DocManager.h"
#include "runtime/TransactionManager.h"
#include "db/DrawingDatabase.h"

namespace {

AcDbObjectId AddLine(AcDbDatabase& db, AcGePoint3d a = {0, 0, 0}, AcGePoint3d b = {1, 0, 0}) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(a, b);
    AcDbObjectId id;
    EXPECT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
    line->close();
    space->close();
    return id;
}

}  // namespace

TEST(NewDrawing, HoldsTheDefaultTablesAndTheStandardTableStyle) {
    auto db = platform::NewDrawingDatabase();
    AcDbBlockTable* blocks = nullptr;
    ASSERT_EQ(db->getBlockTable(blocks, AcDb::kForRead), Acad::eOk);
    AcDbObjectId ms, ps;
    EXPECT_EQ(blocks->getAt(L"*model_space", ms), Acad::eOk);  // names ignore case
    EXPECT_EQ(blocks->getAt(L"*Paper_Space", ps), Acad::eOk);
    EXPECT_EQ(blocks->recordIds().size(), 2u);
    blocks->close();
    EXPECT_EQ(ms, db->modelSpaceId());
    EXPECT_EQ(ps, db->paperSpaceId());
    EXPECT_EQ(db->currentSpaceId(), ms);
    EXPECT_TRUE(db->isRegAppRegistered(L"ACAD"));

    AcDbLayerTableRecord* layer = nullptr;
    ASSERT_EQ(acdbOpenObject(layer, db->clayer(), AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(layer->getName(), L"0");
    layer->close();
    AcDbTextStyleTableRecord* text = nullptr;
    ASSERT_EQ(acdbOpenObject(text, db->textstyle(), AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(text->getName(), L"Standard");
    text->close();

    AcDbDictionary* styles = nullptr;
    ASSERT_EQ(db->getTableStyleDictionary(styles, AcDb::kForRead), Acad::eOk);
    AcDbObjectId standard;
    EXPECT_EQ(styles->getAt(L"Standard", standard), Acad::eOk);
    EXPECT_EQ(styles->getAt(L"Missing", standard), Acad::eKeyNotFound);
    EXPECT_TRUE(standard.isNull());
    AcDbDictionaryIterator* it = styles->newIterator();
    ASSERT_FALSE(it->done());
    EXPECT_STREQ(it->name(), L"Standard");
    EXPECT_EQ(it->objectId(), db->tablestyle());
    EXPECT_FALSE(it->next());
    delete it;
    styles->close();

    AcDbTableStyle* style = nullptr;
    ASSERT_EQ(acdbOpenObject(style, db->tablestyle(), AcDb::kForRead), Acad::eOk);
    wchar_t* name = nullptr;
    style->getName(name);
    EXPECT_STREQ(name, L"Standard");
    acutDelBuffer(name);
    EXPECT_EQ(name, nullptr);
    EXPECT_DOUBLE_EQ(style->textHeight(AcDb::kDataRow), 0.18);
    EXPECT_DOUBLE_EQ(style->horzCellMargin(), 0.06);
    EXPECT_DOUBLE_EQ(style->vertCellMargin(), 0.06);
    style->close();
}

TEST(Handles, AreUniqueHexadecimalAndFollowTheSeed) {
    EXPECT_EQ(AcDbHandle(L"2A").value(), 42u);
    EXPECT_EQ(AcDbHandle(L"ff").value(), 255u);
    EXPECT_TRUE(AcDbHandle(L"2G").isNull());
    EXPECT_TRUE(AcDbHandle(L"").isNull());
    EXPECT_EQ(AcDbHandle(0x1F3).text(), L"1F3");

    AcDbDatabase db(true);
    const AcDbHandle seed = db.handseed();
    const AcDbObjectId a = AddLine(db), b = AddLine(db);
    EXPECT_EQ(a.handle().value(), seed.value());
    EXPECT_EQ(b.handle().value(), seed.value() + 1);

    // A file reader places objects under the file's handles; the seed moves past them.
    AcDbObjectId placed;
    auto* obj = new AcDbRawObject(L"XRECORD");
    ASSERT_EQ(db.addAcDbObject(placed, obj, AcDbHandle(0x400)), Acad::eOk);
    obj->close();
    EXPECT_EQ(db.handseed().value(), 0x401u);
    auto* dup = new AcDbRawObject(L"XRECORD");
    AcDbObjectId none;
    EXPECT_EQ(db.addAcDbObject(none, dup, AcDbHandle(0x400)), Acad::eHandleExists);
    EXPECT_EQ(db.addAcDbObject(none, dup, AcDbHandle()), Acad::eNullHandle);
    delete dup;
    EXPECT_EQ(db.setHandseed(AcDbHandle(0x400)), Acad::eInvalidInput);
    EXPECT_EQ(db.setHandseed(AcDbHandle(0x800)), Acad::eOk);
    EXPECT_EQ(AddLine(db).handle().value(), 0x800u);

    // An entity read from a file keeps its handle when it joins its block.
    auto* read = new AcDbLine;
    AcDbObjectId readId;
    ASSERT_EQ(db.addAcDbObject(readId, read, AcDbHandle(0x2A)), Acad::eOk);
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId appended;
    EXPECT_EQ(space->appendAcDbEntity(appended, read), Acad::eOk);
    EXPECT_EQ(appended, readId);
    EXPECT_EQ(appended.handle().value(), 0x2Au);
    EXPECT_EQ(space->appendAcDbEntity(appended, read), Acad::eAlreadyInDb);
    space->close();
    read->close();

    AcDbObjectId found;
    EXPECT_EQ(db.getAcDbObjectId(found, false, AcDbHandle(0x400)), Acad::eOk);
    EXPECT_EQ(found, placed);
    EXPECT_EQ(db.getAcDbObjectId(found, false, AcDbHandle(0x999)), Acad::eUnknownHandle);
}

TEST(OpenProtocol, RefusesConflictingOpeningsWithTheHostStatuses) {
    AcDbDatabase db(true);
    const AcDbObjectId id = AddLine(db);
    AcDbObject* r1 = nullptr;
    AcDbObject* r2 = nullptr;
    AcDbObject* w = nullptr;

    ASSERT_EQ(acdbOpenObject(r1, id, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(r2, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(acdbOpenObject(w, id, AcDb::kForWrite), Acad::eWasOpenedForRead);
    EXPECT_EQ(w, nullptr);
    EXPECT_EQ(r1->upgradeOpen(), Acad::eHadMultipleReaders);
    r2->close();
    EXPECT_EQ(r1->upgradeOpen(), Acad::eOk);
    EXPECT_EQ(r1->upgradeOpen(), Acad::eWasOpenedForWrite);
    EXPECT_EQ(acdbOpenObject(r2, id, AcDb::kForRead), Acad::eWasOpenedForWrite);
    EXPECT_EQ(acdbOpenObject(w, id, AcDb::kForWrite), Acad::eWasOpenedForWrite);
    r1->close();

    // A change needs write access.
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(line->setStartPoint({5, 5, 0}), Acad::eNotOpenForWrite);
    EXPECT_EQ(line->erase(), Acad::eNotOpenForWrite);
    line->close();
    EXPECT_EQ(line->close(), Acad::eNotOpenForRead);  // closing twice is noticed

    // Wrong class: refused and closed again, so the object can still be opened for write.
    AcDbTable* table = nullptr;
    EXPECT_EQ(acdbOpenObject(table, id, AcDb::kForRead), Acad::eNotThatKindOfClass);
    EXPECT_EQ(table, nullptr);
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(line->erase(), Acad::eOk);
    line->close();

    EXPECT_EQ(acdbOpenObject(r1, id, AcDb::kForRead), Acad::eWasErased);
    EXPECT_EQ(acdbOpenObject(r1, id, AcDb::kForRead, true), Acad::eOk);
    EXPECT_TRUE(r1->isErased());
    r1->close();
    EXPECT_EQ(acdbOpenObject(r1, AcDbObjectId(), AcDb::kForRead), Acad::eNullObjectId);

    EXPECT_STREQ(acadErrorStatusText(Acad::eWasErased), L"eWasErased");
    EXPECT_STREQ(acadErrorStatusText(Acad::eOk), L"eOk");
    EXPECT_STREQ(acadErrorStatusText(Acad::eWasOpenedForWrite), L"eWasOpenedForWrite");
}

TEST(OpenProtocol, NewObjectsAreTheCreatorsUntilAppended) {
    AcDbDatabase db(true);
    AcDbLine line;
    EXPECT_TRUE(line.isWriteEnabled());
    EXPECT_TRUE(line.objectId().isNull());
    EXPECT_EQ(line.setStartPoint({1, 1, 0}), Acad::eOk);

    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead), Acad::eOk);
    auto* entity = new AcDbLine;
    EXPECT_EQ(space->appendAcDbEntity(entity), Acad::eNotOpenForWrite);
    ASSERT_EQ(space->upgradeOpen(), Acad::eOk);
    ASSERT_EQ(space->appendAcDbEntity(entity), Acad::eOk);
    EXPECT_EQ(space->appendAcDbEntity(entity), Acad::eAlreadyInDb);
    EXPECT_EQ(entity->ownerId(), db.modelSpaceId());
    EXPECT_TRUE(entity->isWriteEnabled());  // stays open for write until closed
    entity->close();
    EXPECT_FALSE(entity->isWriteEnabled());
    EXPECT_EQ(db.lastEntity(), entity->objectId());
    space->close();
}

TEST(ClassDescriptors, KnowTheirParents) {
    EXPECT_TRUE(AcDbTable::desc()->isDerivedFrom(AcDbEntity::desc()));
    EXPECT_TRUE(AcDbTable::desc()->isDerivedFrom(AcDbObject::desc()));
    EXPECT_FALSE(AcDbEntity::desc()->isDerivedFrom(AcDbTable::desc()));
    EXPECT_EQ(AcDbTable::desc()->myParent(), AcDbEntity::desc());
    EXPECT_STREQ(AcDbTable::desc()->name(), L"AcDbTable");
    AcDbTable table;
    const AcDbObject& obj = table;
    EXPECT_TRUE(obj.isKindOf(AcDbTable::desc()));
    EXPECT_EQ(obj.isA(), AcDbTable::desc());
    EXPECT_FALSE(obj.isKindOf(AcDbLine::desc()));
    EXPECT_STREQ(table.entityTypeName(), L"ACAD_TABLE");
}

TEST(HostServices, WorkingDatabaseFollowsTheOverride) {
    auto db = platform::NewDrawingDatabase();
    {
        platform::ScopedWorkingDatabase scope(db.get());
        EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), db.get());
        EXPECT_EQ(acdbRegApp(L"MyApp"), RTNORM);
        EXPECT_EQ(acdbRegApp(L"myapp"), RTERROR);  // registered already
        EXPECT_EQ(acdbRegApp(L"bad<name"), RTERROR);
        EXPECT_TRUE(db->isRegAppRegistered(L"MYAPP"));
    }
    EXPECT_NE(acdbHostApplicationServices()->workingDatabase(), db.get());
    EXPECT_EQ(acdbHostApplicationServices()->releaseMajorVersion(), 22);
    EXPECT_STREQ(acdbHostApplicationServices()->program(), L"acad");
}

TEST(HostServices, WorkingDatabaseIsTheCurrentDocumentsDrawing) {
    auto first = platform::NewDrawingDatabase();
    auto second = platform::NewDrawingDatabase();
    AcApDocManager* docs = acDocManagerPtr();
    AcApDocument* a = docs->addDocument(std::make_unique<AcApDocument>(first, CString()));
    AcApDocument* b = docs->addDocument(std::make_unique<AcApDocument>(second, CString()));
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second.get());
    docs->setCurDocument(a);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), first.get());
    EXPECT_NE(a->transactionManager(), nullptr);
    docs->closeDocument(a);
    docs->closeDocument(b);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
}
