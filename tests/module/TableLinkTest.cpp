#include <gtest/gtest.h>

#include "ArxUtils/ArxUtils.h"
#include "DrawingFixture.h"
#include "engine/TableLinkIO.h"

namespace {

const wchar_t* const kLayout = L"4E679C82-0FD2-43e8-8D7F-465BF47E479F";

// The record of the table made from Rooms of ..\data\plant.mdb.
CTableLink RoomsLink() {
    CTableLink link;
    link.m_strConnectDriver = L"Microsoft Access Driver (*.mdb, *.accdb)";
    link.m_strDatabase = L"..\\data\\plant.mdb";
    link.m_strTable = L"Rooms";
    for (const wchar_t* h : {L"Name", L"Area", L"Owner", L"Floor"}) link.m_arrHeadings.Add(h);
    link.m_arrWidths.Add(30);
    link.m_arrWidths.Add(15);
    link.m_nRows = 13;
    link.m_nCols = 4;
    return link;
}

AcDbObjectId NewTable(TestDrawing& d) {
    auto* t = new AcDbTable;
    t->setNumRows(2);
    t->setNumColumns(2);
    return d.Add(t);
}

using Items = std::vector<std::wstring>;

}  // namespace

TEST(TableLink, StoresTheDocumentedFormatItemByItem) {
    TestDrawing d;
    const AcDbObjectId id = NewTable(d);
    ASSERT_TRUE(WriteTableLinkById(RoomsLink(), id));
    EXPECT_EQ(XDataOf(id, L"Connect_Driver"), (Items{L"1001:Connect_Driver", L"1000:Microsoft Access Driver (*.mdb, *.accdb)"}));
    EXPECT_EQ(XDataOf(id, L"Database"), (Items{L"1001:Database", L"1000:..\\data\\plant.mdb"}));
    EXPECT_EQ(XDataOf(id, L"Table"), (Items{L"1001:Table", L"1000:Rooms"}));
    EXPECT_EQ(XDataOf(id, L"SQL"), (Items{L"1001:SQL", L"1000:"}));
    EXPECT_EQ(XDataOf(id, L"User"), (Items{L"1001:User", L"1000:"}));
    EXPECT_EQ(XDataOf(id, L"Password"), (Items{L"1001:Password", L"1000:"}));
    EXPECT_EQ(XDataOf(id, kLayout), (Items{std::wstring(L"1001:") + kLayout, L"1070:1", L"1070:1", L"1070:0", L"1070:0",
                                           L"1000:Name,Area,Owner,Floor", L"1000:30,15", L"1071:13", L"1071:4"}));
    EXPECT_TRUE(d.db->isRegAppRegistered(kLayout));
    for (const wchar_t* app : {L"Connect_Driver", L"Database", L"Table", L"SQL", L"User", L"Password"})
        EXPECT_TRUE(d.db->isRegAppRegistered(app)) << app;
}

TEST(TableLink, ReadsBackWhatWasWrittenAndWritingTwiceReplaces) {
    TestDrawing d;
    const AcDbObjectId id = NewTable(d);
    CTableLink first = RoomsLink();
    first.m_strSQL = L"SELECT * FROM Rooms";
    ASSERT_TRUE(WriteTableLinkById(first, id));
    CTableLink second;
    second.m_strConnectDriver = L"Microsoft.ACE.OLEDB.12.0";
    second.m_strDatabase = L"C:\\db\\b.accdb";
    second.m_strSQL = L"SELECT Name FROM Rooms WHERE Floor = 2";
    second.m_strUser = L"admin";
    second.m_strPassword = L"pässwörd";
    second.m_bIncludeHeader = 0;
    second.m_nStartRow = 3;
    second.m_nStartCol = 32767;
    second.m_nRows = 100000;
    second.m_nCols = 7;
    second.m_arrWidths.Add(20);
    second.m_arrWidths.Add(0);
    second.m_arrWidths.Add(35.25);
    ASSERT_TRUE(WriteTableLinkById(second, id));

    EXPECT_EQ(XDataOf(id, L"SQL"), (Items{L"1001:SQL", L"1000:SELECT Name FROM Rooms WHERE Floor = 2"}));
    EXPECT_EQ(XDataOf(id, kLayout)[6], L"1000:20,0,35.25");
    CTableLink back;
    ASSERT_TRUE(ReadTableLinkById(back, id));
    EXPECT_EQ(back.m_strConnectDriver, second.m_strConnectDriver);
    EXPECT_EQ(back.m_strDatabase, second.m_strDatabase);
    EXPECT_EQ(back.m_strTable, L"");
    EXPECT_EQ(back.m_strSQL, second.m_strSQL);
    EXPECT_EQ(back.m_strUser, L"admin");
    EXPECT_EQ(back.m_strPassword, L"pässwörd");
    EXPECT_EQ(back.m_nMarker, 1);
    EXPECT_EQ(back.m_bIncludeHeader, 0);
    EXPECT_EQ(back.m_nStartRow, 3);
    EXPECT_EQ(back.m_nStartCol, 32767);
    EXPECT_EQ(back.m_nRows, 100000);
    EXPECT_EQ(back.m_nCols, 7);
    EXPECT_EQ(back.m_arrHeadings.GetSize(), 0);
    ASSERT_EQ(back.m_arrWidths.GetSize(), 3);
    EXPECT_EQ(back.m_arrWidths[1], 0);
    EXPECT_EQ(back.m_arrWidths[2], 35.25);
}

