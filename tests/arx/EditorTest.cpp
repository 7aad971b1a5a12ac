#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/Alert.h"
#include "editor/Console.h"
#include "db/DrawingDatabase.h"
#include "editor/Editor.h"
#include "editor/EntityList.h"
#include "text/Utf8.h"

#include <cstring>

namespace {

// A drawing made the working database, with a few entities in model space.
struct EditorDrawing {
    std::shared_ptr<AcDbDatabase> db = platform::NewDrawingDatabase();
    platform::ScopedWorkingDatabase working{db.get()};
    AcDbObjectId line, table, insert, mtext, linkedTable, paperLine;

    EditorDrawing() {
        db->registerApp(L"Database");
        line = Add(new AcDbLine({0, -20, 0}, {10, -20, 0}));
        auto* t = new AcDbTable;
        t->setNumRows(2);
        t->setNumColumns(2);
        t->setColumnWidth(5);
        t->setRowHeight(1);
        t->setPosition({0, 10, 0});
        table = Add(t);
        insert = Add(new AcDbBlockReference({50, 50, 0}, db->modelSpaceId()));
        auto* m = new AcDbMText;
        m->setContents(L"note");
        m->setLocation({40, -40, 0});
        mtext = Add(m);
        auto* linked = new AcDbTable;
        linked->setNumRows(1);
        linked->setNumColumns(1);
        linked->setPosition({100, 0, 0});
        platform::ResbufPtr xd(acutBuildList(1001, L"Database", 1000, L"a.mdb", 0));
        linked->setXData(xd.get());
        linkedTable = Add(linked);
        paperLine = Add(new AcDbLine({0, 0, 0}, {1, 1, 0}), db->paperSpaceId());
    }

    AcDbObjectId Add(AcDbEntity* e, AcDbObjectId space = {}) {
        AcDbBlockTableRecord* block = nullptr;
        acdbOpenObject(block, space.isNull() ? db->modelSpaceId() : space, AcDb::kForWrite);
        AcDbObjectId id;
        block->appendAcDbEntity(id, e);
        e->close();
        block->close();
        return id;
    }
};

std::vector<AcDbObjectId> Members(const ads_name ss) {
    std::vector<AcDbObjectId> ids;
    Adesk::Int32 n = 0;
    acedSSLength(ss, &n);
    for (Adesk::Int32 i = 0; i < n; ++i) {
        ads_name e;
        AcDbObjectId id;
        acedSSName(ss, i, e);
        acdbGetObjectId(id, e);
        ids.push_back(id);
    }
    return ids;
}

// Selects with mode X and the filter; the members, or nothing when the call failed.
std::vector<AcDbObjectId> SelectX(resbuf* filter, int* rc = nullptr) {
    platform::ResbufPtr owned(filter);
    ads_name ss;
    const int result = acedSSGet(L"X", nullptr, nullptr, filter, ss);
    if (rc) *rc = result;
    if (result != RTNORM) return {};
    auto ids = Members(ss);
    acedSSFree(ss);
    return ids;
}

using Ids = std::vector<AcDbObjectId>;

}  // namespace

TEST(PointPrompt, ReadsPointsAndAsksAgainUntilInputEnds) {
    platform::ScopedConsole console({"abc", "nan,1", "1,inf", "1,2,", "1,2,3,4", "1, 2", "3,4,5", "", "@1,1", "^C"});
    ads_point p;
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTNORM);
    EXPECT_EQ(p[X], 1);
    EXPECT_EQ(p[Y], 2);
    EXPECT_EQ(p[Z], 0);
    EXPECT_NE(console.Output().find("Invalid point."), std::string::npos);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTNORM);
    EXPECT_EQ(p[Z], 5);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTNONE);
    const ads_point base = {10, 10, 0};
    EXPECT_EQ(acedGetPoint(base, L"\nPoint: ", p), RTNORM);
    EXPECT_EQ(p[X], 11);
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTCAN);  // ^C
    EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTCAN);  // end of input
}

TEST(PointPrompt, APointBeyondWhatADrawingHoldsIsNoPoint) {
    // Numbers, but past the largest coordinate, typed or reached from a base point.
    platform::ScopedConsole console({"1e308,1", "-1e101,0", "@9e99,0", "1e100,-1e100"});
    ads_point p;
    const ads_point base = {9e99, 0, 0};
    EXPECT_EQ(acedGetPoint(base, L"\nPoint: ", p), RTNORM);
    EXPECT_EQ(p[X], 1e100);
    EXPECT_EQ(p[Y], -1e100);
    size_t invalid = 0;
    for (size_t at = console.Output().find("Invalid point."); at != std::string::npos; at = console.Output().find("Invalid point.", at + 1))
        ++invalid;
    EXPECT_EQ(invalid, 3u) << console.Output();
}

