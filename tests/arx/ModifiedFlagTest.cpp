// The modified flag a file writer relies on to write unchanged objects as they were read.
#include <gtest/gtest.h>

#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"

TEST(ModifiedFlag, SetByAddingAndOpeningForWriteNotByReading) {
    auto db = platform::NewDrawingDatabase();
    AcDbObjectId id;
    {
        AcDbObjectPointer<AcDbBlockTableRecord> model(db->modelSpaceId(), AcDb::kForWrite);
        auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
        EXPECT_FALSE(line->isModified());
        ASSERT_EQ(model->appendAcDbEntity(id, line), Acad::eOk);
        EXPECT_TRUE(line->isModified());
        line->close();
    }
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    object->setModified(false);
    object->close();

    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(object->isModified());
    ASSERT_EQ(object->upgradeOpen(), Acad::eOk);
    EXPECT_TRUE(object->isModified());
    object->setModified(false);
    object->close();

    // A refused write leaves it clear.
    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    AcDbObject* writer = nullptr;
    EXPECT_NE(acdbOpenObject(writer, id, AcDb::kForWrite), Acad::eOk);
    object->close();
    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(object->isModified());
    object->close();

    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(object->isModified());
    object->close();
}