TEST(TableLink, ListsLoseEmptyHeadingsCommasAndDigitsAsDocumented) {
    TestDrawing d;
    const AcDbObjectId id = NewTable(d);
    CTableLink link;
    link.m_arrHeadings.Add(L"A");
    link.m_arrHeadings.Add(L"");
    link.m_arrHeadings.Add(L"C");
    link.m_arrHeadings.Add(L"X,Y");
    link.m_arrWidths.Add(0.1234567);
    ASSERT_TRUE(WriteTableLinkById(link, id));
    EXPECT_EQ(XDataOf(id, kLayout)[6], L"1000:0.123457");
    CTableLink back;
    ASSERT_TRUE(ReadTableLinkById(back, id));
    ASSERT_EQ(back.m_arrHeadings.GetSize(), 4);
    EXPECT_EQ(back.m_arrHeadings[1], L"C");
    EXPECT_EQ(back.m_arrHeadings[2], L"X");
    EXPECT_EQ(back.m_arrWidths[0], 0.123457);

    CTableLink none;
    ASSERT_TRUE(WriteTableLinkById(none, id));
    EXPECT_EQ(XDataOf(id, kLayout)[5], L"1000:");
    EXPECT_EQ(XDataOf(id, kLayout)[6], L"1000:");
    CTableLink emptyBack;
    ASSERT_TRUE(ReadTableLinkById(emptyBack, id));
    EXPECT_EQ(emptyBack.m_arrHeadings.GetSize(), 0);
    EXPECT_EQ(emptyBack.m_arrWidths.GetSize(), 0);
}

TEST(TableLink, ReadingWithoutTheLayoutBlockFailsButKeepsTheStrings) {
    TestDrawing d;
    const AcDbObjectId id = NewTable(d);
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, id, AcDb::kForWrite);
    setXdata(obj, L"Database", L"a.mdb");
    setXdata(obj, L"SQL", L"SELECT 1");
    obj->close();
    CTableLink link;
    link.m_strTable = L"stale";
    EXPECT_FALSE(ReadTableLinkById(link, id));
    EXPECT_EQ(link.m_strDatabase, L"a.mdb");
    EXPECT_EQ(link.m_strSQL, L"SELECT 1");
    EXPECT_EQ(link.m_strTable, L"");  // no data: emptied
    EXPECT_FALSE(ReadTableLink(link, nullptr));
    EXPECT_FALSE(WriteTableLink(link, nullptr));
    EXPECT_FALSE(ReadTableLinkById(link, AcDbObjectId()));
}

TEST(TableLink, ReadingWalksTheBlockByPosition) {
    TestDrawing d;
    d.db->registerApp(kLayout);
    auto* t = new AcDbTable;
    platform::ResbufPtr xd(acutBuildList(1001, kLayout, 1070, 1, 1000, L"odd", 1070, 4, 1070, 2, 1000, L"H1,H2", 0));
    ASSERT_EQ(t->setXData(xd.get()), Acad::eOk);
    const AcDbObjectId id = d.Add(t);
    CTableLink link;
    link.m_nRows = 99;
    ASSERT_TRUE(ReadTableLinkById(link, id));
    EXPECT_EQ(link.m_bIncludeHeader, 1);  // item 3 was no 1070: initial value kept
    EXPECT_EQ(link.m_nStartRow, 4);
    EXPECT_EQ(link.m_nStartCol, 2);
    EXPECT_EQ(link.m_arrHeadings.GetSize(), 2);
    EXPECT_EQ(link.m_nRows, 99);  // the chain ended before item 8
}

