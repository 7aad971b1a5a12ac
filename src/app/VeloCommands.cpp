#include "app/VeloCommands.h"

#include "ModuleFile.h"
#include "Print.h"
#include "ShellExecute.h"
#include "ShellPath.h"
#include "app/VelloriaApp.h"

namespace {

// The product's pages and support address.
constexpr const wchar_t* kWebsiteUrl = L"https://www.morvane.com/velloria";
constexpr const wchar_t* kFaqUrl = L"https://www.morvane.com/velloria/faq";
constexpr const wchar_t* kWhatsNewUrl = L"https://www.morvane.com/velloria/whats-new";
constexpr const wchar_t* kDemoUrl = L"https://www.morvane.com/velloria/demo";
constexpr const wchar_t* kSupportMail = L"mailto:support@morvane.com?subject=Velloria";

void NotAvailableYet(const wchar_t* command) { acutPrintf(L"\n%s is not available yet.", command); }

void OpenWithShell(const wchar_t* target) { ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace

void DbTable_Create() { NotAvailableYet(L"DbTable_Create"); }
void DbTable_Properties() { NotAvailableYet(L"DbTable_Properties"); }

void Velo_Help() {
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(_hdllInstance, szPath, MAX_PATH);
    PathRemoveFileSpecW(szPath);
    PathAddBackslashW(szPath);
    CString strHelpFile(szPath);
    strHelpFile += L"Velloria.chm";
    // A missing file is reported by the shell.
    OpenWithShell(strHelpFile);
}

void Velo_About() { NotAvailableYet(L"Velo_About"); }
void Velo_Live_Update() { NotAvailableYet(L"Velo_Live_Update"); }
void Velo_Website() { OpenWithShell(kWebsiteUrl); }
void Velo_Support() { OpenWithShell(kSupportMail); }
void Velo_Faq() { OpenWithShell(kFaqUrl); }
void Velo_New() { OpenWithShell(kWhatsNewUrl); }
void Velo_Demo() { OpenWithShell(kDemoUrl); }
