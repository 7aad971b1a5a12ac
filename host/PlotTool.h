#pragma once
// Plotting from the host: `velloria plot`, the command PLOT and `velloria update --plot`.
#include <string>

#include "runtime/DocManager.h"
#include "view/Plot.h"

// Plots the document's drawing as it stands (unsaved changes too), model space at the default
// sheet, to path; false with the reason in *error.
bool PlotDocument(AcApDocument* document, const std::string& path, std::string* summary, std::string* error);
