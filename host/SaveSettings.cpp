// ISAVEBAK and FILEDIA: settings of the profile, each 0 or 1, on unless 0.
#include "SaveSettings.h"

#include <string>

#include "editor/Console.h"
#include "HostCommands.h"
#include "text/Utf8.h"
#include "win/WinRegistry.h"

namespace {

constexpr const wchar_t* kProfileKey = L"software\\Velloria Host\\Profile";
constexpr const wchar_t* kBackupValue = L"ISAVEBAK";
constexpr const wchar_t* kFileDialogValue = L"FILEDIA";

bool Flag(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProfileKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
    DWORD value = 1, type = 0, size = sizeof value;
    const LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    return result != ERROR_SUCCESS || type != REG_DWORD || value != 0;
}

bool SetFlag(const wchar_t* name, bool on) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kProfileKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = on ? 1 : 0;
    const LONG result = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// The command of a setting: asks for 0 or 1 until it gets one, Enter keeping the value.
void FlagCommand(const wchar_t* name, const char* meanings) {
    const std::wstring prompt = std::wstring(L"\nEnter new value for ") + name + L" <" + (Flag(name) ? L"1" : L"0") + L">: ";
    for (;;) {
        const auto answer = platform::ReadPromptedLine(prompt);
        if (!answer || *answer == "^C") {
            platform::WriteOutput(std::string_view("*Cancel*\n"));
            return;
        }
        const size_t start = answer->find_first_not_of(" \t");
        const std::string value = start == std::string::npos ? std::string() : answer->substr(start, answer->find_last_not_of(" \t") - start + 1);
        if (value.empty()) return;
        if (value != "0" && value != "1") {
            platform::WriteOutput("\nRequires " + std::string(meanings) + ".\n");
            continue;
        }
        if (!SetFlag(name, value == "1"))
            platform::WriteOutput(L"\nThe setting could not be stored: " + std::wstring(name) + L" is unchanged.\n");
        return;
    }
}

void BackupCommand() { FlagCommand(kBackupValue, "0 (no backup) or 1 (NAME.bak at each save)"); }
void FileDialogCommand() { FlagCommand(kFileDialogValue, "0 (file names typed) or 1 (the file dialog)"); }

HostCommandRegistration s_isavebak(L"ISAVEBAK", &BackupCommand, ACRX_CMD_NOUNDOMARKER);
HostCommandRegistration s_filedia(L"FILEDIA", &FileDialogCommand, ACRX_CMD_NOUNDOMARKER);

}  // namespace

bool BackupsEnabled() { return Flag(kBackupValue); }
bool SetBackupsEnabled(bool on) { return SetFlag(kBackupValue, on); }
bool FileDialogsEnabled() { return Flag(kFileDialogValue); }
bool SetFileDialogsEnabled(bool on) { return SetFlag(kFileDialogValue, on); }
