#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "win/RegistryData.h"
#include "win/RegistryStore.h"
#include "win/WinRegistry.h"
#include "testing/TempDir.h"

namespace {

class Registry : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    std::string file = dir / "cfg/registry.reg";
    testing_support::ScopedEnv env{"VELLORIA_REGISTRY", file};

    HKEY Create(const wchar_t* path, REGSAM access = KEY_READ | KEY_WRITE) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                                  &disposition),
                  ERROR_SUCCESS);
        return key;
    }
    static LONG SetDword(HKEY key, const wchar_t* name, DWORD value) {
        return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    static LONG SetString(HKEY key, const wchar_t* name, const std::wstring& text) {
        auto bytes = platform::RegistryStringBytes(text);
        return RegSetValueExW(key, name, 0, REG_SZ, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    std::vector<std::filesystem::path> FilesBeside() const {
        std::vector<std::filesystem::path> files;
        for (const auto& e : std::filesystem::directory_iterator(dir.path() / "cfg")) files.push_back(e.path());
        return files;
    }
};

TEST_F(Registry, ValuesSurviveInTheRegFileFormat) {
    HKEY key = Create(L"software\\Morvane\\Velloria");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(SetDword(key, L"ActiveMenu", 10), ERROR_SUCCESS);
    EXPECT_EQ(SetString(key, L"Path", L"C:\\db\\\"x\" \u00e4"), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    const std::string text = testing_support::ReadFile(file);
    EXPECT_TRUE(text.starts_with("Windows Registry Editor Version 5.00\n")) << text;
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n\"ActiveMenu\"=dword:0000000a\n"
                        "\"Path\"=\"C:\\\\db\\\\\\\"x\\\" \xc3\xa4\"\n"),
              std::string::npos)
        << text;

    // Key and value names are found without regard to case; the data comes back whole.
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\MORVANE\\velloria", 0, KEY_READ, &again), ERROR_SUCCESS);
    DWORD value = 0, type = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExW(again, L"activemenu", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
    EXPECT_EQ(value, 10u);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    wchar_t buf[64];
    size = sizeof buf;
    EXPECT_EQ(RegQueryValueExW(again, L"PATH", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_STREQ(buf, L"C:\\db\\\"x\" \u00e4");
    EXPECT_EQ(size, (std::wcslen(buf) + 1) * sizeof(wchar_t));
    RegCloseKey(again);
}

TEST_F(Registry, SizesFollowTheWindowsContract) {
    HKEY key = Create(L"software\\Morvane\\Velloria");
    ASSERT_EQ(SetString(key, L"Text", L"ab"), ERROR_SUCCESS);
    const DWORD needed = 3 * sizeof(wchar_t);

    DWORD small = 0, size = sizeof small;
    EXPECT_EQ(RegQueryValueExW(key, L"Text", nullptr, nullptr, reinterpret_cast<BYTE*>(&small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, needed);
    size = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Text", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, needed);
    EXPECT_EQ(RegQueryValueExW(key, L"Text", nullptr, nullptr, reinterpret_cast<BYTE*>(&small), nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(key, L"Absent", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);

    HKEY missing = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\Nobody", 0, KEY_READ, &missing), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetDword(key, L"X", 1), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, AccessAndDispositionAreKept) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\A", 0, nullptr, 0, KEY_READ, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(SetDword(key, L"X", 1), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\a", 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    DWORD size = 4;
    EXPECT_EQ(RegQueryValueExW(key, L"X", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
    // The first spelling of a key is the one kept.
    EXPECT_NE(testing_support::ReadFile(file).find("[HKEY_CURRENT_USER\\software\\A]"), std::string::npos);
}

TEST_F(Registry, ReadingCreatesNothing) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD size = 4;
    EXPECT_EQ(RegQueryValueExW(key, L"X", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "cfg"));
}

TEST_F(Registry, EnumAndDeleteValues) {
    HKEY key = Create(L"software\\Velloria Host\\Profile\\Menus");
    SetString(key, L"Velloria", L"/a/Velloria.cuix");
    SetString(key, L"Other", L"/b/Other.cuix");
    wchar_t name[8];
    DWORD nameLength = 3, type = 0;
    EXPECT_EQ(RegEnumValueW(key, 0, name, &nameLength, nullptr, &type, nullptr, nullptr), ERROR_MORE_DATA);
    EXPECT_EQ(nameLength, 9u);
    wchar_t longName[16];
    nameLength = 16;
    EXPECT_EQ(RegEnumValueW(key, 0, longName, &nameLength, nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(longName, L"Velloria");
    EXPECT_EQ(nameLength, 8u);
    nameLength = 8;
    EXPECT_EQ(RegEnumValueW(key, 1, name, &nameLength, nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, L"Other");
    nameLength = 8;
    EXPECT_EQ(RegEnumValueW(key, 2, name, &nameLength, nullptr, &type, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegDeleteValueW(key, L"VELLORIA"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, L"Velloria"), ERROR_FILE_NOT_FOUND);
    nameLength = 8;
    EXPECT_EQ(RegEnumValueW(key, 0, name, &nameLength, nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, L"Other");
    RegCloseKey(key);
}

TEST_F(Registry, DamagedFileIsKeptAsideAndTheRegistryStartsEmpty) {
    std::filesystem::create_directories(dir.path() / "cfg");
    const std::string garbage = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\software\\X]\n\"A\"=dword:zz\n";
    testing_support::WriteFile(file, garbage);

    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\X", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    std::vector<std::filesystem::path> aside;
    for (const auto& f : FilesBeside())
        if (f.filename().string().starts_with("registry.reg.damaged-")) aside.push_back(f);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(testing_support::ReadFile(aside[0].string()), garbage);
    EXPECT_FALSE(std::filesystem::exists(file));

    // Writing starts a sound file again; the kept copy stays.
    key = Create(L"software\\X");
    EXPECT_EQ(SetDword(key, L"A", 7), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(platform::RegistryData::Parse(testing_support::ReadFile(file)).has_value());
    EXPECT_TRUE(std::filesystem::exists(aside[0]));
}

TEST_F(Registry, WritesLeaveNoTemporaryFiles) {
    HKEY key = Create(L"software\\X");
    for (int i = 0; i < 5; ++i) SetDword(key, L"A", i);
    RegCloseKey(key);
    for (const auto& f : FilesBeside()) {
        auto name = f.filename().string();
        EXPECT_TRUE(name == "registry.reg" || name == "registry.reg.lock") << name;
    }
}

TEST_F(Registry, AWriteThatCannotBeStoredFailsAndLeavesTheFileAsItWas) {
    HKEY key = Create(L"software\\X");
    ASSERT_EQ(SetDword(key, L"A", 1), ERROR_SUCCESS);
    RegCloseKey(key);
    const std::string before = testing_support::ReadFile(file);
    // A file the user made read-only stays read-only and unchanged.
    ::chmod(file.c_str(), 0444);
    key = Create(L"software\\X");
    EXPECT_NE(SetDword(key, L"A", 2), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(testing_support::ReadFile(file), before);
    struct stat st{};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);

    // A folder or a FIFO where the file should be: refused at once, never waited on or replaced.
    for (const char* kind : {"folder", "fifo"}) {
        SCOPED_TRACE(kind);
        const std::string odd = dir / (std::string(kind) + ".reg");
        if (std::string(kind) == "folder") std::filesystem::create_directory(odd);
        else ASSERT_EQ(::mkfifo(odd.c_str(), 0600), 0);
        testing_support::ScopedEnv other{"VELLORIA_REGISTRY", odd};
        HKEY k = nullptr;
        DWORD disposition = 0;
        const LONG created = RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\Y", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &k, &disposition);
        if (created == ERROR_SUCCESS) {
            EXPECT_NE(SetDword(k, L"B", 1), ERROR_SUCCESS);
            RegCloseKey(k);
        }
        ASSERT_EQ(::stat(odd.c_str(), &st), 0);
        EXPECT_TRUE(std::string(kind) == "folder" ? S_ISDIR(st.st_mode) : S_ISFIFO(st.st_mode));
    }
}

TEST_F(Registry, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 25;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        if (children[c] == 0) {
            int failures = 0;
            for (int i = 0; i < kWrites; ++i) {
                HKEY key = nullptr;
                std::wstring name = L"w" + std::to_wstring(c) + L"_" + std::to_wstring(i);
                if (RegCreateKeyExW(HKEY_CURRENT_USER, L"software\\Race", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                    nullptr) != ERROR_SUCCESS) {
                    ++failures;
                    continue;
                }
                DWORD v = static_cast<DWORD>(i);
                if (RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&v), 4) != ERROR_SUCCESS)
                    ++failures;
                RegCloseKey(key);
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\Race", 0, KEY_READ, &key), ERROR_SUCCESS);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kWrites; ++i) {
            std::wstring name = L"w" + std::to_wstring(c) + L"_" + std::to_wstring(i);
            DWORD v = 99, size = 4;
            ASSERT_EQ(RegQueryValueExW(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&v), &size),
                      ERROR_SUCCESS)
                << name;
            EXPECT_EQ(v, static_cast<DWORD>(i));
        }
    RegCloseKey(key);
}

// The file is read once per change of it: an unchanged file is not opened again, however
// many values are asked for; a file another process replaced, or one edited in place (even
// at once, at the same size), is read again.
TEST_F(Registry, AnUnchangedFileIsReadOnceAndAChangedOneAgain) {
    std::filesystem::create_directories(dir.path() / "cfg");
    const auto settings = [](DWORD menu, const char* path) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\software\\Morvane\\Velloria]\n"
                      "\"ActiveMenu\"=dword:%08x\n\"Path\"=\"%s\"\n",
                      menu, path);
        return std::string(text);
    };
    testing_support::WriteFile(file, settings(1, "first"));
    // Saved a while ago, as a settings file usually is.
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) - std::chrono::minutes(1));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"software\\Morvane\\Velloria", 0, KEY_READ | KEY_WRITE, &key), ERROR_SUCCESS);
    const auto menu = [&key] {
        DWORD value = 0, size = sizeof value;
        EXPECT_EQ(RegQueryValueExW(key, L"ActiveMenu", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
        return value;
    };
    EXPECT_EQ(menu(), 1u);

    // Opens of the file (not of its lock beside it) from here on.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, file.c_str(), IN_OPEN), 0);
    const auto opens = [watch] {
        alignas(inotify_event) char events[4096];
        int n = 0;
        for (ssize_t got; (got = ::read(watch, events, sizeof events)) > 0;)
            for (ssize_t at = 0; at < got; at += static_cast<ssize_t>(sizeof(inotify_event)) + reinterpret_cast<inotify_event*>(events + at)->len)
                n += (reinterpret_cast<inotify_event*>(events + at)->mask & IN_OPEN) != 0;
        return n;
    };
    for (int i = 0; i < 50; ++i) EXPECT_EQ(menu(), 1u);
    wchar_t name[32];
    DWORD length = 32;
    EXPECT_EQ(RegEnumValueW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, L"Path");
    EXPECT_EQ(opens(), 0) << "an unchanged file was read again";

    // Another process's save: a new file renamed over the old one.
    testing_support::WriteFile(file + ".new", settings(2, "other"));
    ASSERT_EQ(::rename((file + ".new").c_str(), file.c_str()), 0);
    EXPECT_EQ(menu(), 2u);
    // Edits in place at the same size, one right after the other.
    for (const DWORD edited : {3u, 4u, 5u}) {
        testing_support::WriteFile(file, settings(edited, "inplace"));
        EXPECT_EQ(menu(), edited);
    }
    // Our own change is what the next read gets, without reading the file it wrote.
    ASSERT_EQ(SetDword(key, L"ActiveMenu", 6), ERROR_SUCCESS);
    ASSERT_GE(::inotify_add_watch(watch, file.c_str(), IN_OPEN), 0);
    opens();
    EXPECT_EQ(menu(), 6u);
    EXPECT_EQ(opens(), 0);
    ::close(watch);
    RegCloseKey(key);
}

TEST(RegistryText, ValuesAreFoundByNameWithoutRegardToCaseAndKeepTheirOrder) {
    platform::RegistryData data;
    platform::RegistryKey& key = data.Create(L"HKEY_CURRENT_USER\\Software\\Many");
    for (int i = 0; i < 1000; ++i) key.SetValue(L"Value" + std::to_wstring(i), REG_DWORD, {BYTE(i), 0, 0, 0});
    // Set again under another spelling: replaced where it stands, spelled as first stored.
    key.SetValue(L"VALUE10", REG_SZ, {7});
    ASSERT_EQ(key.Values().size(), 1000u);
    EXPECT_EQ(key.Values()[10].name, L"Value10");
    EXPECT_EQ(key.Values()[10].type, REG_SZ);
    // A value deleted from the middle: the ones after it move up and are still found.
    EXPECT_TRUE(key.DeleteValue(L"value500"));
    EXPECT_FALSE(key.DeleteValue(L"Value500"));
    EXPECT_EQ(key.FindValue(L"Value500"), nullptr);
    ASSERT_EQ(key.Values().size(), 999u);
    for (int i : {0, 499, 501, 999}) {
        const platform::RegistryValue* v = key.FindValue(L"vALUE" + std::to_wstring(i));
        ASSERT_NE(v, nullptr) << i;
        EXPECT_EQ(v->name, L"Value" + std::to_wstring(i));
        EXPECT_EQ(v->data[0], BYTE(i));
        EXPECT_EQ(v - key.Values().data(), i < 500 ? i : i - 1);
    }
    key.SetValue(L"Value500", REG_DWORD, {1, 2, 3, 4});
    EXPECT_EQ(key.Values().back().name, L"Value500");
    // The text form keeps the order; read back, the same values are found.
    const auto again = platform::RegistryData::Parse(data.Serialize());
    ASSERT_TRUE(again);
    const platform::RegistryKey* read = again->Find(L"hkey_current_user\\software\\many");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Values().size(), 1000u);
    EXPECT_EQ(read->FindValue(L"value500")->data, (std::vector<BYTE>{1, 2, 3, 4}));
    EXPECT_EQ(again->Serialize(), data.Serialize());
}

TEST(RegistryText, ParsesWhatTheRegistryEditorWrites) {
    const std::string text =
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
        "; exported\r\n"
        "[HKEY_CURRENT_USER\\Software\\Morvane\\Velloria]\r\n"
        "@=\"default\"\r\n"
        "\"Bin\"=hex:01,02,\\\r\n"
        "  03\r\n"
        "\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
        "\"Gone\"=dword:00000001\r\n"
        "\"Gone\"=-\r\n"
        "[-HKEY_CURRENT_USER\\Software\\Old]\r\n";
    auto data = platform::RegistryData::Parse(text);
    ASSERT_TRUE(data.has_value());
    platform::RegistryKey* key = data->Find(L"hkey_current_user\\software\\morvane\\velloria");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->Values().size(), 3u);
    EXPECT_EQ(key->Values()[0].name, L"");
    EXPECT_EQ(key->Values()[0].type, REG_SZ);
    EXPECT_EQ(key->Values()[1].type, REG_BINARY);
    EXPECT_EQ(key->Values()[1].data, (std::vector<BYTE>{1, 2, 3}));
    EXPECT_EQ(key->Values()[2].type, REG_QWORD);
    // Written back and read again, nothing changes.
    auto again = platform::RegistryData::Parse(data->Serialize());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->Serialize(), data->Serialize());

    // A file saved as UTF-16 by the Windows editor reads too.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\U]\r\n\"A\"=dword:00000002\r\n")) {
        utf16.push_back(c);
        utf16.push_back('\0');
    }
    auto wide = platform::RegistryData::Parse(utf16);
    ASSERT_TRUE(wide.has_value());
    EXPECT_NE(wide->Find(L"HKEY_CURRENT_USER\\Software\\U"), nullptr);
}

TEST(RegistryText, RejectsDamage) {
    using namespace std::string_view_literals;
    const std::string_view damaged[] = {
        "not a registry file\n"sv,
        "Windows Registry Editor Version 5.00\n\"A\"=dword:00000001\n"sv,             // value outside a key
        "Windows Registry Editor Version 5.00\n[HKEY_NOWHERE\\x]\n"sv,                 // unknown root
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\x\n"sv,             // unterminated key
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\x]\n\"A\"=\"open\n"sv,  // unterminated string
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\x]\n\"A\"=dword:1\n"sv,  // short dword
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\x]\n\"A\"=hex:1g\n"sv,
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\x]\n\"A\" dword:00000001\n"sv,
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\x]\n\"A\"=hex:01,\\\n"sv,
        "Windows Registry Editor Version 5.00\n\0\0\0"sv,
    };
    for (std::string_view text : damaged) {
        std::string error;
        EXPECT_FALSE(platform::RegistryData::Parse(text, &error).has_value()) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    EXPECT_TRUE(platform::RegistryData::Parse("").has_value());
}

}  // namespace
