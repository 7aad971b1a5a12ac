#pragma once
// The module's dialogs for its commands: linked in where the dialogs are built into the same
// program (the test programs), else loaded from the dialog library beside the module when the
// first one opens.
#include "ui/DialogTable.h"

// The dialogs; null, after a line saying why, when their library cannot be loaded.
const CDialogTable* ModuleDialogs();
// Closes the dialog library (the module is being unloaded).
void ReleaseModuleDialogs();
