#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/DrawingDatabase.h"

namespace {

struct Drawing {
    std::shared_ptr<AcDbDatabase> db = platform::NewDrawingDatabase();
    AcDbObjectId line;
    Drawing() {
        AcDbBlockTableRecord* space = nullptr;
        acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite);
        auto* l = new AcDbLine;
        space->appendAcDbEntity(line, l);
        l->close();
        space->close();
        for (const wchar_t* app : {L"A", L"B", L"C"}) db->registerApp(app);
    }
};

// "code:value" for each item of a chain.
std::vector<std::wstring> Items(const resbuf* rb) {
    std::vector<std::wstring> out;
    for (; rb; rb = rb->rbnext) {
        std::wstring v;
        switch (platform::ResbufKind(rb->restype)) {
        case platform::ResbufValueKind::String: v = rb->resval.rstring; break;
        case platform::ResbufValueKind::Short: v = std::to_wstring(rb->resval.rint); break;
        case platform::ResbufValueKind::Long: v = std::to_wstring(rb->resval.rlong); break;
        case platform::ResbufValueKind::Real: v = std::to_wstring(rb->resval.rreal); break;
        case platform::ResbufValueKind::Point: v = std::to_wstring(rb->resval.rpoint[0]) + L"," + std::to_wstring(rb->resval.rpoint[1]); break;
        default: break;
        }
        out.push_back(std::to_wstring(rb->restype) + L":" + v);
    }
    return out;
}

std::vector<std::wstring> XData(AcDbObjectId id, const wchar_t* app) {
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, id, AcDb::kForRead);
    platform::ResbufPtr chain(obj->xData(app));
    obj->close();
    return Items(chain.get());
}

Acad::ErrorStatus Set(AcDbObjectId id, resbuf* chain) {
    platform::ResbufPtr owned(chain);
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, id, AcDb::kForWrite);
    const auto es = obj->setXData(chain);
    obj->close();
    return es;
}

}  // namespace

TEST(BuildList, MakesTypedItemsAndStopsAtZero) {
    ads_point p = {1, 2, 3};
    platform::ResbufPtr list(acutBuildList(1001, L"A", 1000, L"text", 1070, 7, 1071, static_cast<std::int32_t>(70000),
                                           1040, 2.5, 1010, p, RTDXF0, L"LINE", -3, 0, 1000, L"never"));
    EXPECT_EQ(Items(list.get()), (std::vector<std::wstring>{L"1001:A", L"1000:text", L"1070:7", L"1071:70000",
                                                            L"1040:2.500000", L"1010:1.000000,2.000000", L"0:LINE", L"-3:"}));
    platform::ResbufPtr stopped(acutBuildList(RTSTR, L"x", RTNONE, RTSTR, L"never"));
    EXPECT_EQ(Items(stopped.get()).size(), 1u);
    EXPECT_EQ(acutBuildList(0), nullptr);

    resbuf* copy = platform::CopyRbChain(list.get());
    EXPECT_EQ(Items(copy), Items(list.get()));
    EXPECT_NE(copy->rbnext->resval.rstring, list.get()->rbnext->resval.rstring);  // deep
    EXPECT_EQ(acutRelRb(copy), RTNORM);
}

TEST(ExtendedData, EachApplicationIsReplacedOnItsOwn) {
    Drawing d;
    ASSERT_EQ(Set(d.line, acutBuildList(1001, L"A", 1000, L"a1", 1001, L"B", 1070, 2, 0)), Acad::eOk);
    ASSERT_EQ(Set(d.line, acutBuildList(1001, L"a", 1000, L"a2", 1000, L"a3", 0)), Acad::eOk);
    EXPECT_EQ(XData(d.line, L"A"), (std::vector<std::wstring>{L"1001:A", L"1000:a2", L"1000:a3"}));
    EXPECT_EQ(XData(d.line, L"B"), (std::vector<std::wstring>{L"1001:B", L"1070:2"}));
    EXPECT_EQ(XData(d.line, nullptr).size(), 5u);
    EXPECT_TRUE(XData(d.line, L"C").empty());

    // A name with nothing after it removes that application's data only.
    ASSERT_EQ(Set(d.line, acutBuildList(1001, L"B", 0)), Acad::eOk);
    EXPECT_TRUE(XData(d.line, L"B").empty());
    EXPECT_EQ(XData(d.line, L"A").size(), 3u);
}

TEST(ExtendedData, RefusedCallsLeaveTheOldData) {
    Drawing d;
    ASSERT_EQ(Set(d.line, acutBuildList(1001, L"A", 1000, L"old", 0)), Acad::eOk);
    const std::vector<std::wstring> old = XData(d.line, nullptr);

    struct Case {
        const char* what;
        resbuf* chain;
        Acad::ErrorStatus expected;
    };
    const std::wstring at255(255, L'x'), at256(256, L'x');
    const std::wstring accents(128, L'\u00e9');  // 128 characters, 256 bytes of UTF-8
    const Case cases[] = {
        {"unregistered application", acutBuildList(1001, L"A", 1000, L"new", 1001, L"Nobody", 1000, L"x", 0), Acad::eRegappIdNotFound},
        {"string of 256 bytes", acutBuildList(1001, L"A", 1000, at256.c_str(), 0), Acad::eXdataSizeExceeded},
        {"string of 256 UTF-8 bytes", acutBuildList(1001, L"A", 1000, accents.c_str(), 0), Acad::eXdataSizeExceeded},
        {"not extended data", acutBuildList(1001, L"A", 1000, L"new", 8, L"layer", 0), Acad::eInvalidInput},
        {"no application first", acutBuildList(1000, L"new", 0), Acad::eInvalidInput},
        {"bad brace", acutBuildList(1001, L"A", 1002, L"[", 0), Acad::eInvalidInput},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Set(d.line, c.chain), c.expected) << c.what;
        EXPECT_EQ(XData(d.line, nullptr), old) << c.what;
    }
    EXPECT_EQ(Set(d.line, acutBuildList(1001, L"A", 1000, at255.c_str(), 0)), Acad::eOk);

    // 16383 bytes per object in all: 70 strings of 230 bytes pass the item limit but not that.
    const std::wstring chunk(230, L'y');
    resbuf* big = acutBuildList(1001, L"B", 0);
    resbuf* tail = big;
    for (int i = 0; i < 70; ++i) tail = tail->rbnext = acutBuildList(1000, chunk.c_str(), 0);
    EXPECT_EQ(Set(d.line, big), Acad::eXdataSizeExceeded);
    EXPECT_TRUE(XData(d.line, L"B").empty());

    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, d.line, AcDb::kForRead);
    platform::ResbufPtr chain(acutBuildList(1001, L"A", 1000, L"x", 0));
    EXPECT_EQ(obj->setXData(chain.get()), Acad::eNotOpenForWrite);
    obj->close();
}
