#pragma once
// How dialogs meet the user. With a display a dialog is a window. Without one (or with
// VELLORIA_CONSOLE_DIALOGS=1) the same widgets run on the toolkit's offscreen platform and
// the console presenter prints the dialog and reads actions from the command line, one a line:
//
//   click CTL                 press a button or toggle a check box
//   set CTL TEXT              type TEXT into an edit or an editable combo, or choose it in a list
//   check CTL [on|off]        set a check box (as a click when its state changes)
//   select CTL ITEM           choose ITEM (its text, or #N for the N-th entry/row from 0) in a
//                             tree, list box, combo box or list view; tree items may be given as
//                             "parent/child"
//   dblclick CTL ROW [COL]    double-click a cell of a list view (ROW, COL from 0)
//   focus CTL                 give CTL the keyboard focus
//   key Enter|Escape          press the key in the window that has the focus
//   menu ENTRY                choose ENTRY ("Copy", "&Copy" or its command number) from the
//                             context menu of the edit box that has the focus
//   show                      print the dialog again
//
// CTL is a control id or its label (a button's text, or the text of the label before it),
// quoted when it has spaces: click "Open Database". End of input or "^C" cancels the dialog.
#include <string>

#include "mfcui/Dialog.h"

namespace platform::ui {

// Whether dialogs are presented on the command line (decided once, when the toolkit starts).
bool ConsoleDialogs();
// Starts the toolkit once per process.
void EnsureApplication();
// Delivers pending toolkit events.
void ProcessEvents();

// The dialog's state as the presenter prints it.
std::string DescribeDialog(CDialog& dialog);
// Performs one action line on the dialog; false with a reason when it cannot.
bool PerformAction(CDialog& dialog, const std::string& line, std::string& error);
// Runs the presenter until the dialog ends (or the input does).
void RunConsoleDialog(CDialog& dialog);

// Writes a picture of the window to a PNG file.
bool SaveWindowImage(CWnd& window, const std::string& path);

}  // namespace platform::ui
