// The refresh commands and the refresh when a drawing is opened.
#include "db/AdsDefs.h"
#include "editor/Editor.h"
#include "editor/Print.h"
#include "app/VeloCommands.h"
#include "engine/TableUpdater.h"
#include "support/Registry.h"

void DbTable_Update() { UpdateLinkedTables(nullptr); }

void DbTable_Auto_Update() {
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    const int nAutoUpdate = CRegistry::GetProfileInt(L"Velloria", L"AutoUpdate", 0);

    CString strPrompt;
    strPrompt.Format(L"\nTurn Auto-Update [ON/OFF] when the drawing is opened.<%s>:", nAutoUpdate ? L"ON" : L"OFF");

    wchar_t szAnswer[21] = L"";
    int rc;
    do {
        acedInitGet(RSG_NONULL, L"ON OFF");
        rc = acedGetKword(strPrompt, szAnswer, _countof(szAnswer));
        if (rc == RTCAN) return;
    } while (rc != RTNORM);

    // A setting that could not be stored is not reported as set: the next drawing opened
    // would behave otherwise than the user was told.
    const bool bOn = CString(szAnswer).CompareNoCase(L"ON") == 0;
    if (!CRegistry::WriteProfileInt(L"Velloria", L"AutoUpdate", bOn ? 1 : 0)) {
        acutPrintf(L"\nThe setting could not be stored: Auto-Update stays %s.", nAutoUpdate ? L"ON" : L"OFF");
        return;
    }
    if (bOn) {
        acutPrintf(L"\nAuto-Update is enabled.");
    } else {
        acutPrintf(L"\nAuto-Update is disabled.");
    }
}

void RefreshLinkedTablesOnOpen() { UpdateLinkedTables(L"X"); }
