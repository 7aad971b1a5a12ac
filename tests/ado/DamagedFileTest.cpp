// Damaged copies of the real files: truncated, bytes flipped in the header, catalogue and
// data pages, whole pages overwritten. Opening and reading every table of each copy must end
// within the reader's time limit, with the rows or with the component's error; never a crash
// or a hang of this process.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ado/Ado.h"
#include "access/MdbReader.h"
#include "text/Utf8.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Damage {
    std::string name;
    std::string bytes;
};

std::vector<Damage> MakeCorpus(const std::string& original, long pageSize, unsigned seed) {
    std::vector<Damage> corpus;
    std::mt19937 random(seed);
    const long pages = static_cast<long>(original.size()) / pageSize;
    // Truncated at page boundaries and inside pages.
    for (long cut : {0L, 100L, pageSize, 2 * pageSize + 17, pages / 2 * pageSize, pages * pageSize - 1000})
        if (cut < static_cast<long>(original.size())) corpus.push_back({"truncated at " + std::to_string(cut), original.substr(0, static_cast<size_t>(cut))});
    // Flipped bytes in the header page, the catalogue pages and data pages.
    for (long page : {0L, 1L, 2L, 4L, pages / 3, pages / 2, pages - 2}) {
        for (int round = 0; round < 1; ++round) {
            std::string bytes = original;
            for (int k = 0; k < 24; ++k) {
                const long at = page * pageSize + static_cast<long>(random() % static_cast<unsigned>(pageSize));
                bytes[static_cast<size_t>(at)] = static_cast<char>(bytes[static_cast<size_t>(at)] ^ (1 << (random() % 8)));
            }
            corpus.push_back({"bytes flipped in page " + std::to_string(page), std::move(bytes)});
        }
    }
    // Whole pages overwritten: zeros, 0xFF, noise, and a copy of another page (chains that
    // point back into themselves).
    for (long page : {1L, 2L, pages / 4, pages / 2}) {
        std::string zeros = original, ones = original, noise = original, copy = original;
        for (long i = 0; i < pageSize; ++i) {
            const size_t at = static_cast<size_t>(page * pageSize + i);
            zeros[at] = 0;
            ones[at] = static_cast<char>(0xFF);
            noise[at] = static_cast<char>(random());
            copy[at] = original[static_cast<size_t>(((page + 1) % pages) * pageSize + i)];
        }
        corpus.push_back({"page zeroed " + std::to_string(page), std::move(zeros)});
        corpus.push_back({"page filled " + std::to_string(page), std::move(ones)});
        corpus.push_back({"page noise " + std::to_string(page), std::move(noise)});
        corpus.push_back({"page copied " + std::to_string(page), std::move(copy)});
    }
    return corpus;
}

class DamagedFiles : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        m_savedLimit = platform::mdb::TimeLimit();
        platform::mdb::SetTimeLimit(std::chrono::milliseconds(100));
        char pattern[] = "/tmp/velloria-damaged-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        platform::mdb::SetTimeLimit(m_savedLimit);
        std::filesystem::remove_all(m_folder);
        CoUninitialize();
    }

    std::chrono::milliseconds m_savedLimit{};
    std::string m_folder;
};

}  // namespace

TEST_P(DamagedFiles, NeitherCrashNorHang) {
    const std::string original = ReadFile(std::string(VELLORIA_TEST_DATA) + "/" + GetParam());
    ASSERT_GT(original.size(), 8192u);
    const long pageSize = original[0x14] == 0 ? 2048 : 4096;  // Jet 3 pages are 2 KB
    const auto corpus = MakeCorpus(original, pageSize, 20261208);
    // The larger file takes every other copy, to keep the suite to seconds.
    const size_t step = original.size() > 1000000 ? 2 : 1;
    int opened = 0, refused = 0;
    for (size_t n = 0; n < corpus.size(); n += step) {
        const Damage& damage = corpus[n];
        SCOPED_TRACE(damage.name);
        const std::string path = m_folder + "/copy" + std::to_string(n) + ".mdb";
        std::ofstream(path, std::ios::binary).write(damage.bytes.data(), static_cast<std::streamsize>(damage.bytes.size()));
        const auto start = std::chrono::steady_clock::now();
        try {
            _ConnectionPtr connection;
            connection.CreateInstance(CLSID_Connection);
            connection->Open(_bstr_t(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + platform::FromUtf8(path) + L";"), _bstr_t(L""), _bstr_t(L""), 0);
            ++opened;
            _RecordsetPtr schema = connection->OpenSchema(adSchemaTables, _variant_t::Missing(), _variant_t::Missing());
            for (schema->MoveFirst(); !schema->GetadoEOF(); schema->MoveNext()) {
                const _variant_t name = schema->GetFields()->GetItem(_variant_t(L"TABLE_NAME"))->GetValue();
                const _variant_t type = schema->GetFields()->GetItem(_variant_t(L"TABLE_TYPE"))->GetValue();
                if (std::wstring(type.bstrVal) != L"TABLE") continue;
                _RecordsetPtr rows;
                rows.CreateInstance(CLSID_Recordset);
                try {
                    rows->Open(_variant_t((L"SELECT * FROM [" + std::wstring(name.bstrVal) + L"]").c_str()), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())),
                               adOpenStatic, adLockOptimistic, adCmdText);
                    for (rows->MoveFirst(); !rows->GetadoEOF(); rows->MoveNext())
                        for (long c = 0; c < rows->GetFields()->GetCount(); ++c) rows->GetFields()->GetItem(_variant_t(c))->GetValue();
                } catch (const _com_error& e) {
                    EXPECT_TRUE(e.Error() == E_FAIL || e.Error() == DB_E_ERRORSINCOMMAND || e.Error() == DB_E_NOTABLE) << std::hex << e.Error();
                }
            }
        } catch (const _com_error& e) {
            ++refused;
            EXPECT_EQ(e.Error(), E_FAIL);
            EXPECT_EQ(std::wstring(e.Source()), L"Microsoft Access Database Engine");
        }
        // Each read may use the time limit once before it is stopped; a file has a few dozen.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(opened, 0);
}