TEST(PointPrompt, NoNullFlagAndKeywordsApplyToOneCall) {
    platform::ScopedConsole console({"", "Exit", "", "x"});
    ads_point p;
    acedInitGet(RSG_NONULL, L"eXit");
    EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTKWORD);
    wchar_t kw[32];
    EXPECT_EQ(acedGetInput(kw), RTNORM);
    EXPECT_STREQ(kw, L"eXit");
    EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNONE);  // the flag was used up
    EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTCAN);  // "x" is no keyword now
}

TEST(KeywordPrompt, MatchesAbbreviationsWithoutRegardToCase) {
    struct Case {
        const char* keywords;
        const char* answer;
        const wchar_t* expected;  // null: not accepted
    };
    const Case cases[] = {
        {"Yes No", "y", L"Yes"},        {"Yes No", "NO", L"No"},        {"Yes No", "yeS", L"Yes"},
        {"Yes No", "x", nullptr},       {"ON OFF", "on", L"ON"},        {"ON OFF", "o", nullptr},
        {"ON OFF", "of", nullptr},      {"ON OFF", "OFF", L"OFF"},      {"Ja Nein _Yes No", "j", L"Yes"},
        {"Ja Nein _Yes No", "_No", L"No"}, {"LIst", "l", nullptr},      {"LIst", "lis", L"LIst"},
        {"eXit Undo", "x", L"eXit"},   {"eXit Undo", "ex", L"eXit"},   {"eXit Undo", "e", nullptr},
        {"LType", "lt", L"LType"},
    };
    for (const auto& c : cases) {
        platform::ScopedConsole console({c.answer});
        std::wstring kws(c.keywords, c.keywords + std::strlen(c.keywords));
        acedInitGet(0, kws.c_str());
        wchar_t result[32];
        const int rc = acedGetKword(L"Option: ", result);
        if (c.expected) {
            EXPECT_EQ(rc, RTNORM) << c.keywords << " / " << c.answer;
            EXPECT_STREQ(result, c.expected) << c.keywords << " / " << c.answer;
        } else {
            EXPECT_EQ(rc, RTCAN) << c.keywords << " / " << c.answer;  // re-asked, then input ended
            EXPECT_NE(console.Output().find("Invalid option keyword."), std::string::npos);
        }
    }
}

TEST(EntityPick, FindsEntitiesByPointOrHandle) {
    EditorDrawing d;
    const std::string handle = "#" + platform::ToUtf8(d.insert.handle().text());
    platform::ScopedConsole console({"7,9.5", "5,-20", "300,300", handle, "#FFFF", "", "^C"});
    ads_name e;
    ads_point p;
    AcDbObjectId id;
    ASSERT_EQ(acedEntSel(L"Pick: ", e, p), RTNORM);
    acdbGetObjectId(id, e);
    EXPECT_EQ(id, d.table);
    ASSERT_EQ(acedEntSel(L"Pick: ", e, p), RTNORM);
    acdbGetObjectId(id, e);
    EXPECT_EQ(id, d.line);
    EXPECT_EQ(acedEntSel(L"Pick: ", e, p), RTERROR);  // nothing there
    ASSERT_EQ(acedEntSel(L"Pick: ", e, p), RTNORM);
    acdbGetObjectId(id, e);
    EXPECT_EQ(id, d.insert);
    EXPECT_EQ(acedEntSel(L"Pick: ", e, p), RTERROR);  // "#FFFF" is no entity: asked again, then ""
    EXPECT_EQ(acedEntSel(L"Pick: ", e, p), RTCAN);
}

