#pragma once
// The paper options every plot takes, in the host itself: `velloria update --plot` reads them
// without loading the renderer.
#include <string>
#include <vector>

#include "view/PaperSheet.h"

namespace platform {
class OptionParser;
}

// --paper, --landscape, --portrait, --margins, --scale and --area, declared on a tool's parser.
void DeclarePaperOptions(platform::OptionParser& parser, platform::view::PaperRequest& request);
// "--area window X1,Y1,X2,Y2" and "--area layout NAME" written as two words, made one value.
std::vector<std::string> JoinAreaWords(const std::vector<std::string>& args);
