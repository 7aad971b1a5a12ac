#include "PaperOptions.h"

#include <memory>
#include <optional>

#include "text/CommandLineOptions.h"

void DeclarePaperOptions(platform::OptionParser& parser, platform::view::PaperRequest& request) {
    using namespace platform::view;
    parser.Value("--paper", "SIZE", "the paper: " + PaperNames(), [&request](const std::string& v) {
        request.paper = ParsePaper(v);
        return request.paper.has_value();
    });
    // Flags set plain booleans: the orientation is settled once the arguments are read.
    auto landscape = std::make_shared<bool>(false), portrait = std::make_shared<bool>(false);
    parser.Flag("--landscape", *landscape, "the paper's long side across");
    parser.Flag("--portrait", *portrait, "the paper's long side up (as a named paper is)");
    parser.Rule([&request, landscape, portrait] {
        if (*landscape && *portrait) return "give either --landscape or --portrait";
        if (*landscape) request.orientation = Orientation::Landscape;
        if (*portrait) request.orientation = Orientation::Portrait;
        return "";
    });
    parser.Value("--margins", "MM", "the margins in millimetres", [&request](const std::string& v) {
        request.margins = ParseMargins(v);
        return request.margins.has_value();
    });
    parser.Value("--scale", "1:N|fit", "millimetres on paper to drawing units, or fit", [&request](const std::string& v) {
        request.scale = ParseScale(v);
        return request.scale.has_value();
    });
    auto areaError = std::make_shared<std::string>();
    parser.Value("--area", "extents|window X1,Y1,X2,Y2|layout NAME", "what to plot (default: as the layout sets it up, else extents)",
                 [&request, areaError](const std::string& v) {
                     if (std::optional<PlotArea> parsed = ParseArea(v, *areaError)) request.area = *parsed;
                     return true;
                 });
    parser.Rule([areaError] { return *areaError; });
}

std::vector<std::string> JoinAreaWords(const std::vector<std::string>& args) {
    std::vector<std::string> joined;
    for (size_t i = 0; i < args.size(); ++i) {
        joined.push_back(args[i]);
        if (args[i] == "--") {
            joined.insert(joined.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        const bool areaWord = args[i] == "--area" && i + 2 < args.size() && (args[i + 1] == "window" || args[i + 1] == "layout");
        if (areaWord) {
            joined.push_back(args[i + 1] + " " + args[i + 2]);
            i += 2;
        }
    }
    return joined;
}
