#pragma once
// The kinds of file a plot writes, chosen by the file name's extension (any case). Every
// option, prompt and message that names them is made from this one list. Free of the toolkit:
// the console names them without loading the renderer.
#include <optional>
#include <string>

namespace platform::view {

enum class PlotFormat { Pdf, Svg, Png };
std::optional<PlotFormat> PlotFormatOf(const std::string& path);
// ".pdf, .svg or .png"
const std::string& PlotExtensions();
// "PDF, SVG or PNG"
const std::string& PlotFormatNames();
// "PATH: the plot file's name must end in .pdf, .svg or .png"
std::string NotAPlotFileName(const std::string& path);

inline bool IsPlotFileName(const std::string& path) { return PlotFormatOf(path).has_value(); }
// A plot to this file is a picture (".png"): its text is drawn only as large as it shows.
inline bool IsPicturePlotFileName(const std::string& path) { return PlotFormatOf(path) == PlotFormat::Png; }

}  // namespace platform::view