TEST(EntityNames, ForgedOrStaleNamesAreRefused) {
    EditorDrawing d;
    ads_name e;
    ASSERT_EQ(acdbGetAdsName(e, d.line), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(acdbGetObjectId(id, e), Acad::eOk);
    EXPECT_EQ(id, d.line);
    ads_name forged = {e[0], 0x7FFFFFFF};
    EXPECT_EQ(acdbGetObjectId(id, forged), Acad::eInvalidAdsName);
    ads_name otherDb = {e[0] + 1000, e[1]};
    EXPECT_EQ(acdbGetObjectId(id, otherDb), Acad::eInvalidAdsName);
    EXPECT_EQ(acdbEntDel(e), RTNORM);
    EXPECT_TRUE(d.line.isErased());
    EXPECT_EQ(acdbEntDel(e), RTNORM);  // and back
    EXPECT_FALSE(d.line.isErased());
    EXPECT_EQ(acdbEntDel(forged), RTERROR);
}

TEST(SelectionFilters, SelectByTypeOperatorAndApplication) {
    EditorDrawing d;
    EXPECT_EQ(SelectX(nullptr), (Ids{d.line, d.table, d.insert, d.mtext, d.linkedTable, d.paperLine}));
    EXPECT_EQ(SelectX(acutBuildList(RTDXF0, L"ACAD_TABLE", 0)), (Ids{d.table, d.linkedTable}));
    EXPECT_EQ(SelectX(acutBuildList(RTDXF0, L"line", 0)), (Ids{d.line, d.paperLine}));
    EXPECT_EQ(SelectX(acutBuildList(RTDXF0, L"LINE,MTEXT", 0)), (Ids{d.line, d.mtext, d.paperLine}));
    EXPECT_EQ(SelectX(acutBuildList(RTDXF0, L"*TEXT", 0)), (Ids{d.mtext}));
    EXPECT_EQ(SelectX(acutBuildList(-4, L"<or", RTDXF0, L"INSERT", RTDXF0, L"MTEXT", -4, L"or>", 0)), (Ids{d.insert, d.mtext}));
    EXPECT_EQ(SelectX(acutBuildList(-4, L"<not", RTDXF0, L"LINE", -4, L"not>", RTDXF0, L"~ACAD_TABLE", 0)), (Ids{d.insert, d.mtext}));
    EXPECT_EQ(SelectX(acutBuildList(-3, 1001, L"Database", 0)), (Ids{d.linkedTable}));
    EXPECT_EQ(SelectX(acutBuildList(-4, L"<or", RTDXF0, L"INSERT", RTDXF0, L"ACAD_TABLE", -4, L"or>", -3, 1001, L"Database", 0)),
              (Ids{d.linkedTable}));

    int rc = 0;
    EXPECT_TRUE(SelectX(acutBuildList(RTDXF0, L"CIRCLE", 0), &rc).empty());
    EXPECT_EQ(rc, RTERROR);  // nothing selected
    const resbuf* malformed[] = {
        acutBuildList(-4, L"<or", RTDXF0, L"LINE", 0),              // unclosed
        acutBuildList(-4, L"<not", RTDXF0, L"LINE", RTDXF0, L"X", -4, L"not>", 0),  // two operands
        acutBuildList(-4, L"and>", 0),                              // stray close
        acutBuildList(62, 1, 0),                                    // a group the host does not filter on
    };
    for (const resbuf* f : malformed) {
        SelectX(const_cast<resbuf*>(f), &rc);
        EXPECT_EQ(rc, RTERROR);
    }
    d.db->registerApp(L"Other");
    EXPECT_TRUE(SelectX(acutBuildList(-3, 1001, L"Database", 1001, L"Other", 0), &rc).empty());  // needs both
    EXPECT_EQ(platform::LiveSelectionSets(), 0u);
}

TEST(SelectObjects, AcceptsPointsWindowsHandlesAllAndLastUntilAnEmptyLine) {
    EditorDrawing d;
    const std::string h = "#" + platform::ToUtf8(d.insert.handle().text());
    {
        platform::ScopedConsole console({"1,9", "W -1,-25 11,-15", h, "nonsense", "1,9", ""});
        ads_name ss;
        ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
        EXPECT_EQ(Members(ss), (Ids{d.table, d.line, d.insert}));
        acedSSFree(ss);
        EXPECT_NE(console.Output().find("*Invalid selection*"), std::string::npos);
        EXPECT_NE(console.Output().find("1 found, 3 total"), std::string::npos);
    }
    {
        platform::ResbufPtr filter(acutBuildList(RTDXF0, L"ACAD_TABLE", 0));
        platform::ScopedConsole console({"ALL", "R", "1,9", ""});
        ads_name ss;
        ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, filter.get(), ss), RTNORM);
        EXPECT_EQ(Members(ss), (Ids{d.linkedTable}));
        acedSSFree(ss);
        EXPECT_NE(console.Output().find("3 were filtered out."), std::string::npos);
    }
    {
        platform::ScopedConsole console({"C", "-1,9.5", "60,-25", ""});  // crossing: touched is enough
        ads_name ss;
        ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
        EXPECT_EQ(Members(ss), (Ids{d.line, d.table}));
        acedSSFree(ss);
        EXPECT_NE(console.Output().find("Specify opposite corner: "), std::string::npos);
    }
    {
        platform::ScopedConsole console({"L", ""});
        ads_name ss;
        ASSERT_EQ(acedSSGet(L"", nullptr, nullptr, nullptr, ss), RTNORM);
        EXPECT_EQ(Members(ss), (Ids{d.paperLine}));
        acedSSFree(ss);
    }
    for (const auto& input : {std::vector<std::string>{""}, {"300,300", ""}}) {
        platform::ScopedConsole console(input);
        ads_name ss;
        EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);
    }
    for (const auto& input : {std::vector<std::string>{"1,9"}, {"1,9", "^C"}}) {
        platform::ScopedConsole console(input);
        ads_name ss;
        EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
    }
    EXPECT_EQ(platform::LiveSelectionSets(), 0u);
}

