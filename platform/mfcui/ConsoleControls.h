#pragma once
// What the console presenter's printing of a dialog and its actions share: the labels that
// name the controls, and the text that shows each control.
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "mfcui/Dialog.h"

namespace platform::ui {

// A label as typed: without its "&" and its trailing ":".
QString Plain(QString text);
// The label of a control: its own text for a button, else the label placed before it.
QString LabelOf(const CDialog& dialog, int id);
// Each control of the dialog with the text that shows it, in the template's order, then the
// visible controls made while the dialog runs (an in-place editor).
std::vector<std::pair<int, std::string>> ControlDescriptions(CDialog& dialog);

}  // namespace platform::ui