INSTANTIATE_TEST_SUITE_P(AccessFiles, DamagedFiles, ::testing::Values("ASampleDatabase.accdb", "nwind.mdb"));

// A data page whose row table points one row outside the page: the table's other rows still
// read, but the table is reported as damaged with the count instead of coming back short.
TEST_F(DamagedFiles, RowsOfADamagedPageAreCountedNotDropped) {
    // This file is damaged in one row only and reads quickly; the short limit the damaged copies
    // use would fail a slow machine's read of the whole table instead of finding the damage.
    platform::mdb::SetTimeLimit(m_savedLimit);
    std::string bytes = ReadFile(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb");
    const bool jet3 = bytes.at(0x14) == 0;  // this copy of Northwind is a Jet 3 file
    const size_t kPage = jet3 ? 2048 : 4096, kRowCountAt = jet3 ? 0x08 : 0x0C;
    const size_t found = bytes.find("Maria Anders");  // a contact of Customers only, in compressed text
    ASSERT_NE(found, std::string::npos);
    const size_t page = found / kPage * kPage;
    ASSERT_EQ(bytes[page], 0x01);  // a data page
    auto u16 = [&](size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8)); };
    const unsigned rows = u16(page + kRowCountAt);
    ASSERT_GE(rows, 3u);
    // Row 2 starts past the end of row 1: the row table is inconsistent for that row alone.
    const unsigned previous = u16(page + kRowCountAt + 2 + 2) & 0x1FFF;
    const unsigned bad = previous + 1;
    bytes[page + kRowCountAt + 2 + 4] = static_cast<char>(bad & 0xFF);
    bytes[page + kRowCountAt + 2 + 5] = static_cast<char>(bad >> 8);
    const std::string path = m_folder + "/one-bad-row.mdb";
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    _ConnectionPtr connection;
    connection.CreateInstance(CLSID_Connection);
    connection->Open(_bstr_t(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + platform::FromUtf8(path) + L";"), _bstr_t(L""), _bstr_t(L""), 0);
    auto count = [&](const wchar_t* sql) {
        _RecordsetPtr rs;
        rs.CreateInstance(CLSID_Recordset);
        rs->PutCursorLocation(adUseClient);
        rs->Open(_variant_t(sql), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic, adCmdText);
        return rs->GetRecordCount();
    };
    EXPECT_EQ(count(L"SELECT * FROM Orders"), 830);
    try {
        count(L"SELECT * FROM Customers");
        ADD_FAILURE() << "the table read without its damaged row";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(std::wstring(e.Description()), L"The table 'Customers' cannot be read whole: 1 of its rows lies on damaged pages. The database '" +
                                                     platform::FromUtf8(path) + L"' needs to be repaired.");
    }
}