TEST(TableLink, RefusesWhatCannotBeStoredFaithfully) {
    struct Case {
        const char* what;
        void (*change)(CTableLink&);
        const char* message;
    };
    const Case cases[] = {
        {"SQL of 256 bytes", [](CTableLink& l) { l.m_strSQL = CString(L'S', 256); }, "the SQL text is 256 bytes long"},
        {"path of 200 two-byte characters", [](CTableLink& l) { l.m_strDatabase = CString(L'\u00e9', 200); }, "the database path is 400 bytes long"},
        {"headings over 255 bytes",
         [](CTableLink& l) {
             for (int i = 0; i < 30; ++i) l.m_arrHeadings.Add(L"Heading" + CString(L'0' + i % 10));
         },
         "the list of column headings is 291 bytes long"},
        {"start row 32768", [](CTableLink& l) { l.m_nStartRow = 32768; }, "the start row 32768 lies outside"},
        {"start column 40000", [](CTableLink& l) { l.m_nStartCol = 40000; }, "the start column 40000 lies outside"},
    };
    for (const auto& c : cases) {
        TestDrawing d;
        const AcDbObjectId id = NewTable(d);
        CTableLink link = RoomsLink();
        c.change(link);
        platform::ScopedConsole console;
        EXPECT_FALSE(WriteTableLinkById(link, id)) << c.what;
        EXPECT_NE(console.Output().find(c.message), std::string::npos) << c.what << ": " << console.Output();
        EXPECT_EQ(console.Output().rfind("\nThe link cannot be stored with the table: ", 0), 0u) << c.what;
        // Nothing written: the table stays unlinked rather than wrongly linked.
        AcDbObject* obj = nullptr;
        acdbOpenObject(obj, id, AcDb::kForRead);
        EXPECT_EQ(obj->xData(), nullptr) << c.what;
        obj->close();
    }
    // The largest storable string passes.
    TestDrawing d;
    CTableLink link = RoomsLink();
    link.m_strSQL = CString(L'S', 255);
    EXPECT_TRUE(WriteTableLinkById(link, NewTable(d)));
}

TEST(TableLink, FilterSelectsLinkedTablesAndBlockReferencesOnly) {
    TestDrawing d;
    const AcDbObjectId linked = NewTable(d);
    const AcDbObjectId plain = NewTable(d);
    auto* ref = new AcDbBlockReference({0, 0, 0}, d.db->modelSpaceId());
    const AcDbObjectId insert = d.Add(ref);
    const AcDbObjectId line = d.Add(new AcDbLine);
    for (AcDbObjectId id : {linked, insert, line}) ASSERT_TRUE(WriteTableLinkById(RoomsLink(), id));
    (void)plain;
    platform::ResbufPtr filter(BuildLinkedTableFilter());
    ASSERT_NE(filter.get(), nullptr);
    EXPECT_EQ(ChainItems(filter.get()).size(), 6u);  // -4 0 0 -4 -3 1001
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, filter.get(), ss), RTNORM);
    Adesk::Int32 n = 0;
    acedSSLength(ss, &n);
    ASSERT_EQ(n, 2);
    std::vector<AcDbObjectId> found;
    for (Adesk::Int32 i = 0; i < n; ++i) {
        ads_name e;
        AcDbObjectId id;
        acedSSName(ss, i, e);
        acdbGetObjectId(id, e);
        found.push_back(id);
    }
    acedSSFree(ss);
    EXPECT_EQ(found, (std::vector<AcDbObjectId>{linked, insert}));
}

TEST(TableLink, AWriteTheHostRefusesIsUndone) {
    TestDrawing d;
    const AcDbObjectId id = NewTable(d);
    CTableLink old = RoomsLink();
    ASSERT_TRUE(WriteTableLinkById(old, id));
    const auto before = XDataOf(id, nullptr);

    // Fill the object's extended data almost to its limit with another application's.
    d.db->registerApp(L"Big");
    const std::wstring chunk(250, L'b');
    resbuf* big = acutBuildList(1001, L"Big", 0);
    resbuf* tail = big;
    for (int i = 0; i < 62; ++i) tail = tail->rbnext = acutBuildList(1000, chunk.c_str(), 0);
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, id, AcDb::kForWrite);
    ASSERT_EQ(obj->setXData(big), Acad::eOk);
    acutRelRb(big);
    obj->close();

    CTableLink longer = RoomsLink();
    longer.m_strSQL = CString(L'q', 250);
    longer.m_strUser = CString(L'u', 250);
    longer.m_nStartRow = 5;
    platform::ScopedConsole console;
    EXPECT_FALSE(WriteTableLinkById(longer, id));
    EXPECT_NE(console.Output().find("\nThe link could not be stored with the table"), std::string::npos) << console.Output();

    CTableLink back;
    ASSERT_TRUE(ReadTableLinkById(back, id));
    EXPECT_EQ(back.m_strSQL, L"");  // the old record, whole
    EXPECT_EQ(back.m_strUser, L"");
    EXPECT_EQ(back.m_nStartRow, 0);
    EXPECT_EQ(back.m_strTable, L"Rooms");
    EXPECT_EQ(XDataOf(id, L"Big").size(), 63u);
    EXPECT_EQ(XDataOf(id, nullptr).size(), before.size() + 63);
}
