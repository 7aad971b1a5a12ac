#include <gtest/gtest.h>

#include "mfc/Afx.h"
#include "text/Utf8.h"
#include "mfc/WideFormat.h"

TEST(CStringFormat, WideArgumentsFollowWindowsConventions) {
    CString s;
    s.Format(L"\nFailed to open database %s.", L"C:\\db\\parts.mdb");
    EXPECT_EQ(s, L"\nFailed to open database C:\\db\\parts.mdb.");
    s.Format(L"%c|%S|%hs|%ls|%d%%", L'x', "narrow", "hs", L"ls", 42);
    EXPECT_EQ(s, L"x|narrow|hs|ls|42%");
    s.Format(L"%08lx", 0x80004003L);
    EXPECT_EQ(s, L"80004003");
    s.Format(L"%I64d", static_cast<long long>(-5000000000LL));
    EXPECT_EQ(s, L"-5000000000");
    s.Format(L"%-4s|%5.1f|%g", L"ab", 3.14159, 1234567.0);
    EXPECT_EQ(s, L"ab  |  3.1|1.23457e+06");
}

TEST(CStringFormat, LongResultsGrowTheBuffer) {
    const std::wstring big(100000, L'y');
    CString s;
    s.Format(L"[%s]", big.c_str());
    EXPECT_EQ(s.GetLength(), 100002);
    s.AppendFormat(L"%d", 7);
    EXPECT_EQ(s.Right(3), L"y]7");
}

TEST(CStringOps, SlicesClampLikeTheFramework) {
    CString s(L"Velloria");
    EXPECT_EQ(s.Left(3), L"Vel");
    EXPECT_EQ(s.Left(99), L"Velloria");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(4), L"oria");
    EXPECT_EQ(s.Right(0), L"");
    EXPECT_EQ(s.Mid(5), L"ria");
    EXPECT_EQ(s.Mid(2, 3), L"llo");
    EXPECT_EQ(s.Mid(20), L"");
    EXPECT_EQ(s.Find(L'l'), 2);
    EXPECT_EQ(s.Find(L'l', 4), -1);
    EXPECT_EQ(s.Find(L"ria"), 5);
    EXPECT_EQ(s.Find(L"x"), -1);
    EXPECT_EQ(s.ReverseFind(L'l'), 3);
}

TEST(CStringOps, TrimAndCase) {
    CString s(L" \t text  \n");
    s.Trim();
    EXPECT_EQ(s, L"text");
    CString c(L"20,,30,,");
    c.TrimRight(L',');
    EXPECT_EQ(c, L"20,,30");
    CString u(L"Umsätze ÄÖÜ");
    EXPECT_EQ(CString(u).MakeUpper(), L"UMSÄTZE ÄÖÜ");
    EXPECT_EQ(CString(u).MakeLower(), L"umsätze äöü");
    EXPECT_EQ(CString(L"D:\\Proj\\Parts.MDB").CompareNoCase(L"d:\\proj\\parts.mdb"), 0);
    EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
    EXPECT_GT(CString(L"abcd").CompareNoCase(L"ABC"), 0);
}

TEST(CStringOps, EditingOperations) {
    CString s(L"a-b-c");
    EXPECT_EQ(s.Replace(L"-", L"--"), 2);
    EXPECT_EQ(s, L"a--b--c");
    EXPECT_EQ(s.Remove(L'-'), 4);
    s.Insert(1, L"XY");
    s.Delete(0, 1);
    EXPECT_EQ(s, L"XYbc");
    int pos = 0;
    CString list(L",a,,b");
    EXPECT_EQ(list.Tokenize(L",", pos), L"a");
    EXPECT_EQ(list.Tokenize(L",", pos), L"b");
    EXPECT_EQ(list.Tokenize(L",", pos), L"");
    EXPECT_EQ(pos, -1);
    wchar_t* buf = s.GetBuffer(64);
    wcscpy(buf, L"written");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 7);
    EXPECT_TRUE(L"written" == s);
}

TEST(Utf8, RoundTripAndRepair) {
    const std::wstring text = L"Umsätze – 日本 𝄞";
    EXPECT_EQ(platform::FromUtf8(platform::ToUtf8(text)), text);
    EXPECT_TRUE(platform::IsValidUtf8(platform::ToUtf8(text)));
    EXPECT_FALSE(platform::IsValidUtf8("caf\xE9"));
    EXPECT_EQ(platform::FromUtf8("caf\xE9!"), L"caf\uFFFD!");
    EXPECT_EQ(platform::FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");  // overlong form refused
    EXPECT_EQ(CString("Gr\xC3\xBC\xC3\x9F" "e").ToUtf8(), "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST(CArrayTest, GrowsInsertsAndChecksBounds) {
    CArray<double, double> a;
    for (int i = 0; i < 5; ++i) a.Add(i);
    a.InsertAt(1, 9.5, 2);
    a.RemoveAt(0);
    ASSERT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a[0], 9.5);
    EXPECT_EQ(a[2], 1.0);
    EXPECT_THROW(a.GetAt(6), std::out_of_range);
    CStringArray names;
    names.Add(L"one");
    names.SetAtGrow(3, L"four");
    EXPECT_EQ(names.GetSize(), 4);
    EXPECT_TRUE(names[2].IsEmpty());
}
