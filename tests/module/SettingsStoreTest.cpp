#include <gtest/gtest.h>

#include "win/RegistryData.h"
#include "support/Registry.h"
#include "testing/TempDir.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane"); }
    void TearDown() override { CRegistry::SetRoot(nullptr, L""); }

    // Stores a raw value the way another program might have.
    void StoreRaw(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
        HKEY key = CRegistry::GetSectionKey(L"Velloria");
        ASSERT_NE(key, nullptr);
        ASSERT_EQ(RegSetValueExW(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    std::string Stored() const { return testing_support::ReadFile(file); }

    testing_support::TempDir dir;
    std::string file = dir / "registry.reg";
    testing_support::ScopedEnv env{"VELLORIA_REGISTRY", file};
};

TEST_F(SettingsStore, WithoutACompanyNothingIsReadOrCreated) {
    for (HKEY root : {static_cast<HKEY>(nullptr), HKEY_CURRENT_USER}) {
        CRegistry::SetRoot(root, L"");
        EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Inc Header", 1), 1);
        EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0), 0);
        EXPECT_FALSE(CRegistry::WriteProfileInt(L"Velloria", L"AutoUpdate", 1));
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(SettingsStore, AbsentValuesGiveTheDefaultAndLeaveTheKeyPath) {
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Inc Header", 1), 1);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0), 0);
    EXPECT_NE(Stored().find("[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]"), std::string::npos) << Stored();
}

TEST_F(SettingsStore, WrittenValuesAreDwordsReadBackAtOnce) {
    EXPECT_TRUE(CRegistry::WriteProfileInt(L"Velloria", L"AutoUpdate", 1));
    EXPECT_NE(Stored().find("\"AutoUpdate\"=dword:00000001"), std::string::npos);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0), 1);
    EXPECT_TRUE(CRegistry::WriteProfileInt(L"Velloria", L"Connect String Index", -2));
    EXPECT_NE(Stored().find("\"Connect String Index\"=dword:fffffffe"), std::string::npos);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Connect String Index", 0), -2);
    // Nothing is cached: a change made behind the store is seen by the next read.
    StoreRaw(L"AutoUpdate", REG_DWORD, {0, 0, 0, 0});
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 1), 0);
}

TEST_F(SettingsStore, ValuesThatDoNotFitFourBytesGiveTheDefault) {
    StoreRaw(L"Two", REG_SZ, platform::RegistryStringBytes(L"ab"));
    StoreRaw(L"One", REG_SZ, platform::RegistryStringBytes(L"a"));  // a character and its null: 8 bytes
    StoreRaw(L"Bytes", REG_BINARY, {0x34, 0x12});
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Two", 5), 5);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"One", 5), 5);
    // A shorter value of another type yields its bytes.
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Bytes", 5), 0x1234);
}

TEST_F(SettingsStore, SectionAndCompanyKeys) {
    HKEY company = CRegistry::GetSectionKey(L"");
    ASSERT_NE(company, nullptr);
    DWORD v = 3;
    EXPECT_EQ(RegSetValueExW(company, L"Top", 0, REG_DWORD, reinterpret_cast<BYTE*>(&v), 4), ERROR_SUCCESS);
    RegCloseKey(company);
    EXPECT_EQ(CRegistry::GetProfileInt(L"", L"Top", 0), 3);
    EXPECT_NE(Stored().find("[HKEY_CURRENT_USER\\software\\Morvane]\n\"Top\"=dword:00000003"), std::string::npos);

    CRegistry::SetRoot(reinterpret_cast<HKEY>(std::uintptr_t(0x1234)), L"Morvane");  // not a key
    EXPECT_EQ(CRegistry::GetAppKey(), nullptr);
    EXPECT_EQ(CRegistry::GetProfileInt(L"Velloria", L"Top", 9), 9);
    EXPECT_FALSE(CRegistry::WriteProfileInt(L"Velloria", L"Top", 1));
}

}  // namespace