namespace {

// The rows of a table as mdb-export (mdbtools) reads them from a file: an independent count
// of what is left. The tables counted here hold no line ends in their values; libmdb prints
// blank lines of its own about a damaged file, which are not rows.
long ExportedRows(const std::string& path, const char* table) {
    std::string out;
    if (FILE* pipe = ::popen(("mdb-export '" + path + "' '" + table + "' 2>/dev/null").c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    long lines = 0;
    for (size_t start = 0, end; start < out.size(); start = end + 1) {
        end = out.find('\n', start);
        if (end == std::string::npos) end = out.size();
        if (out.find_first_not_of(" \t\r", start) < end) ++lines;
    }
    return lines - 1;  // less the heading line
}

std::wstring ReadError(const std::string& path, const wchar_t* sql) {
    _ConnectionPtr connection;
    connection.CreateInstance(CLSID_Connection);
    connection->Open(_bstr_t(L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + platform::FromUtf8(path) + L";"), _bstr_t(L""), _bstr_t(L""), 0);
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(CLSID_Recordset);
        rs->PutCursorLocation(adUseClient);
        rs->Open(_variant_t(sql), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic, adCmdText);
        return L"read " + std::to_wstring(rs->GetRecordCount()) + L" rows";
    } catch (const _com_error& e) {
        return e.Description() ? std::wstring(e.Description()) : std::wstring(L"an error without a description");
    }
}

}  // namespace

// A data page of Order Details that the table's usage map lists but that no longer gives its
// rows (its type byte cleared, zeroed, handed to another table, its row count cleared), and a
// file cut off before the data page of Shippers: the rows the table's definition counts and
// no page gave are reported, never left out. mdb-export reads the same copies short.
TEST_F(DamagedFiles, RowsOfPagesThatNoLongerGiveThemAreCounted) {
    platform::mdb::SetTimeLimit(m_savedLimit);
    const std::string original = ReadFile(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb");
    ASSERT_EQ(original.at(0x14), 0);  // Jet 3: pages of 2 KB, the row count at 0x08
    const size_t kPage = 2048, kAt = 860160;
    ASSERT_EQ(original.at(kAt), 0x01) << "page 420 is a data page of Order Details";
    auto u32 = [](const std::string& b, size_t at) {
        std::uint32_t v;
        std::memcpy(&v, b.data() + at, 4);
        return v;
    };
    // Another table's definition page, from the first data page that belongs to another table.
    std::uint32_t otherTable = 0;
    for (size_t page = 0; page < original.size() / kPage && !otherTable; ++page)
        if (original[page * kPage] == 0x01 && u32(original, page * kPage + 4) != u32(original, kAt + 4)) otherTable = u32(original, page * kPage + 4);
    ASSERT_NE(otherTable, 0u);
    const long total = ExportedRows(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", "Order Details");
    ASSERT_GT(total, 2000) << "mdb-export (mdbtools, installed by scripts/setup.sh) reads the table";

    struct Case {
        const char* name;
        std::string bytes;
    };
    std::vector<Case> cases;
    auto damaged = [&](const char* name, auto change) {
        std::string bytes = original;
        change(bytes);
        cases.push_back({name, std::move(bytes)});
    };
    damaged("type byte 0", [&](std::string& b) { b[kAt] = 0; });
    damaged("zeroed", [&](std::string& b) { std::fill_n(b.begin() + kAt, kPage, '\0'); });
    damaged("another table's", [&](std::string& b) { std::memcpy(b.data() + kAt + 4, &otherTable, 4); });
    damaged("row count 0", [&](std::string& b) { b[kAt + 8] = b[kAt + 9] = 0; });
    // The rows of the page, as mdb-export misses them where the page is skipped whole (it still
    // reads a first row from a page whose count says it has none).
    long onPage = -1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_folder + "/order-details.mdb";
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(c.bytes.data(), static_cast<std::streamsize>(c.bytes.size()));
        const long left = ExportedRows(path, "Order Details");
        ASSERT_LT(left, total);
        if (onPage < 0) onPage = total - left;
        const std::wstring expected = L"The table 'Order Details' cannot be read whole: " + std::to_wstring(onPage) +
                                      L" of its rows lie on damaged pages. The database '" + platform::FromUtf8(path) + L"' needs to be repaired.";
        EXPECT_EQ(ReadError(path, L"SELECT * FROM [Order Details]"), expected);
        EXPECT_EQ(ReadError(path, L"SELECT Count(*) FROM [Order Details]"), expected);
        EXPECT_EQ(ReadError(path, L"SELECT * FROM Orders"), L"read 830 rows");
    }

    const size_t shippers = original.find("Speedy Express");
    ASSERT_NE(shippers, std::string::npos);
    const std::string path = m_folder + "/cut.mdb";
    std::ofstream(path, std::ios::binary).write(original.data(), static_cast<std::streamsize>(shippers / kPage * kPage));
    const long shippersRows = ExportedRows(std::string(VELLORIA_TEST_DATA) + "/nwind.mdb", "Shippers");
    ASSERT_GT(shippersRows, 0);
    ASSERT_EQ(ExportedRows(path, "Shippers"), 0);
    EXPECT_EQ(ReadError(path, L"SELECT * FROM Shippers"),
              L"The table 'Shippers' cannot be read whole: " + std::to_wstring(shippersRows) + L" of its rows lie on damaged pages. The database '" + platform::FromUtf8(path) +
                  L"' needs to be repaired.");
}
