#pragma once
// The menu group "Velloria": loading its customisation file and inserting its pull-down.
#include "mfc/Afx.h"

// The command Velo_LoadMenu: loads the menu file beside the module and inserts the pull-down.
void Velo_LoadMenu();
// Inserts the group's first pull-down into the menu bar, before the last two standard ones.
void AddPulldownMenu();
// The menu customisation file: the module's folder + "Velloria.cuix".
CString GetMenuFilePath();
