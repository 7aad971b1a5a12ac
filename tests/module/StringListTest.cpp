#include <gtest/gtest.h>

#include "support/StringList.h"

namespace {
std::vector<std::wstring> Tokens(const wchar_t* text) {
    CTokenizer t(text, L",");
    std::vector<std::wstring> out;
    CString token;
    while (t.Next(token)) out.push_back(token.str());
    EXPECT_TRUE(token.IsEmpty());  // Next empties the token when nothing is left
    return out;
}
}  // namespace

TEST(Tokenizer, SkipsEveryRunOfDelimitersAndKeepsBlanks) {
    EXPECT_TRUE(Tokens(L"").empty());
    EXPECT_TRUE(Tokens(L",,,").empty());
    EXPECT_EQ(Tokens(L",,a,,b,"), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(Tokens(L"20, 40"), (std::vector<std::wstring>{L"20", L" 40"}));
    CTokenizer multi(L"a;b,c", L";,");
    CString t;
    int n = 0;
    while (multi.Next(t)) ++n;
    EXPECT_EQ(n, 3);
}

TEST(StringLists, JoinDropsTrailingCommasAndSplitAppends) {
    CStringArray headings;
    headings.Add(L"A");
    headings.Add(L"");
    headings.Add(L"C");
    EXPECT_EQ(JoinStringList(headings), L"A,,C");
    CStringArray back;
    back.Add(L"kept");
    SplitStringList(JoinStringList(headings), back);
    ASSERT_EQ(back.GetSize(), 3);
    EXPECT_EQ(back[0], L"kept");
    EXPECT_EQ(back[1], L"A");
    EXPECT_EQ(back[2], L"C");

    CStringArray trailing;
    trailing.Add(L"X,Y,");
    trailing.Add(L"");
    EXPECT_EQ(JoinStringList(trailing), L"X,Y");
    EXPECT_EQ(JoinStringList(CStringArray()), L"");
}

TEST(StringLists, WidthsUseSixSignificantDigits) {
    CArray<double, double> widths;
    widths.Add(20);
    widths.Add(12.5);
    widths.Add(0.333333333);
    EXPECT_EQ(JoinDoubleList(widths), L"20,12.5,0.333333");
    CArray<double, double> big;
    big.Add(1234567);
    EXPECT_EQ(JoinDoubleList(big), L"1.23457e+06");

    CArray<double, double> parsed;
    parsed.Add(1);
    SplitDoubleList(L"abc, 15mm,,2.5,", parsed);
    ASSERT_EQ(parsed.GetSize(), 4);
    EXPECT_EQ(parsed[0], 1.0);
    EXPECT_EQ(parsed[1], 0.0);
    EXPECT_EQ(parsed[2], 15.0);
    EXPECT_EQ(parsed[3], 2.5);
}
