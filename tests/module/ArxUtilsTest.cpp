#include <gtest/gtest.h>

#include "ArxUtils/ArxUtils.h"
#include "DrawingFixture.h"

TEST(AddToCurrentSpace, AppendsOrReportsTheHostStatus) {
    TestDrawing d;
    platform::ScopedConsole console;
    auto* line = new AcDbLine({0, 0, 0}, {1, 1, 0});
    ASSERT_EQ(addToCurrentSpace(line), Acad::eOk);
    EXPECT_TRUE(line->isWriteEnabled());  // the caller closes it
    EXPECT_EQ(line->ownerId(), d.db->modelSpaceId());
    line->close();

    // Appending twice: the host's status, named on the command line.
    AcDbLine* again = nullptr;
    acdbOpenObject(again, line->objectId(), AcDb::kForWrite);
    EXPECT_EQ(addToCurrentSpace(again), Acad::eAlreadyInDb);
    again->close();
    EXPECT_EQ(console.Output(), "\nERROR: could not add entity to current space (eAlreadyInDb)");

    // The current space held open by someone else: status 3, no message.
    console.ClearOutput();
    AcDbObject* space = nullptr;
    acdbOpenObject(space, d.db->currentSpaceId(), AcDb::kForRead);
    AcDbLine orphan;
    EXPECT_EQ(addToCurrentSpace(&orphan), 3);
    space->close();
    EXPECT_EQ(console.Output(), "");

    // Another database when given; the current space is that database's.
    auto other = platform::NewDrawingDatabase();
    other->setCurrentSpace(other->paperSpaceId());
    auto* paper = new AcDbLine;
    ASSERT_EQ(addToCurrentSpace(paper, other.get()), Acad::eOk);
    EXPECT_EQ(paper->ownerId(), other->paperSpaceId());
    paper->close();
}

TEST(DragSelectionSet, MovesThePickedSetOrErasesItOnCancel) {
    TestDrawing d;
    const AcDbObjectId a = d.Add(new AcDbLine({0, 0, 0}, {1, 0, 0}));
    const AcDbObjectId b = d.Add(new AcDbLine({0, 1, 0}, {1, 1, 0}));
    auto setOf = [](std::initializer_list<AcDbObjectId> ids, ads_name ss) {
        ads_name first;
        acdbGetAdsName(first, *ids.begin());
        acedSSAdd(first, nullptr, ss);
        for (AcDbObjectId id : ids) {
            ads_name e;
            acdbGetAdsName(e, id);
            acedSSAdd(e, ss, ss);
        }
    };
    {
        platform::ScopedConsole console({"10,20"});
        ads_name ss;
        setOf({a, b}, ss);
        EXPECT_EQ(dragSelectionSet(ss, L"\nSpecify insertion point: ", AcGePoint3d(1, 1, 0)), RTNORM);
        AcDbLine* line = nullptr;
        acdbOpenObject(line, b, AcDb::kForRead);
        EXPECT_EQ(line->startPoint(), AcGePoint3d(9, 20, 0));
        line->close();
    }
    {
        platform::ScopedConsole console({"^C"});
        ads_name ss;
        setOf({a, b}, ss);
        EXPECT_EQ(dragSelectionSet(ss, L"\nSpecify insertion point: ", AcGePoint3d(0, 0, 0)), RTCAN);
        EXPECT_TRUE(a.isErased());
        EXPECT_TRUE(b.isErased());
        EXPECT_TRUE(d.ModelSpace().empty());
    }
    {
        platform::ScopedConsole console({"5,5"});
        ads_name empty;
        acedSSAdd(nullptr, nullptr, empty);
        EXPECT_EQ(dragSelectionSet(empty, L"\nSpecify insertion point: ", AcGePoint3d(0, 0, 0)), RTCAN);
        EXPECT_EQ(console.Output(), "");  // never asked
    }
    EXPECT_EQ(platform::LiveSelectionSets(), 0u);
}

TEST(Xdata, OneStringPerApplicationRegisteredOnFirstUse) {
    TestDrawing d;
    const AcDbObjectId id = d.Add(new AcDbLine);
    auto regApps = [&] {
        AcDbRegAppTable* t = nullptr;
        acdbOpenObject(t, d.db->regAppTableId(), AcDb::kForRead);
        const size_t n = t->recordIds().size();
        t->close();
        return n;
    };
    const size_t before = regApps();
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, id, AcDb::kForRead);  // setXdata upgrades it
    EXPECT_TRUE(setXdata(obj, L"SQL", L"first"));
    EXPECT_EQ(regApps(), before + 1);
    EXPECT_TRUE(setXdata(obj, L"SQL", L"second"));
    EXPECT_EQ(regApps(), before + 1);
    EXPECT_FALSE(setXdata(obj, L"", L"x"));
    EXPECT_FALSE(setXdata(obj, nullptr, L"x"));
    EXPECT_FALSE(setXdata(nullptr, L"SQL", L"x"));
    obj->close();
    EXPECT_EQ(XDataOf(id, L"SQL"), (std::vector<std::wstring>{L"1001:SQL", L"1000:second"}));

    CString value = L"untouched";
    EXPECT_TRUE(getXdata(id, L"SQL", value));
    EXPECT_EQ(value, L"second");
    ads_name e;
    acdbGetAdsName(e, id);
    value.Empty();
    EXPECT_TRUE(getXdata(e, L"SQL", value));
    EXPECT_EQ(value, L"second");

    value = L"untouched";
    EXPECT_FALSE(getXdata(id, L"Table", value));  // no data at all: emptied
    EXPECT_EQ(value, L"");
}

TEST(Xdata, ReadingSkipsStringsInsideBracesAndKeepsTheValueWhenNoneIsLeft) {
    TestDrawing d;
    d.db->registerApp(L"App");
    auto* line = new AcDbLine;
    platform::ResbufPtr xd(acutBuildList(1001, L"App", 1002, L"{", 1000, L"inner", 1002, L"}", 1000, L"outer", 0));
    line->setXData(xd.get());
    const AcDbObjectId id = d.Add(line);
    CString value;
    EXPECT_TRUE(getXdata(id, L"App", value));
    EXPECT_EQ(value, L"outer");

    auto* nested = new AcDbLine;
    platform::ResbufPtr only(acutBuildList(1001, L"App", 1002, L"{", 1000, L"inner", 1002, L"}", 1070, 5, 0));
    nested->setXData(only.get());
    const AcDbObjectId nid = d.Add(nested);
    value = L"kept";
    EXPECT_FALSE(getXdata(nid, L"App", value));
    EXPECT_EQ(value, L"kept");
}

TEST(Xdata, ABadEntityNameIsReportedWithThisSourceLocation) {
    TestDrawing d;
    platform::ScopedConsole console;
    ads_name bad = {0, 12345};
    CString value;
    EXPECT_FALSE(getXdata(bad, L"SQL", value));
    const std::string out = console.Output();
    EXPECT_EQ(out.rfind("\nacdbGetObjectId failed in FILE: ", 0), 0u) << out;
    EXPECT_NE(out.find("ArxUtils.cpp;LINE: "), std::string::npos) << out;
}

TEST(TableStyleNames, AppendToTheList) {
    TestDrawing d;
    d.AddStyle(L"Metric", 2.5, 0.6, 0.6);
    CStringArray names;
    names.Add(L"kept");
    ASSERT_EQ(getTableStyleNames(names), Acad::eOk);
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[0], L"kept");
    EXPECT_EQ(names[1], L"Metric");  // the dictionary's own (sorted) order
    EXPECT_EQ(names[2], L"Standard");
}
