#include "view/PaperSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "view/EntityTags.h"

namespace platform::view {

namespace {

struct NamedPaper {
    const char* name;
    PaperSize size;  // upright
};
constexpr NamedPaper kPapers[] = {{"A0", {841, 1189}},  {"A1", {594, 841}},       {"A2", {420, 594}},        {"A3", {297, 420}},
                                  {"A4", {210, 297}},   {"letter", {215.9, 279.4}}, {"tabloid", {279.4, 431.8}}};

// Paper of ten metres a side is more than any plotter takes; it keeps the pixel count sane too.
constexpr double kLargestPaper = 10000;
constexpr double kDefaultMargin = 10;

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// A finite number and nothing else.
std::optional<double> Number(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 40) return std::nullopt;
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::vector<double>> Numbers(std::string_view text, char separator) {
    std::vector<double> values;
    while (true) {
        const size_t at = text.find(separator);
        const std::optional<double> value = Number(text.substr(0, at));
        if (!value) return std::nullopt;
        values.push_back(*value);
        if (at == std::string_view::npos) return values;
        text.remove_prefix(at + 1);
    }
}

std::string Decimal(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

}  // namespace

std::optional<PaperSize> ParsePaper(std::string_view text) {
    text = Trimmed(text);
    for (const NamedPaper& p : kPapers)
        if (SameText(text, p.name)) return p.size;
    if (text.size() < 3 || !SameText(text.substr(text.size() - 2), "mm")) return std::nullopt;
    text.remove_suffix(2);
    const size_t x = text.find_first_of("xX");
    if (x == std::string_view::npos) return std::nullopt;
    const std::optional<double> w = Number(text.substr(0, x)), h = Number(text.substr(x + 1));
    if (!w || !h || !(*w > 0 && *h > 0 && *w <= kLargestPaper && *h <= kLargestPaper)) return std::nullopt;
    return PaperSize{*w, *h};
}

const std::string& PaperNames() {
    static const std::string names = "A0 to A4, letter, tabloid or WxHmm";
    return names;
}

std::string PaperName(const PaperSize& paper) {
    const double shortSide = std::min(paper.width, paper.height), longSide = std::max(paper.width, paper.height);
    for (const NamedPaper& p : kPapers)
        if (std::abs(p.size.width - shortSide) < 0.5 && std::abs(p.size.height - longSide) < 0.5) return p.name;
    return Decimal(paper.width) + " x " + Decimal(paper.height) + " mm";
}

std::optional<Margins> ParseMargins(std::string_view text) {
    const std::optional<std::vector<double>> values = Numbers(text, ',');
    if (!values) return std::nullopt;
    const std::vector<double>& v = *values;
    for (double m : v)
        if (!(m >= 0 && m <= kLargestPaper)) return std::nullopt;
    switch (v.size()) {
        case 1: return Margins{v[0], v[0], v[0], v[0]};
        case 2: return Margins{v[1], v[0], v[1], v[0]};
        case 4: return Margins{v[3], v[2], v[1], v[0]};
        default: return std::nullopt;
    }
}

std::optional<double> ParseScale(std::string_view text) {
    text = Trimmed(text);
    if (SameText(text, "fit")) return 0.0;
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<double> paper = Number(text.substr(0, colon)), units = Number(text.substr(colon + 1));
    if (!paper || !units || !(*paper > 0) || !(*units > 0)) return std::nullopt;
    const double scale = *paper / *units;
    if (!(scale > 1e-12 && scale < 1e12)) return std::nullopt;
    return scale;
}

std::string ScaleName(double millimetresPerUnit) {
    if (!(millimetresPerUnit > 0)) return "fit";
    return millimetresPerUnit >= 1 ? Decimal(millimetresPerUnit) + ":1" : "1:" + Decimal(1 / millimetresPerUnit);
}

std::optional<PlotArea> ParseArea(std::string_view text, std::string& error) {
    text = Trimmed(text);
    const size_t space = text.find_first_of(" :");
    const std::string_view word = text.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? std::string_view() : Trimmed(text.substr(space + 1));
    PlotArea area;
    if (SameText(word, "extents") && rest.empty()) {
        area.kind = AreaKind::Extents;
        return area;
    }
    if (SameText(word, "window")) {
        const std::optional<std::vector<double>> v = Numbers(rest, ',');
        if (!v || v->size() != 4) {
            error = "--area window takes two corners: window X1,Y1,X2,Y2";
            return std::nullopt;
        }
        area.kind = AreaKind::Window;
        area.window = Box::Of((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
        if (!(area.window.Width() > 0 && area.window.Height() > 0)) {
            error = "--area window needs a window with a width and a height";
            return std::nullopt;
        }
        return area;
    }
    if (SameText(word, "layout") && !rest.empty()) {
        area.kind = AreaKind::Layout;
        area.layout = std::string(rest);
        return area;
    }
    error = "--area takes extents, window X1,Y1,X2,Y2 or layout NAME";
    return std::nullopt;
}

double LayoutPlotSettings::Scale() const {
    if (!(numerator > 0 && denominator > 0)) return 0;
    const double scale = numerator / denominator * (units == 0 ? 25.4 : 1);
    return std::isfinite(scale) ? scale : 0;
}

PaperSize LayoutPlotSettings::Paper() const {
    return rotation == 1 || rotation == 3 ? PaperSize{paperHeight, paperWidth} : PaperSize{paperWidth, paperHeight};
}

Margins LayoutPlotSettings::TurnedMargins() const {
    const Margins& m = margins;
    // A quarter turn counter-clockwise puts the paper's bottom edge on the layout's left.
    switch (rotation) {
        case 1: return {m.bottom, m.right, m.top, m.left};
        case 2: return {m.right, m.top, m.left, m.bottom};
        case 3: return {m.top, m.left, m.bottom, m.right};
        default: return m;
    }
}

LayoutPlotSettings ReadLayoutPlotSettings(const dxf::DxfObject& layout) {
    LayoutPlotSettings s;
    EntityTags t(layout);
    const size_t plot = t.After("AcDbPlotSettings");
    const size_t own = t.After("AcDbLayout");
    if (plot == 0) return s;
    // The plot settings' own codes end where the layout's subclass begins.
    auto real = [&](int code, double fallback) {
        const size_t i = t.Find(code, plot);
        return i < t.End() && (own == 0 || i < own) ? t[i].DoubleOr(fallback) : fallback;
    };
    auto integer = [&](int code, int fallback) {
        const size_t i = t.Find(code, plot);
        return i < t.End() && (own == 0 || i < own) ? static_cast<int>(t[i].IntOr(fallback)) : fallback;
    };
    s.paperName = std::string(t.String(4, {}, plot));
    s.margins = {real(40, 0), real(41, 0), real(42, 0), real(43, 0)};
    s.paperWidth = real(44, 0), s.paperHeight = real(45, 0);
    s.originX = real(46, 0), s.originY = real(47, 0);
    s.window = Box::Of(real(48, 0), real(49, 0), real(140, 0), real(141, 0));
    s.numerator = real(142, 1), s.denominator = real(143, 1);
    s.flags = integer(70, 0);
    s.units = integer(72, 1);
    s.rotation = integer(73, 0) & 3;
    s.type = integer(74, 5);
    s.standardScale = integer(75, 16);
    if (own > 0) {
        const Vec3 low = t.Point(10, {}, own), high = t.Point(11, {}, own);
        s.limits = Box::Of(low.x, low.y, high.x, high.y);
    }
    // A paper no printer takes (or a number that is not one) is no paper.
    if (!(s.paperWidth > 0 && s.paperWidth <= kLargestPaper && s.paperHeight > 0 && s.paperHeight <= kLargestPaper))
        s.paperWidth = s.paperHeight = 0;
    return s;
}

Box SheetPlan::Printable() const {
    return Box::Of((margins.left - originX) / scale, (margins.bottom - originY) / scale, (paper.width - margins.right - originX) / scale,
                   (paper.height - margins.top - originY) / scale);
}

std::string SheetPlan::Describe() const {
    const std::string name = PaperName(paper), size = Decimal(paper.width) + " x " + Decimal(paper.height) + " mm";
    const char* lies = paper.width > paper.height ? " landscape" : " portrait";
    return (name == size ? size + lies : name + lies + " (" + size + ")") + ", " + (fit ? "fitted at " : "") + ScaleName(scale);
}

bool PlanSheet(const PaperRequest& request, const LayoutPlotSettings* stored, const Box& extents, const PaperSize& pixelSheet,
               double pixelMargin, SheetPlan& plan, std::string& error) {
    plan = {};
    const bool useStored = stored && stored->HasPaper();
    bool storedPaper = false;
    if (request.paper) {
        plan.paper = *request.paper, plan.onPaper = true;
    } else if (useStored) {
        plan.paper = stored->Paper(), plan.onPaper = storedPaper = true;
    } else if (!request.pixelSheet && (request.scale || request.margins || request.orientation != Orientation::AsSet)) {
        plan.paper = *ParsePaper("A3"), plan.onPaper = true;  // asked for a plot on paper, of no size
    } else {
        plan.paper = pixelSheet;
    }
    if (request.margins) plan.margins = *request.margins;
    else if (storedPaper) plan.margins = stored->TurnedMargins();
    else if (plan.onPaper) plan.margins = {kDefaultMargin, kDefaultMargin, kDefaultMargin, kDefaultMargin};
    else plan.margins = {pixelMargin, pixelMargin, pixelMargin, pixelMargin};
    Orientation orientation = request.orientation;
    // Another paper for a layout lies the way the layout's own does, unless told otherwise.
    if (orientation == Orientation::AsSet && request.paper && useStored)
        orientation = stored->Paper().width > stored->Paper().height ? Orientation::Landscape : Orientation::Portrait;
    const bool wide = plan.paper.width > plan.paper.height;
    bool turned = false;
    if ((orientation == Orientation::Landscape && !wide) || (orientation == Orientation::Portrait && wide)) {
        std::swap(plan.paper.width, plan.paper.height);
        // The printer's margins turn with its paper; the ones asked for are of the sheet as it lies.
        const Margins m = plan.margins;
        if (!request.margins) plan.margins = {m.top, m.left, m.bottom, m.right};
        turned = true;
    }
    const Margins& m = plan.margins;
    const double printWidth = plan.paper.width - m.left - m.right, printHeight = plan.paper.height - m.bottom - m.top;
    if (!(printWidth > 0 && printHeight > 0)) {
        error = "the margins leave nothing of the " + PaperName(plan.paper) + " paper to plot on";
        return false;
    }

    AreaKind kind = request.area.kind;
    if (kind == AreaKind::Default) {
        kind = AreaKind::Extents;
        if (useStored) {
            if (stored->type == 5 || stored->type == 2) kind = AreaKind::Layout;
            else if (stored->type == 4 && stored->window.Width() > 0 && stored->window.Height() > 0) kind = AreaKind::Window;
        }
    }
    // A layout's sheet is the paper its settings store (at the paper space's origin, the
    // printable area's corner and the plot's offset), or its limits when it stores none.
    bool layoutOrigin = false;
    switch (kind) {
        case AreaKind::Window:
            plan.area = request.area.kind == AreaKind::Window ? request.area.window : stored->window;
            break;
        case AreaKind::Layout:
            if (useStored && !(stored->type == 2 && request.area.kind == AreaKind::Default)) {
                const double unit = stored->units == 0 ? 25.4 : 1;
                const Margins sm = stored->TurnedMargins();
                const PaperSize sp = stored->Paper();
                const double x = sm.left + stored->originX, y = sm.bottom + stored->originY;
                plan.area = Box::Of(-x / unit, -y / unit, (sp.width - x) / unit, (sp.height - y) / unit);
                layoutOrigin = true;
            } else if (stored && stored->limits.Width() > 0 && stored->limits.Height() > 0) {
                plan.area = stored->limits;
            } else {
                plan.area = extents;
            }
            break;
        default: plan.area = extents; break;
    }
    if (!(plan.area.Width() > 0 && plan.area.Height() > 0)) {
        error = "the plot area has no width or no height";
        return false;
    }

    double scale = 0;
    if (request.scale) scale = *request.scale;
    else if (useStored && !stored->FitsToPaper()) scale = stored->Scale();
    const bool fit = !(scale > 0);
    if (fit) scale = std::min(printWidth / plan.area.Width(), printHeight / plan.area.Height());
    plan.fromLayout = useStored && (storedPaper || !request.scale);
    if (!(scale > 0 && std::isfinite(scale) && scale * plan.area.Width() < 1e12 && scale * plan.area.Height() < 1e12 &&
          scale * std::max(plan.area.Width(), plan.area.Height()) > 1e-9)) {
        error = "a plot area of " + Decimal(plan.area.Width()) + " x " + Decimal(plan.area.Height()) + " units cannot be drawn at " +
                ScaleName(scale);
        return false;
    }
    plan.scale = scale;
    plan.kind = kind;
    plan.fit = fit;

    // As the layout sets it up: its origin (or the area's corner) at the plot origin, unless it
    // centres the plot; whatever the user changed of the sheet is centred on the printable area.
    const bool asStored = storedPaper && !fit && !request.margins && !turned && request.area.kind == AreaKind::Default && !stored->Centred();
    if (asStored) {
        const double x = m.left + stored->originX, y = m.bottom + stored->originY;
        plan.originX = layoutOrigin ? x : x - scale * plan.area.x0;
        plan.originY = layoutOrigin ? y : y - scale * plan.area.y0;
    } else {
        plan.originX = m.left + (printWidth - scale * plan.area.Width()) / 2 - scale * plan.area.x0;
        plan.originY = m.bottom + (printHeight - scale * plan.area.Height()) / 2 - scale * plan.area.y0;
    }
    return true;
}

}  // namespace platform::view
