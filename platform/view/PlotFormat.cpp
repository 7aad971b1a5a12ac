#include "view/PlotFormat.h"

#include <cctype>
#include <iterator>

namespace platform::view {

namespace {

struct FormatRow {
    PlotFormat format;
    const char* extension;  // lower case, without the dot
};
constexpr FormatRow kFormats[] = {{PlotFormat::Pdf, "pdf"}, {PlotFormat::Svg, "svg"}, {PlotFormat::Png, "png"}};

// "a, b or c" of the rows, each made by part.
template <class Part>
std::string ListOfFormats(Part part) {
    std::string list;
    constexpr size_t count = std::size(kFormats);
    for (size_t i = 0; i < count; ++i) list += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + part(kFormats[i]);
    return list;
}

}  // namespace

std::optional<PlotFormat> PlotFormatOf(const std::string& path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const FormatRow& row : kFormats)
        if (ext == row.extension) return row.format;
    return std::nullopt;
}

const std::string& PlotExtensions() {
    static const std::string list = ListOfFormats([](const FormatRow& row) { return std::string(".") + row.extension; });
    return list;
}

const std::string& PlotFormatNames() {
    static const std::string list = ListOfFormats([](const FormatRow& row) {
        std::string name = row.extension;
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return name;
    });
    return list;
}

std::string NotAPlotFileName(const std::string& path) { return path + ": the plot file's name must end in " + PlotExtensions(); }

}  // namespace platform::view
