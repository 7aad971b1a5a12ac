// Access files of the kinds Access itself guards or hides: database passwords, encrypted ACE
// files, the hidden tables behind complex columns, and the types complex columns show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>

#include "ado/Ado.h"
#include "testing/TempDir.h"
#include "access/CatalogObjects.h"
#include "win/HostPath.h"
#include "text/Utf8.h"

namespace {

const std::wstring kCorpus = platform::FromUtf8(VELLORIA_TEST_DATA) + L"/access-corpus/";

std::wstring Odbc(const std::wstring& file, const std::wstring& password) {
    return L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + kCorpus + file + L";Uid=;Pwd=" + password + L";";
}

std::wstring Ace(const std::wstring& file, const std::wstring& password) {
    return L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + kCorpus + file + L";Jet OLEDB:Database Password=" + password + L";";
}

class AccessFileKinds : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    // Opens a connection; error gets the description of the error raised, or stays empty.
    static _ConnectionPtr Open(const std::wstring& connect, std::wstring& error) {
        _ConnectionPtr connection;
        EXPECT_EQ(connection.CreateInstance(CLSID_Connection), S_OK);
        error.clear();
        try {
            connection->Open(_bstr_t(connect.c_str()), _bstr_t(L""), _bstr_t(L""), 0);
        } catch (const _com_error& e) {
            error = static_cast<const wchar_t*>(e.Description());
        }
        return connection;
    }
    static std::wstring OpenError(const std::wstring& connect) {
        std::wstring error;
        Open(connect, error);
        return error;
    }
    static std::wstring TextOf(const _variant_t& v) { return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L""; }
    static std::vector<std::wstring> Column(const _ConnectionPtr& connection, const std::wstring& sql, const wchar_t* name) {
        _RecordsetPtr rs;
        EXPECT_EQ(rs.CreateInstance(CLSID_Recordset), S_OK);
        rs->PutCursorLocation(adUseClient);
        rs->Open(_variant_t(sql.c_str()), _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic, adCmdText);
        std::vector<std::wstring> values;
        for (; rs->GetadoEOF() != VARIANT_TRUE; rs->MoveNext()) {
            const _variant_t v = rs->GetFields()->GetItem(_variant_t(name))->GetValue();
            values.push_back(v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : v.vt == VT_NULL ? L"<null>" : L"<" + std::to_wstring(v.vt) + L">");
        }
        return values;
    }
};

}  // namespace

