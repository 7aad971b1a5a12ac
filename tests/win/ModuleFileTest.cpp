#include <gtest/gtest.h>

#include <string>

#include "win/LastError.h"
#include "win/ModuleFile.h"
#include "runtime/ShellExecute.h"
#include "win/ShellPath.h"
#include "editor/Console.h"
#include "testing/TempDir.h"

namespace {

TEST(ModuleFileName, NullNamesTheExecutableAndAnAddressItsModule) {
    wchar_t buf[4096];
    DWORD n = GetModuleFileNameW(nullptr, buf, 4096);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(std::wstring(buf).size(), n);
    EXPECT_TRUE(std::wstring(buf).ends_with(L"/test_win")) << buf;

    n = GetModuleFileNameW(reinterpret_cast<HMODULE>(&PathFileExistsW), buf, 4096);
    ASSERT_GT(n, 0u);
    EXPECT_TRUE(std::wstring(buf).ends_with(L"/libvelloria_platform.so")) << buf;
    EXPECT_EQ(buf[0], L'/');
}

TEST(ModuleFileName, ShortBufferIsFilledAndReported) {
    wchar_t full[4096];
    DWORD length = GetModuleFileNameW(nullptr, full, 4096);
    ASSERT_GT(length, 5u);
    wchar_t small[5];
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(nullptr, small, 5), 5u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::wstring(small), std::wstring(full, 4));
}

class ShellOpen : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    platform::ScopedConsole console;
};

TEST_F(ShellOpen, HandsTheHostPathToTheOpener) {
    const std::string record = dir / "opened.txt";
    const std::string opener = dir / "opener.sh";
    testing_support::WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".tmp && mv " + record + ".tmp " + record + "\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    testing_support::WriteFile(dir / "help.chm", "x");
    testing_support::ScopedEnv env("VELLORIA_OPENER", opener);
    testing_support::ScopedEnv drive("VELLORIA_DRIVE_H", dir.path().string());

    auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", L"H:\\help.chm", nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_GT(result, 32);
    // The opener runs detached; give it a moment.
    for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) ::usleep(10000);
    EXPECT_EQ(testing_support::ReadFile(record), dir / "help.chm");
    EXPECT_EQ(console.Output(), "");
}

TEST_F(ShellOpen, MissingFileAndMissingOpenerAreReported) {
    testing_support::ScopedEnv env("VELLORIA_OPENER", std::nullopt);
    testing_support::ScopedEnv path("PATH", dir.path().string());
    auto missing = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", L"/nonexistent/Velloria.chm", nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_EQ(missing, SE_ERR_FNF);
    EXPECT_NE(console.Output().find("Cannot open /nonexistent/Velloria.chm"), std::string::npos);

    console.ClearOutput();
    auto noOpener = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", L"https://example.org/", nullptr, nullptr, SW_SHOWNORMAL));
    EXPECT_EQ(noOpener, SE_ERR_NOASSOC);
    EXPECT_NE(console.Output().find("Cannot open https://example.org/: no program to open it"), std::string::npos);
}

}  // namespace
