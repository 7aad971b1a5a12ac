#include "app/MenuLoad.h"

#include "editor/Commands.h"
#include "runtime/Menus.h"
#include "win/ModuleFile.h"
#include "editor/Print.h"
#include "win/ShellPath.h"
#include "app/VelloriaApp.h"

void Velo_LoadMenu() {
    CString strMenuFile = GetMenuFilePath();
    if (PathFileExistsW(strMenuFile)) {
        acedCommandS(RTSTR, L"_.menuload", RTSTR, static_cast<const wchar_t*>(strMenuFile), RTNONE);
        AddPulldownMenu();
    }
    if (!acedIsMenuGroupLoaded(L"Velloria"))
        acutPrintf(L"\nFailed to load the menu and toolbar of %s. Please load %s.cuix from the installation folder of %s manually.",
                   L"Velloria", L"Velloria", L"Velloria");
}

void AddPulldownMenu() {
    CString strCmd;
    int n = 1;
    for (;; ++n) {
        strCmd.Format(L"P%d.1=?", n);
        if (acedMenuCmd(strCmd) != RTKWORD) break;
    }
    const int nPosition = n >= 3 ? n - 2 : n;
    strCmd.Format(L"P%d=+%s.pop1", nPosition, L"Velloria");
    acedMenuCmd(strCmd);
}

CString GetMenuFilePath() {
    wchar_t szModulePath[MAX_PATH] = L"";
    ::GetModuleFileNameW(_hdllInstance, szModulePath, MAX_PATH);
    PathRemoveFileSpecW(szModulePath);
    PathAddBackslashW(szModulePath);
    CString strPath;
    strPath.Format(L"%s%s%s", szModulePath, L"Velloria", L".cuix");
    return strPath;
}