TEST(SelectionSets, AddLengthNameFreeAndTransform) {
    EditorDrawing d;
    ads_name e1, e2, ss, same;
    acdbGetAdsName(e1, d.line);
    acdbGetAdsName(e2, d.table);
    ASSERT_EQ(acedSSAdd(e1, nullptr, ss), RTNORM);
    ASSERT_EQ(acedSSAdd(e2, ss, same), RTNORM);
    ASSERT_EQ(acedSSAdd(e2, ss, same), RTNORM);  // once only
    EXPECT_EQ(same[0], ss[0]);
    EXPECT_EQ(Members(ss), (Ids{d.line, d.table}));
    ads_name out;
    EXPECT_EQ(acedSSName(ss, 2, out), RTERROR);
    EXPECT_EQ(acedSSName(ss, -1, out), RTERROR);

    ads_matrix m = {{1, 0, 0, 5}, {0, 1, 0, 6}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    EXPECT_EQ(acedXformSS(ss, m), RTNORM);
    AcDbLine* line = nullptr;
    acdbOpenObject(line, d.line, AcDb::kForRead);
    EXPECT_EQ(line->startPoint(), AcGePoint3d(5, -14, 0));
    // An entity held open elsewhere cannot be moved: the call says so.
    EXPECT_EQ(acedXformSS(ss, m), RTERROR);
    line->close();

    EXPECT_EQ(acedSSFree(ss), RTNORM);
    Adesk::Int32 n = 0;
    EXPECT_EQ(acedSSLength(ss, &n), RTERROR);
    EXPECT_EQ(acedSSFree(ss), RTERROR);
    // A set that outlives its drawing names entities that no longer resolve.
    ads_name kept;
    {
        auto gone = platform::NewDrawingDatabase();
        AcDbBlockTableRecord* space = nullptr;
        acdbOpenObject(space, gone->modelSpaceId(), AcDb::kForWrite);
        auto* l = new AcDbLine;
        space->appendAcDbEntity(l);
        l->close();
        space->close();
        ads_name e;
        acdbGetAdsName(e, l->objectId());
        acedSSAdd(e, nullptr, kept);
    }
    ads_name stale;
    EXPECT_EQ(acedSSName(kept, 0, stale), RTNORM);
    AcDbObjectId staleId;
    EXPECT_EQ(acdbGetObjectId(staleId, stale), Acad::eInvalidAdsName);
    EXPECT_EQ(acedXformSS(kept, m), RTERROR);
    acedSSFree(kept);

    ads_name empty;
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, empty), RTNORM);
    EXPECT_EQ(acedSSLength(empty, &n), RTNORM);
    EXPECT_EQ(n, 0);
    acedSSFree(empty);
}

TEST(Drag, CallsTheCallbackWithThePointAndReturnsIt) {
    EditorDrawing d;
    static int calls = 0;
    static double seen[3];
    auto callback = [](ads_point pt, ads_matrix) {
        ++calls;
        for (int i = 0; i < 3; ++i) seen[i] = pt[i];
        return RTNORM;
    };
    ads_name e, ss;
    acdbGetAdsName(e, d.table);
    acedSSAdd(e, nullptr, ss);
    platform::ScopedConsole console({"nope", "4,5", "", "^C"});
    ads_point p;
    EXPECT_EQ(acedDragGen(ss, L"Where: ", 0, callback, p), RTNORM);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen[0], 4);
    EXPECT_EQ(p[1], 5);
    EXPECT_EQ(acedDragGen(ss, L"Where: ", 0, callback, p), RTNONE);
    EXPECT_EQ(acedDragGen(ss, L"Where: ", 0, callback, p), RTCAN);
    acedSSFree(ss);
    EXPECT_EQ(acedDragGen(ss, L"Where: ", 0, callback, p), RTERROR);
}

