// ISAVEBAK: whether saves keep a backup of the file they replace.
#include "SaveSettings.h"

#include <string>

#include "editor/Console.h"
#include "HostCommands.h"
#include "text/Utf8.h"
#include "win/WinRegistry.h"

namespace {

constexpr const wchar_t* kProfileKey = L"software\\Velloria Host\\Profile";
constexpr const wchar_t* kBackupValue = L"ISAVEBAK";

void BackupCommand() {
    const std::wstring prompt = std::wstring(L"\nEnter new value for ISAVEBAK <") + (BackupsEnabled() ? L"1" : L"0") + L">: ";
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
            platform::WriteOutput(std::string_view("\nRequires 0 (no backup) or 1 (NAME.bak at each save).\n"));
            continue;
        }
        if (!SetBackupsEnabled(value == "1")) platform::WriteOutput(std::string_view("\nThe setting could not be stored: ISAVEBAK is unchanged.\n"));
        return;
    }
}

HostCommandRegistration s_isavebak(L"ISAVEBAK", &BackupCommand, ACRX_CMD_NOUNDOMARKER);

}  // namespace

bool BackupsEnabled() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProfileKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
    DWORD value = 1, type = 0, size = sizeof value;
    const LONG result = RegQueryValueExW(key, kBackupValue, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    return result != ERROR_SUCCESS || type != REG_DWORD || value != 0;
}

bool SetBackupsEnabled(bool on) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kProfileKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = on ? 1 : 0;
    const LONG result = RegSetValueExW(key, kBackupValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
