// A statement's limits hold for everything it does, not only for the rows it returns: text
// that functions build, patterns that take long to match, sorts and temporary tables, the
// cells of its result, and the user's break. Each stopped statement fails whole, with the
// limit named; within the limits the same statements give their values.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ado/Ado.h"
#include "testing/NwindConnection.h"
#include "text/Utf8.h"

namespace {

// Bytes this process has handed to write(2) and its kin so far: a statement that spills to
// temporary files writes them.
long long BytesWritten() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "wchar:") return value;
    return -1;
}

// 'aaaaaaaaaa' with each a replaced by ten a, depth times over: a text of 10^(depth+1) a.
std::wstring Grown(int depth) {
    std::wstring e = L"'aaaaaaaaaa'";
    for (int i = 0; i < depth; ++i) e = L"Replace(" + e + L", 'a', 'aaaaaaaaaa')";
    return e;
}

class StatementLimits : public testing_support::NwindConnection {
protected:
    struct Outcome {
        HRESULT error = S_OK;
        std::string text;  // the error's description, or the first value of the first row
    };
    Outcome Run(const std::wstring& sql) {
        Outcome outcome;
        try {
            _RecordsetPtr rs = Open(sql);
            if (!rs->GetadoEOF()) {
                const _variant_t v = rs->GetFields()->GetItem(_variant_t(0L))->GetValue();
                if (v.vt == VT_I4) outcome.text = std::to_string(v.lVal);
                else if (v.vt == VT_I8) outcome.text = std::to_string(v.llVal);
                else if (v.vt == VT_BSTR) outcome.text = platform::ToUtf8(v.bstrVal ? v.bstrVal : L"");
                else outcome.text = "a value of type " + std::to_string(v.vt);
            }
        } catch (const _com_error& e) {
            outcome.error = e.Error();
            outcome.text = DescriptionOf(e);
        }
        return outcome;
    }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST_F(StatementLimits, TextThatFunctionsBuildCountsAgainstTheMemoryLimit) {
    m_connection->PutResultMemoryLimit(8LL << 20);
    // Within the limit the functions give their values.
    EXPECT_EQ(Run(L"SELECT Len(" + Grown(3) + L") FROM Shippers WHERE ShipperID = 1").text, "10000");
    // Ten million characters inside one row of a one-number result: Replace grows past the
    // limit as it works.
    const Outcome replaced = Run(L"SELECT Len(" + Grown(6) + L") FROM Shippers WHERE ShipperID = 1");
    EXPECT_EQ(replaced.error, DB_E_ABORTLIMITREACHED) << replaced.text;
    EXPECT_TRUE(Has(replaced.text, "passes its memory limit of 8 MB")) << replaced.text;
    // Joined texts: each part within the limit, the whole past it; & and + alike.
    const std::wstring part = Grown(5);  // a million characters
    for (const wchar_t* join : {L" & ", L" + "}) {
        std::wstring whole = part;
        for (int i = 0; i < 9; ++i) whole += join + part;
        const Outcome joined = Run(L"SELECT Len(" + whole + L") FROM Shippers WHERE ShipperID = 1");
        EXPECT_EQ(joined.error, DB_E_ABORTLIMITREACHED) << platform::ToUtf8(join) << joined.text;
        EXPECT_TRUE(Has(joined.text, "passes its memory limit of 8 MB")) << joined.text;
    }
    EXPECT_EQ(Run(L"SELECT Len(" + part + L" & " + part + L") FROM Shippers WHERE ShipperID = 1").text, "2000000");
}

TEST_F(StatementLimits, APatternThatTakesLongToMatchStopsAtTheTimeLimit) {
    m_connection->PutCommandTimeout(1);
    // Every * may stand for any run of the a: the matches to try grow as a power of the text.
    const std::wstring text(50, L'a');
    const Outcome like = Run(L"SELECT COUNT(*) FROM Shippers WHERE '" + text + L"' LIKE '*a*a*a*a*a*a*a*b'");
    EXPECT_EQ(like.error, DB_E_ABORTLIMITREACHED) << like.text;
    EXPECT_TRUE(Has(like.text, "Query timeout expired")) << like.text;
    EXPECT_EQ(Run(L"SELECT COUNT(*) FROM Shippers WHERE CompanyName LIKE '*e*s*'").text, "2");
}

TEST_F(StatementLimits, SortsStayInMemoryAndStopAtTheMemoryLimit) {
    // A million and a half distinct rows kept to be counted: SQLite would keep them in
    // temporary files, which nothing bounds.
    const std::wstring distinct = L"SELECT COUNT(*) FROM (SELECT DISTINCT a.OrderID, b.OrderID, a.Quantity FROM [Order Details] a, Orders b)";
    m_connection->PutResultMemoryLimit(8LL << 20);
    long long before = BytesWritten();
    ASSERT_GE(before, 0);
    const Outcome stopped = Run(distinct);
    EXPECT_EQ(stopped.error, DB_E_ABORTLIMITREACHED) << stopped.text;
    EXPECT_TRUE(Has(stopped.text, "What the query builds or sorts passes its memory limit of 8 MB")) << stopped.text;
    EXPECT_LT(BytesWritten() - before, 1 << 20);

    m_connection->PutResultMemoryLimit(512LL << 20);
    before = BytesWritten();
    const Outcome counted = Run(distinct);
    EXPECT_EQ(counted.error, S_OK) << counted.text;
    EXPECT_GT(std::stoll(counted.text.empty() ? "0" : counted.text), 1000000);
    EXPECT_LT(BytesWritten() - before, 1 << 20);  // sorted in memory, no file written
}

TEST_F(StatementLimits, AResultPastTheCellsOfOneTableIsRefusedWhole) {
    m_connection->PutCellLimit(100);
    EXPECT_EQ(Run(L"SELECT * FROM Shippers").error, S_OK);  // 9 cells
    const Outcome many = Run(L"SELECT * FROM Orders");  // 14 columns
    EXPECT_EQ(many.error, DB_E_ABORTLIMITREACHED);
    EXPECT_TRUE(Has(many.text, "more than 100 cells (rows times columns)")) << many.text;
    const Outcome wide = Run(L"SELECT a.*, b.* FROM Orders a, Orders b");
    EXPECT_EQ(wide.error, DB_E_ABORTLIMITREACHED) << wide.text;
}

TEST_F(StatementLimits, TheUsersBreakStopsTheStatementOrTheReadOfTheFile) {
    ASSERT_EQ(Run(L"SELECT COUNT(*) FROM [Order Details]").error, S_OK);  // read from the file now
    int asked = 0;
    m_connection->PutCancelCheck([&asked] { return ++asked >= 3; });
    const Outcome cancelled = Run(L"SELECT COUNT(*) FROM [Order Details] a, [Order Details] b, [Order Details] c");
    EXPECT_EQ(cancelled.error, DB_E_CANCELED) << cancelled.text;
    EXPECT_EQ(asked, 3);
    // A table not read yet: the break stops the reading of the file.
    asked = 0;
    m_connection->PutCancelCheck([&asked] { return ++asked >= 1; });
    EXPECT_EQ(Run(L"SELECT COUNT(*) FROM Orders").error, DB_E_CANCELED);
    EXPECT_EQ(asked, 1);
    // The connection serves the next statement, and the table is read whole.
    m_connection->PutCancelCheck({});
    EXPECT_EQ(Run(L"SELECT COUNT(*) FROM Orders").text, "830");
}