TEST_F(AccessFileKinds, AJet4DatabasePasswordIsCheckedAsAccessChecksIt) {
    for (const std::wstring file : {L"password_V2000_with-password.mdb", L"password_V2003_with-password.mdb"}) {
        SCOPED_TRACE(platform::ToUtf8(file));
        EXPECT_EQ(OpenError(Odbc(file, L"")), L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");
        // Letter case counts; the password given is never part of the message.
        const std::wstring wrong = OpenError(Odbc(file, L"Password"));
        EXPECT_EQ(wrong, L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");
        EXPECT_EQ(OpenError(Ace(file, L"secret-guess")), L"Not a valid password.");
        std::wstring error;
        const _ConnectionPtr connection = Open(Odbc(file, L"password"), error);
        ASSERT_EQ(error, L"");
        EXPECT_EQ(Column(connection, L"SELECT Data FROM Table1 ORDER BY ID", L"Data"), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
        ASSERT_EQ(OpenError(Ace(file, L"password")), L"");
    }
    // A database without a password opens with any.
    EXPECT_EQ(OpenError(Odbc(L"password_V2000_no-password.mdb", L"whatever")), L"");
    EXPECT_EQ(OpenError(Odbc(L"password_V1997_no-password.mdb", L"")), L"");
}

// An ACE file with a password is encrypted with one of the Office schemes; it opens with its
// password and gives the values an independent reader (mdb-reader, tests/data/access-expected)
// gives, and a wrong or missing password is refused in Access's words.
TEST_F(AccessFileKinds, EncryptedAceFilesOpenWithTheirPasswordOnly) {
    // Agile (AES-256, SHA-512) twice, and RC4 CryptoAPI with a 128-bit key.
    for (const std::wstring file : {L"password_V2010_with-password.accdb", L"encryption_office-agile-4.4.accdb", L"encryption_office-agile-4.2.accdb"}) {
        SCOPED_TRACE(platform::ToUtf8(file));
        std::wstring error;
        const _ConnectionPtr connection = Open(Odbc(file, L"password"), error);
        ASSERT_EQ(error, L"");
        EXPECT_EQ(Column(connection, L"SELECT Data FROM Table1 ORDER BY ID", L"Data"), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
        EXPECT_EQ(OpenError(Odbc(file, L"")), L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");
        EXPECT_EQ(OpenError(Odbc(file, L"Password")), L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");
        EXPECT_EQ(OpenError(Ace(file, L"passwort")), L"Not a valid password.");
        ASSERT_EQ(OpenError(Ace(file, L"password")), L"");
    }
    EXPECT_EQ(OpenError(Odbc(L"password_V2010_no-password.accdb", L"")), L"");
}

// Files of the Jackcess project's tests (tests/data/jackcess), with the values its own tests
// expect: RC4 CryptoAPI with a 40-bit key, agile encryption of Access 2013, and the AES scheme
// Access writes with the CryptoAPI flag but without the AES flag (no hash rounds).
TEST_F(AccessFileKinds, EveryOfficeSchemeAccessWritesOpens) {
    const std::wstring folder = platform::FromUtf8(VELLORIA_TEST_DATA) + L"/jackcess/";
    auto odbc = [&](const std::wstring& file, const std::wstring& password) {
        return L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + folder + file + L";Pwd=" + password + L";";
    };
    std::wstring error;
    _ConnectionPtr connection = Open(odbc(L"db2007-oldenc.accdb", L"Test123"), error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(Column(connection, L"SELECT Field1 FROM Table1", L"Field1"), std::vector<std::wstring>{L"foo"});
    EXPECT_EQ(OpenError(odbc(L"db2007-oldenc.accdb", L"WrongPassword")), L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");

    connection = Open(odbc(L"db2013-enc.accdb", L"1234"), error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(Column(connection, L"SELECT Field1 FROM Customers ORDER BY ID", L"Field1"),
              (std::vector<std::wstring>{L"Test", L"Test2", L"a", L"<null>", L"c", L"d", L"f"}));

    connection = Open(odbc(L"db-nonstandard.accdb", L"password"), error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(Column(connection, L"SELECT Field1 FROM Table_One ORDER BY ID", L"Field1"), std::vector<std::wstring>{L"test"});
    EXPECT_EQ(OpenError(odbc(L"db-nonstandard.accdb", L"WrongPassword")), L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");
}

// A scheme, or a part of one, that cannot be read is named; the file is never taken for a
// damaged one.
TEST_F(AccessFileKinds, AnEncryptionThatCannotBeReadIsNamed) {
    testing_support::TempDir dir;
    const std::string source = std::string(VELLORIA_TEST_DATA) + "/access-corpus/encryption_office-agile-4.4.accdb";
    std::string bytes = testing_support::ReadFile(source);
    auto writeCopy = [&](const std::string& name, const std::string& content) {
        testing_support::WriteFile(dir / name, content);
        return L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + platform::FromUtf8(dir / name) + L";Pwd=password;";
    };
    // Extensible encryption (version 4.3) runs code of a provider of its own.
    std::string extensible = bytes;
    extensible[0x29B + 2] = 3;
    std::wstring error = OpenError(writeCopy("extensible.accdb", extensible));
    EXPECT_NE(error.find(L"(Office extensible encryption); this kind of encryption is not supported."), std::wstring::npos)
        << platform::ToUtf8(error);
    // Agile encryption with a cipher other than AES.
    std::string des = bytes;
    const std::string aes = "cipherAlgorithm=\"AES\"";
    const size_t at = des.find(aes);
    ASSERT_NE(at, std::string::npos);
    des.replace(at, aes.size(), "cipherAlgorithm=\"DES\"");
    error = OpenError(writeCopy("des.accdb", des));
    EXPECT_NE(error.find(L"(Office agile encryption); the cipher DES is not supported."), std::wstring::npos) << platform::ToUtf8(error);
    EXPECT_EQ(error.find(L"repaired"), std::wstring::npos);
}

// The standard scheme (AES flag set, 50,000 rounds), of which no file from Access is at hand:
// tests/data/access-made holds a corpus file encrypted with it by a script of its own.
TEST_F(AccessFileKinds, TheStandardSchemeOpens) {
    const std::wstring file = platform::FromUtf8(VELLORIA_TEST_DATA) + L"/access-made/standard-encryption.accdb";
    auto odbc = [&](const std::wstring& password) { return L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + file + L";Pwd=" + password + L";"; };
    std::wstring error;
    const _ConnectionPtr connection = Open(odbc(L"password"), error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(Column(connection, L"SELECT Data FROM Table1 ORDER BY ID", L"Data"), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
    EXPECT_EQ(OpenError(odbc(L"")), L"[Microsoft][ODBC Microsoft Access Driver] Not a valid password.");
}

TEST_F(AccessFileKinds, ComplexColumnsShowTheirValuesAndTheirHiddenTablesAreSystemTables) {
    std::wstring error;
    const _ConnectionPtr connection = Open(Odbc(L"data_V2016_attachments.accdb", L""), error);
    ASSERT_EQ(error, L"");
    _RecordsetPtr schema = connection->OpenSchema(adSchemaTables, _variant_t(DISP_E_PARAMNOTFOUND, VT_ERROR), _variant_t(DISP_E_PARAMNOTFOUND, VT_ERROR));
    std::vector<std::wstring> tables, flat;
    for (; schema->GetadoEOF() != VARIANT_TRUE; schema->MoveNext()) {
        const std::wstring name = TextOf(schema->GetFields()->GetItem(_variant_t(L"TABLE_NAME"))->GetValue());
        const std::wstring type = TextOf(schema->GetFields()->GetItem(_variant_t(L"TABLE_TYPE"))->GetValue());
        if (type == L"TABLE") tables.push_back(name);
        if (name.rfind(L"f_", 0) == 0) flat.push_back(type);
    }
    EXPECT_EQ(tables, std::vector<std::wstring>{L"Table1"});
    EXPECT_EQ(flat, (std::vector<std::wstring>{L"SYSTEM TABLE", L"SYSTEM TABLE"}));
    EXPECT_EQ(Column(connection, L"SELECT Attachments FROM Table1 ORDER BY ID", L"Attachments"),
              (std::vector<std::wstring>{L"<null>", L"attachment1.txt", L"attachment1.txt, attachment2.txt, attachment3.txt"}));
    // The values are text: they compare and sort as text.
    EXPECT_EQ(Column(connection, L"SELECT Comment FROM Table1 WHERE Attachments LIKE '*attachment3*'", L"Comment"),
              std::vector<std::wstring>{L"3 Attachments"});
}

// Date/Time Extended (Access 2019) holds days and ten-millionths of a second; a field gives the
// date as a date value, its ticks dropped. The file's own Date/Time column and the text column
// Access wrote beside it hold the same dates.
TEST_F(AccessFileKinds, ExtendedDatesAreDatesWithoutTheirTicks) {
    const std::string source = std::string(VELLORIA_TEST_DATA) + "/jackcess/extDateTestV2019.accdb";
    auto odbc = [](const std::string& path) {
        return L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + platform::FromUtf8(path) + L";";
    };
    std::wstring error;
    const _ConnectionPtr connection = Open(odbc(source), error);
    ASSERT_EQ(error, L"");
    _RecordsetPtr rs;
    ASSERT_EQ(rs.CreateInstance(CLSID_Recordset), S_OK);
    rs->PutCursorLocation(adUseClient);
    rs->Open(_variant_t(L"SELECT ID, DateExt, DateNormal, DateExtStr FROM Table1 ORDER BY ID"),
             _variant_t(static_cast<IUnknown*>(connection.GetInterfacePtr())), adOpenStatic, adLockOptimistic, adCmdText);
    EXPECT_EQ(rs->GetFields()->GetItem(_variant_t(L"DateExt"))->GetType(), adDBTimeStamp);
    int dates = 0;
    for (; rs->GetadoEOF() != VARIANT_TRUE; rs->MoveNext()) {
        const _variant_t id = rs->GetFields()->GetItem(_variant_t(L"ID"))->GetValue();
        const _variant_t extended = rs->GetFields()->GetItem(_variant_t(L"DateExt"))->GetValue();
        const _variant_t normal = rs->GetFields()->GetItem(_variant_t(L"DateNormal"))->GetValue();
        SCOPED_TRACE(id.lVal);
        if (normal.vt == VT_NULL) {
            EXPECT_EQ(extended.vt, VT_NULL);
            continue;
        }
        ASSERT_EQ(extended.vt, VT_DATE);
        EXPECT_DOUBLE_EQ(extended.date, normal.date);
        ++dates;
    }
    EXPECT_EQ(dates, 8);
    // 10:45:12.3456789 PM: the seconds stay, the ticks go.
    EXPECT_EQ(Column(connection, L"SELECT DateExtStr FROM Table1 WHERE DateExt = #2021-06-14 22:45:12#", L"DateExtStr"),
              std::vector<std::wstring>{L"6/14/2021 10:45:12.3456789 PM"});
    EXPECT_EQ(Column(connection, L"SELECT Field1 FROM Table1 WHERE DateExt > #2021-06-14 12:00# ORDER BY DateExt", L"Field1"),
              (std::vector<std::wstring>{L"row3", L"row6"}));

    // A date before the year 100, which a date value cannot hold, comes as its text: the file's
    // 14 June 100 (day 36,323 after 1 January 1) made 14 June 50 (day 18,061).
    testing_support::TempDir dir;
    std::string bytes = testing_support::ReadFile(source);
    const std::string year100 = "0000000000000036323:";
    const size_t at = bytes.find(year100);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, year100.size(), "0000000000000018061:");
    testing_support::WriteFile(dir / "year50.accdb", bytes);
    const _ConnectionPtr early = Open(odbc(dir / "year50.accdb"), error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(Column(early, L"SELECT DateExt FROM Table1 WHERE ID = 8", L"DateExt"), std::vector<std::wstring>{L"50-06-14 12:45:00"});
}

// A linked table's file is found as a link in a drawing finds its database: relative paths from
// the linking file's folder, "..\" resolved, drive letters through VELLORIA_DRIVE_X.
TEST(LinkedTableFile, ResolvesAsDrawingLinksDo) {
    using platform::access::ResolveLinkedFile;
    EXPECT_EQ(ResolveLinkedFile(L"C:\\proj\\front.mdb", L"Z:\\data\\back.accdb"), L"Z:\\data\\back.accdb");
    EXPECT_EQ(ResolveLinkedFile(L"C:\\proj\\front.mdb", L"back.accdb"), L"C:\\proj\\back.accdb");
    EXPECT_EQ(ResolveLinkedFile(L"C:\\proj\\sub\\front.mdb", L"..\\data\\back.accdb"), L"C:\\proj\\data\\back.accdb");
    EXPECT_EQ(ResolveLinkedFile(L"/srv/proj/front.mdb", L"/srv/data/back.accdb"), L"/srv/data/back.accdb");
    ::setenv("VELLORIA_DRIVE_Z", "/srv/z", 1);
    EXPECT_EQ(platform::ToHostPath(ResolveLinkedFile(L"C:\\proj\\front.mdb", L"Z:\\data\\back.accdb")), "/srv/z/data/back.accdb");
    ::unsetenv("VELLORIA_DRIVE_Z");
}

// A link whose stored file (Z:\jackcess_test\linkeeTest.accdb) is not here is looked for where
// Access's linked table manager would offer it: beside the linking file first, then through
// the drive mapping; the tables schema names the file used. The linked file's row is the one
// mdb-export gives: 1, "bar".
TEST_F(AccessFileKinds, ALinkedTableIsFoundBesideItsDatabaseThenThroughTheDriveMapping) {
    testing_support::TempDir dir;
    const std::string folder = std::string(VELLORIA_TEST_DATA) + "/jackcess/";
    const std::string linker = testing_support::ReadFile(folder + "linkerTestV2007.accdb");
    const std::string linkee = testing_support::ReadFile(folder + "linkeeTest.accdb");
    ::mkdir((dir / "front").c_str(), 0700);
    ::mkdir((dir / "z").c_str(), 0700);
    ::mkdir((dir / "z/jackcess_test").c_str(), 0700);
    testing_support::WriteFile(dir / "front/linker.accdb", linker);
    const std::wstring connect = L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=" + platform::FromUtf8(dir / "front/linker.accdb") + L";";
    auto linkedFile = [](const _ConnectionPtr& connection) {
        _RecordsetPtr schema = connection->OpenSchema(adSchemaTables, _variant_t(DISP_E_PARAMNOTFOUND, VT_ERROR), _variant_t(DISP_E_PARAMNOTFOUND, VT_ERROR));
        for (; schema->GetadoEOF() != VARIANT_TRUE; schema->MoveNext())
            if (TextOf(schema->GetFields()->GetItem(_variant_t(L"TABLE_TYPE"))->GetValue()) == L"LINK")
                return TextOf(schema->GetFields()->GetItem(_variant_t(L"DESCRIPTION"))->GetValue());
        return std::wstring(L"no link");
    };
    auto rows = [](const _ConnectionPtr& connection) { return Column(connection, L"SELECT ID & ':' & Field1 AS R FROM Table2", L"R"); };

    // Nowhere: the error names the file as the link stores it.
    std::wstring error;
    _ConnectionPtr connection = Open(connect, error);
    ASSERT_EQ(error, L"");
    try {
        rows(connection);
        ADD_FAILURE() << "a missing linked file was read";
    } catch (const _com_error& e) {
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(e.Description())),
                  L"[Microsoft][ODBC Microsoft Access Driver] Could not find file 'Z:\\jackcess_test\\linkeeTest.accdb'.");
    }

    // Through the drive mapping.
    testing_support::WriteFile(dir / "z/jackcess_test/linkeeTest.accdb", linkee);
    ::setenv("VELLORIA_DRIVE_Z", (dir / "z").c_str(), 1);
    connection = Open(connect, error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(rows(connection), std::vector<std::wstring>{L"1:bar"});
    EXPECT_EQ(linkedFile(connection), L"Z:\\jackcess_test\\linkeeTest.accdb");

    // Beside the linking file comes first: a copy there with another value is the one read
    // (its row's text, stored compressed, made "car", as mdb-export reads the copy).
    std::string other = linkee;
    const size_t at = other.find("bar");
    ASSERT_NE(at, std::string::npos);
    other[at] = 'c';
    testing_support::WriteFile(dir / "front/linkeeTest.accdb", other);
    connection = Open(connect, error);
    ASSERT_EQ(error, L"");
    EXPECT_EQ(rows(connection), std::vector<std::wstring>{L"1:car"});
    EXPECT_EQ(linkedFile(connection), platform::FromUtf8(dir / "front/linkeeTest.accdb"));
    ::unsetenv("VELLORIA_DRIVE_Z");
}
