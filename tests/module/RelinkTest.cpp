// Re-pointing a database path as Windows compares paths, and writing only the record's
// "Database" item.
#include <gtest/gtest.h>

#include "DrawingFixture.h"
#include "engine/Relink.h"
#include "engine/TableLinkIO.h"

namespace {

struct Relinked {
    bool matched;
    std::wstring location;
};

Relinked Relink(const wchar_t* drawing, const wchar_t* stored, const wchar_t* from, const wchar_t* to) {
    CString location, resolved;
    const bool matched = RelinkLocation(drawing, stored, from, to, location, resolved);
    return {matched, location.GetString()};
}

TEST(Relink, PrefixesAreComparedAsWindowsComparesPathsUpToASeparator) {
    const wchar_t* plan = L"D:\\proj\\plan.dwg";
    Relinked r = Relink(plan, L"D:\\Proj\\Data\\parts.mdb", L"d:/proj/data/", L"E:\\archive");
    EXPECT_TRUE(r.matched);
    EXPECT_EQ(r.location, L"E:\\archive\\parts.mdb");
    // "data" is not a prefix of "database": a prefix ends at a separator.
    EXPECT_FALSE(Relink(plan, L"D:\\proj\\database\\parts.mdb", L"D:\\proj\\data", L"E:\\x").matched);
    EXPECT_FALSE(Relink(plan, L"C:\\proj\\data\\parts.mdb", L"D:\\proj\\data", L"E:\\x").matched);
    // The whole path may be the prefix: a renamed file.
    r = Relink(plan, L"D:\\proj\\parts-2019.mdb", L"D:\\PROJ\\PARTS-2019.MDB", L"D:\\proj\\parts.mdb");
    EXPECT_TRUE(r.matched);
    EXPECT_EQ(r.location, L"D:\\proj\\parts.mdb");
    // The rest takes the separator of the new prefix.
    r = Relink(plan, L"D:\\old\\sub\\parts.mdb", L"D:\\old", L"/srv/data");
    EXPECT_EQ(r.location, L"/srv/data/sub/parts.mdb");
}

TEST(Relink, ARelativePathStaysRelativeWhereARelativeFormExists) {
    const wchar_t* plan = L"D:\\proj\\plan.dwg";
    // Matched through the file it names, written back relative to the drawing.
    Relinked r = Relink(plan, L"..\\data\\parts.mdb", L"D:\\data", L"D:\\archive\\data");
    EXPECT_TRUE(r.matched);
    EXPECT_EQ(r.location, L"..\\archive\\data\\parts.mdb");
    // Another drive has no relative form: the path becomes absolute.
    r = Relink(plan, L".\\parts.mdb", L"D:\\proj", L"E:\\proj");
    EXPECT_TRUE(r.matched);
    EXPECT_EQ(r.location, L"E:\\proj\\parts.mdb");
    // Matched as written, with a relative new prefix: kept as given.
    r = Relink(plan, L"old\\parts.mdb", L".\\OLD", L"new");
    EXPECT_TRUE(r.matched);
    EXPECT_EQ(r.location, L"new\\parts.mdb");
}

TEST(Relink, OnlyTheDatabaseItemIsRewritten) {
    TestDrawing d;
    auto* created = new AcDbTable;
    created->setNumRows(2);
    created->setNumColumns(2);
    const AcDbObjectId id = d.Add(created);
    AcDbTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, id, AcDb::kForWrite), Acad::eOk);
    CTableLink link;
    link.m_strConnectDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";
    link.m_strDatabase = L"old\\parts.mdb";
    link.m_strSQL = L"SELECT 1";
    ASSERT_TRUE(WriteTableLink(link, table));
    // A database item stored over two strings, as some writers split a long path, and a group.
    acdbRegApp(L"Database");
    resbuf* chain = acutBuildList(1001, L"Database", 1000, L"old\\", 1002, L"{", 1000, L"kept", 1002, L"}", 1000, L"parts.mdb", 0);
    ASSERT_EQ(table->setXData(chain), Acad::eOk);
    acutRelRb(chain);
    resbuf* sqlBefore = table->xData(L"SQL");

    ASSERT_TRUE(WriteDatabaseItem(table, L"new\\parts.mdb"));
    CTableLink read;
    ASSERT_TRUE(ReadTableLink(read, table));
    EXPECT_EQ(std::wstring(read.m_strDatabase.GetString()), L"new\\parts.mdb");
    resbuf* stored = table->xData(L"Database");
    int strings = 0, groups = 0;
    for (const resbuf* rb = stored; rb; rb = rb->rbnext) {
        strings += rb->restype == 1000;
        groups += rb->restype == 1002;
    }
    EXPECT_EQ(strings, 2);  // the new path and the group's own string
    EXPECT_EQ(groups, 2);
    acutRelRb(stored);
    resbuf* sqlAfter = table->xData(L"SQL");
    ASSERT_TRUE(sqlBefore && sqlAfter && sqlBefore->rbnext && sqlAfter->rbnext);
    EXPECT_EQ(std::wstring(sqlAfter->rbnext->resval.rstring), std::wstring(sqlBefore->rbnext->resval.rstring));
    acutRelRb(sqlBefore);
    acutRelRb(sqlAfter);
    table->close();
}

}  // namespace
