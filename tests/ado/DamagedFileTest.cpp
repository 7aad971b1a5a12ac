// Damaged copies of the real files: truncated, bytes flipped in the header, catalogue and
// data pages, whole pages overwritten. Opening and reading every table of each copy must end
// within the reader's time limit, with the rows or with the component's error; never a crash
// or a hang of this process.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
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
