// Text files as users write them, read through the text driver's names: the encodings and
// delimiters met in practice, quoted fields, schema.ini and the connect string's settings.
// The files' bytes are written out here by hand.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <fstream>

#include "sheets/CsvText.h"
#include "sheets/SheetsTesting.h"

namespace {

using namespace sheets_testing;
using platform::provider::ResultSet;
using platform::sheets::DecodeText;
using platform::sheets::DetectDelimiter;
using platform::sheets::SplitRecords;

class TextFiles : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    void Write(const std::string& name, const std::string& bytes) { std::ofstream(dir / name, std::ios::binary) << bytes; }
    ResultSet Table(const std::string& table, const std::wstring& more = L"") {
        return Select(TextConnect(dir.path().string(), more), L"SELECT * FROM `" + Wide(table) + L"`");
    }
};

TEST(CsvText, EveryEncodingBecomesTheSameText) {
    const std::string expected = "Name\nM\xC3\xBC\x6C\x6C\x65r \xE2\x82\xAC";  // "Name\nMüller €"
    EXPECT_EQ(DecodeText(expected), expected);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + expected), expected);
    EXPECT_EQ(DecodeText(std::string("\xFF\xFEN\0a\0m\0e\0\n\0M\0\xFC\0l\0l\0e\0r\0 \0\xAC\x20", 28)), expected);
    EXPECT_EQ(DecodeText(std::string("\xFE\xFF\0N\0a\0m\0e\0\n\0M\0\xFC\0l\0l\0e\0r\0 \x20\xAC", 28)), expected);
    EXPECT_EQ(DecodeText("Name\nM\xFCller \x80"), expected) << "Windows-1252";
    // A character beyond the basic plane, as a UTF-16 surrogate pair.
    EXPECT_EQ(DecodeText(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)), "\xF0\x9F\x98\x80");
}

TEST(CsvText, DelimitersAndQuotedFields) {
    EXPECT_EQ(DetectDelimiter("a,b,c\n1;2\n"), ',');
    EXPECT_EQ(DetectDelimiter("a;b;\"c,d,e\"\n"), ';');
    EXPECT_EQ(DetectDelimiter("a\tb\tc;d\n"), '\t');
    EXPECT_EQ(DetectDelimiter("single\n"), ',');
    const auto records = SplitRecords("a;\"b;c\";\"say \"\"hi\"\"\"\r\n\"two\r\nlines\";;x\n\nlast", ';');
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], (std::vector<std::string>{"a", "b;c", "say \"hi\""}));
    EXPECT_EQ(records[1], (std::vector<std::string>{"two\r\nlines", "", "x"}));
    EXPECT_EQ(records[2], (std::vector<std::string>{""}));
    EXPECT_EQ(records[3], (std::vector<std::string>{"last"}));
    EXPECT_EQ(SplitRecords("a,b\n", ',').size(), 1u) << "a line end at the end starts no record";
}

TEST_F(TextFiles, FilesAreTablesTypedByWhatTheirColumnsHold) {
    Write("parts.csv", "Part,Qty,Price,Delivered,Code\r\nbolt,12,0.25,2024-03-05,A1\r\n\"nut, M8\",3,1.5,2024-03-06 14:07,7\r\n");
    Write("notes.txt", "Note\n\"first\nsecond\"\n");
    Write("ignored.dat", "x\n1\n");
    const auto session = Open(TextConnect(dir.path().string()));
    const ResultSet tables = session->Tables();
    ASSERT_EQ(tables.RowCount(), 2u);
    EXPECT_EQ(Str(tables.At(0, 2)), L"notes#txt");
    EXPECT_EQ(Str(tables.At(1, 2)), L"parts#csv");

    const ResultSet rs = session->Query(L"SELECT * FROM `parts#csv` ORDER BY Qty", {});
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"Part", L"Qty", L"Price", L"Delivered", L"Code"}));
    ASSERT_EQ(rs.RowCount(), 2u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"nut, M8");
    ASSERT_EQ(rs.At(0, 1).vt, VT_I4);
    EXPECT_EQ(rs.At(0, 1).lVal, 3);
    ASSERT_EQ(rs.At(1, 2).vt, VT_R8);
    EXPECT_EQ(rs.At(1, 2).dblVal, 0.25);
    ASSERT_EQ(rs.At(1, 3).vt, VT_DATE);
    EXPECT_EQ(rs.At(1, 3).date, 45356.0);  // 5 March 2024
    EXPECT_DOUBLE_EQ(rs.At(0, 3).date, 45357.0 + (14 * 60 + 7) / 1440.0);
    EXPECT_EQ(Str(rs.At(0, 4)), L"7") << "a column of codes and numbers stays text";
    EXPECT_EQ(Str(session->Query(L"SELECT Note FROM [notes#txt]", {}).At(0, 0)), L"first\nsecond");
}

TEST_F(TextFiles, SchemaIniAndTheConnectStringSayHowAFileIsRead) {
    // Semicolons, detected; and a file whose first line is data, as schema.ini says.
    Write("semi.csv", "Part;Price\nbolt;0,25\n");
    Write("bare.csv", "1|bolt|2024-01-02\n2|nut|x\n");
    Write("Schema.ini", "[bare.csv]\nColNameHeader=False\nFormat=Delimited(|)\nCol1=Id Integer\nCol2=\"Part name\" Text\nCol3=Due Date\n");
    ResultSet rs = Table("semi#csv");
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"Part", L"Price"}));
    EXPECT_EQ(Str(rs.At(0, 1)), L"0,25");
    rs = Table("bare#csv");
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"Id", L"Part name", L"Due"}));
    ASSERT_EQ(rs.RowCount(), 2u);
    EXPECT_EQ(rs.At(1, 0).lVal, 2);
    EXPECT_EQ(Str(rs.At(1, 1)), L"nut");
    EXPECT_EQ(rs.At(0, 2).date, 45293.0);  // 2 January 2024
    EXPECT_EQ(rs.At(1, 2).vt, VT_NULL) << "a field that is no date in a Date column is Null, as the text driver gives it";

    // HDR=NO and FMT=Delimited(;) from the connect string.
    rs = Table("semi#csv", L"HDR=NO;FMT=Delimited(;);");
    EXPECT_EQ(Names(rs), (std::vector<std::wstring>{L"F1", L"F2"}));
    ASSERT_EQ(rs.RowCount(), 2u);
    EXPECT_EQ(Str(rs.At(0, 0)), L"Part");
}

TEST_F(TextFiles, AFileRewrittenInPlaceIsReadAgain) {
    Write("live.csv", "Qty\n1\n");
    const auto session = Open(TextConnect(dir.path().string()));
    EXPECT_EQ(session->Query(L"SELECT Qty FROM `live#csv`", {}).At(0, 0).lVal, 1);
    // Written in place, the same size: only the file's own time says it changed.
    struct timespec later[2] = {{0, UTIME_OMIT}, {0, 0}};
    Write("live.csv", "Qty\n2\n");
    ::clock_gettime(CLOCK_REALTIME, &later[1]);
    later[1].tv_sec += 2;
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "live.csv").c_str(), later, 0), 0);
    EXPECT_EQ(session->Query(L"SELECT Qty FROM `live#csv`", {}).At(0, 0).lVal, 2);
    EXPECT_NE(Failure([&] { Open(TextConnect(dir / "nowhere")); }).find(L"[Microsoft][ODBC Text Driver] Could not find file"), std::wstring::npos);
}

}  // namespace