TEST(ProgressMeter, RedrawsOnlyWhenThePercentageChanges) {
    int draws = 0;
    std::string last;
    auto previous = platform::SetProgressSink([&](std::string_view s) {
        ++draws;
        last = s;
    });
    ASSERT_EQ(acedSetStatusBarProgressMeter(L"Creating AutoCAD Table...", 0, 1000000), 0);
    for (int i = 0; i < 1000000; ++i) acedSetStatusBarProgressMeterPos(i);
    EXPECT_LE(draws, 101);
    EXPECT_GE(draws, 99);
    EXPECT_NE(last.find("Creating AutoCAD Table... ["), std::string::npos);
    acedRestoreStatusBar();
    EXPECT_EQ(last, "\r\033[K");
    EXPECT_EQ(acedSetStatusBarProgressMeterPos(5), -1);  // no meter running
    EXPECT_EQ(acedSetStatusBarProgressMeter(L"x", 5, 1), -1);
    platform::SetProgressSink(std::move(previous));
}

TEST(Alert, PrintsAFramedBlock) {
    platform::ScopedConsole console;
    acedAlert(L"Error\nCode = 80004005");
    EXPECT_EQ(console.Output(),
              "\n+-----------------+\n"
              "| Error           |\n"
              "| Code = 80004005 |\n"
              "+-----------------+\n");
}

// A command line or a tool gives an error report as one line: the reason first, without the
// vendor's brackets, then what failed.
TEST(Alert, OnePlainLineGivesTheReasonFirst) {
    const std::wstring report =
        L"Query = SELECT * FROM `Nowhere`\nCADORecordset Error\n\tCode = 80040e37\n\tCode meaning = IDispatch error #3127\n"
        L"\tSource = Microsoft OLE DB Provider for ODBC Drivers\n\tDescription = [Microsoft][ODBC Microsoft Access Driver] "
        L"The table is not there.\n";
    EXPECT_EQ(platform::AlertReason(report), L"The table is not there.");
    const std::wstring connection = L"Connection String = Dbq=x.mdb;\nCADODataBase Error\n\tCode = 80004003\n"
                                    L"\tCode meaning = Invalid pointer\n\tSource = \n\tDescription = \n";
    EXPECT_EQ(platform::AlertReason(connection), L"Invalid pointer");  // no description: the code's meaning
    EXPECT_EQ(platform::AlertReason(L"\n  Plain words\nmore"), L"Plain words");

    platform::ScopedConsole console;
    const platform::AlertStyle before = platform::SetAlertStyle(platform::AlertStyle::Line);
    acedAlert(report.c_str());
    acedAlert(connection.c_str());
    platform::SetAlertStyle(before);
    EXPECT_EQ(console.Output(),
              "\nError: The table is not there. (query: SELECT * FROM `Nowhere`)\n"
              "\nError: Invalid pointer (connection: Dbq=x.mdb;)\n");

    // A handler takes the report whole and nothing is shown.
    std::wstring taken;
    const platform::AlertHandler previous = platform::SetAlertHandler([&taken](std::wstring_view text) { taken = text; });
    acedAlert(report.c_str());
    platform::SetAlertHandler(previous);
    EXPECT_EQ(taken, report);
    EXPECT_EQ(console.Output().find("Error: The table", 70), std::string::npos);
}

TEST(List, ShowsEveryEntityWithHandleGeometryCellsAndExtendedData) {
    EditorDrawing d;
    AcDbTable* t = nullptr;
    acdbOpenObject(t, d.table, AcDb::kForWrite);
    t->setTextString(0, 0, L"Name");
    t->setTextString(1, 0, L"Kitchen");
    t->setTextString(1, 1, L"12.5");
    t->close();
    platform::ScopedConsole console;
    EXPECT_EQ(platform::ListEntities(d.db.get()), 6);
    const std::string out = console.Output();
    const std::string tableHandle = platform::ToUtf8(d.table.handle().text());
    EXPECT_NE(out.find("ACAD_TABLE  Layer: \"0\"  Space: Model space  Handle = " + tableHandle), std::string::npos) << out;
    EXPECT_NE(out.find("  Position: X=0.0000 Y=10.0000 Z=0.0000"), std::string::npos) << out;
    EXPECT_NE(out.find("  Size: 2 rows x 2 columns"), std::string::npos) << out;
    EXPECT_NE(out.find("  0 | Name    |      |\n  1 | Kitchen | 12.5 |\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  Xdata \"Database\": (1000) \"a.mdb\""), std::string::npos) << out;
    EXPECT_NE(out.find("Space: Paper space *Paper_Space"), std::string::npos) << out;
    EXPECT_LT(out.find("MTEXT"), out.find("Paper space"));  // model space first

    console.ClearOutput();
    auto empty = platform::NewDrawingDatabase();
    EXPECT_EQ(platform::ListEntities(empty.get()), 0);
    EXPECT_EQ(console.Output(), "\nNo entities.\n");
}
