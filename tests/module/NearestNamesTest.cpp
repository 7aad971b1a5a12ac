// "did you mean ...?": the names near a name that was not found.
#include <gtest/gtest.h>

#include "catalogue/NearestNames.h"

namespace {

CString Suggest(std::initializer_list<const wchar_t*> names, const wchar_t* typed) {
    CStringArray all, nearest;
    for (const wchar_t* name : names) all.Add(name);
    NearestNames(all, typed, nearest);
    return DidYouMean(nearest);
}

}  // namespace

TEST(NearestNames, SlipsOfTheFingersAreOfferedNearestFirst) {
    const auto nwind = {L"Categories", L"Customers", L"Employees", L"Order Details", L"Orders", L"Products", L"Shippers", L"Suppliers"};
    EXPECT_EQ(Suggest(nwind, L"Shipperz"), L"did you mean Shippers?");           // changed
    EXPECT_EQ(Suggest(nwind, L"shipers"), L"did you mean Shippers?");            // dropped, any case
    EXPECT_EQ(Suggest(nwind, L"Ordres"), L"did you mean Orders?");               // swapped
    EXPECT_EQ(Suggest(nwind, L"Supplierss"), L"did you mean Suppliers?");        // added
    EXPECT_EQ(Suggest(nwind, L"Invoices"), L"");                                 // nothing near
    EXPECT_EQ(Suggest(nwind, L"X"), L"");
    EXPECT_EQ(Suggest({L"Orders"}, L"Orders"), L"");                             // the name itself is no suggestion
    EXPECT_EQ(Suggest({L"Room", L"Rooms", L"Roof", L"Boom", L"Roam"}, L"Rooma"), L"did you mean Room, Rooms or Roof?");
    EXPECT_EQ(Suggest({L"Part1", L"Part2"}, L"Part3"), L"did you mean Part1 or Part2?");
}
