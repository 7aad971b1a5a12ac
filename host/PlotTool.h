#pragma once
// Plotting from the host: `velloria plot`, the command PLOT and `velloria update --plot`.
#include <string>
#include <vector>

#include "runtime/DocManager.h"
#include "view/PaperSheet.h"
#include "view/PlotFormat.h"

// Plots the document's drawing as it stands (unsaved changes too) to path, model space unless
// the paper request's area names a layout; false with the reason in *error.
bool PlotDocument(AcApDocument* document, const std::string& path, const platform::view::PaperRequest& request, std::string* summary,
                  std::string* error);

// The same over the renderer, in the window library (GuiLibrary.h), which the host calls them
// through: `velloria plot`, PLOT and PlotDocument.
int PlotToolMain(const std::vector<std::string>& args);
void PlotCommandMain();
bool PlotDocumentHere(AcApDocument* document, const std::string& path, const platform::view::PaperRequest& request, std::string* summary,
                      std::string* error);
