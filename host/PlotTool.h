#pragma once
// Plotting from the host: `velloria plot`, the command PLOT and `velloria update --plot`.
#include <string>
#include <vector>

#include "runtime/DocManager.h"
#include "view/Plot.h"

namespace platform {
class OptionParser;
}

// The paper options every plot takes (--paper, --landscape, --portrait, --margins, --scale,
// --area), declared on a tool's parser. `layout` receives the layout --area layout NAME names.
void DeclarePaperOptions(platform::OptionParser& parser, platform::view::PaperRequest& request);
// "--area window X1,Y1,X2,Y2" and "--area layout NAME" written as two words, made one value.
std::vector<std::string> JoinAreaWords(const std::vector<std::string>& args);

// Plots the document's drawing as it stands (unsaved changes too) to path, model space unless
// the paper request's area names a layout; false with the reason in *error.
bool PlotDocument(AcApDocument* document, const std::string& path, const platform::view::PaperRequest& request, std::string* summary,
                  std::string* error);
