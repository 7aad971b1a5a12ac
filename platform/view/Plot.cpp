#include "view/Plot.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "dxf/DrawingIo.h"
#include "view/GuiApplication.h"
#include "view/PdfCanvas.h"
#include "posix/AtomicFile.h"
#include "posix/FileIo.h"

namespace platform::view {

namespace {

constexpr int kMaxSide = 16384;
constexpr double kMaxPixels = 160e6;
constexpr double kDefaultDpi = 96;
constexpr double kA3LongSideInches = 420 / 25.4;

// Extents of a single point or a line along an axis get room around them.
Box Widened(Box box) {
    const double w = box.Width(), h = box.Height();
    const double size = std::max(w, h);
    const double pad = size > 0 ? size * 0.05 : std::max(1.0, std::max(std::abs(box.x0), std::abs(box.y0)) * 1e-9);
    if (w < size * 1e-3 || size == 0) box.x0 -= pad, box.x1 += pad;
    if (h < size * 1e-3 || size == 0) box.y0 -= pad, box.y1 += pad;
    return box;
}

std::string LayoutNames(const Drawing& drawing) {
    std::string names;
    for (const Layout& l : drawing.Layouts()) names += (names.empty() ? "" : ", ") + l.name;
    return names;
}

// Where the extents go on the sheet, and what of the world the sheet shows.
QTransform Placement(const Box& extents, const QRectF& page, Box& visible) {
    // A margin of two hundredths of the sheet on every side.
    const double margin = std::min(page.width(), page.height()) * 0.02;
    const QRectF target = page.adjusted(margin, margin, -margin, -margin);
    const QTransform toDevice = Renderer::FitTransform(extents, target);
    // It only scales and moves: undone by hand, as QTransform takes a scale below 1e-12 (a
    // drawing a thousand kilometres across, in millimetres) for one it cannot undo.
    visible = Box::Of((page.left() - toDevice.dx()) / toDevice.m11(), (page.top() - toDevice.dy()) / toDevice.m22(),
                      (page.right() - toDevice.dx()) / toDevice.m11(), (page.bottom() - toDevice.dy()) / toDevice.m22());
    return toDevice;
}

}  // namespace

void SheetSize(const Box& extents, const PlotSettings& settings, int& width, int& height) {
    if (settings.width > 0 && settings.height > 0) {
        width = settings.width, height = settings.height;
        return;
    }
    const double dpi = settings.dpi > 0 ? settings.dpi : kDefaultDpi;
    const double longSide = kA3LongSideInches * dpi;
    // The short side follows the drawing's proportions, but never less than an eighth.
    double ratio = extents.Empty() || extents.Width() <= 0 || extents.Height() <= 0
                       ? 297.0 / 420.0
                       : std::min(extents.Width(), extents.Height()) / std::max(extents.Width(), extents.Height());
    ratio = std::isnan(ratio) ? 1.0 : std::clamp(ratio, 0.125, 1.0);
    const bool wide = extents.Empty() || extents.Width() >= extents.Height();
    width = static_cast<int>(std::lround(wide ? longSide : longSide * ratio));
    height = static_cast<int>(std::lround(wide ? longSide * ratio : longSide));
}

// Here, with the toolkit, not in the paper's plan, which the console's options use without it.
QTransform SheetPlan::WorldToDevice(double pixelsPerMm) const {
    const double k = pixelsPerMm * scale;
    return QTransform(k, 0, 0, -k, pixelsPerMm * originX, pixelsPerMm * (paper.height - originY));
}

namespace {

// What every plot does before it draws: the layout, the extents, the sheet and the drawing's
// place on it. False with the reason in result.error.
struct Sheet {
    const Layout* layout = nullptr;
    QSizeF page;              // device pixels, fractional for a paper's exact size
    QTransform toDevice;
    Box visible;              // what of the world the page shows
    std::optional<QRectF> clip;  // device pixels: the printable area (or the window) on paper
};

// Two limits: a side (what the toolkit's images take) and the pixels in all (the memory of the
// picture); the message names the one the sheet passes.
bool SheetFits(const std::string& sheet, double width, double height, std::string& error) {
    if (!(width >= 1 && height >= 1)) {
        error = sheet + " is empty";
        return false;
    }
    if (width > kMaxSide || height > kMaxSide) {
        error = sheet + " is too large (at most " + std::to_string(kMaxSide) + " pixels a side)";
        return false;
    }
    if (const double pixels = width * height; pixels > kMaxPixels) {
        char text[160];
        std::snprintf(text, sizeof text, " is too large (%.1f million pixels; at most %.0f million in all)", pixels / 1e6, kMaxPixels / 1e6);
        error = sheet + text;
        return false;
    }
    return true;
}

bool Prepare(const Drawing& drawing, const PlotSettings& settings, Renderer& renderer, Sheet& sheet, PlotResult& result) {
    const Layout* layout = settings.layout.empty() ? &drawing.Layouts().front() : drawing.FindLayout(settings.layout);
    if (!layout) {
        result.error = "the drawing has no layout \"" + settings.layout + "\" (its layouts: " + LayoutNames(drawing) + ")";
        return false;
    }
    sheet.layout = layout;
    result.extents = renderer.Extents(*layout);
    // A layout that draws nothing gives an empty sheet, and says so.
    if (result.extents.Empty()) {
        result.note = "layout \"" + layout->name + "\" draws nothing";
        if (renderer.Stats().SkippedCount() > 0) result.note += " this plotter can show";
        result.note += "; the sheet is empty";
    }
    const Box extents = result.extents.Empty() ? Box::Of(0, 0, 420, 297) : Widened(result.extents);
    SheetSize(extents, settings, result.width, result.height);
    // The sheet's scale and its pixel's size must be numbers: drawings that reach across most
    // of what a number holds, or specks of a few units of its least, cannot go on a sheet.
    constexpr double kScaleLimit = 1e300;
    const double fitScale = std::min(result.width / extents.Width(), result.height / extents.Height());
    if (!(fitScale >= 1 / kScaleLimit && fitScale <= kScaleLimit)) {
        char text[200];
        if (fitScale < 1 / kScaleLimit || !std::isfinite(extents.Width()) || !std::isfinite(extents.Height()))
            std::snprintf(text, sizeof text, "the drawing's extents, from (%g, %g) to (%g, %g), are beyond what a sheet can show", result.extents.x0,
                          result.extents.y0, result.extents.x1, result.extents.y1);
        else
            std::snprintf(text, sizeof text, "the drawing is %g units across at (%g, %g), too small to plot",
                          std::max(result.extents.Width(), result.extents.Height()), result.extents.x0, result.extents.y0);
        result.error = text;
        return false;
    }
    // The pixel sheet in millimetres at the resolution, for a plan that puts no paper under it.
    const double dpi = settings.dpi > 0 ? settings.dpi : kDefaultDpi;
    const double pixelsPerMm = dpi / 25.4;
    const PaperSize pixelSheet{result.width / pixelsPerMm, result.height / pixelsPerMm};
    const double pixelMargin = std::min(pixelSheet.width, pixelSheet.height) * 0.02;
    // Model space's page setup is not a paper it is plotted on unless asked, nor is any layout's
    // on a sheet of pixels given; its limits still serve an area.
    LayoutPlotSettings stored = layout->plot;
    if (!layout->paper || (settings.width > 0 && settings.height > 0)) stored.paperWidth = stored.paperHeight = 0;
    PaperRequest request = settings.paper;
    request.pixelSheet = settings.width > 0 && settings.height > 0;
    if (!PlanSheet(request, &stored, extents, pixelSheet, pixelMargin, result.sheet, result.error)) return false;
    const SheetPlan& plan = result.sheet;
    if (!plan.onPaper && !SheetFits("a sheet of " + std::to_string(result.width) + " x " + std::to_string(result.height) + " pixels",
                                     result.width, result.height, result.error))
        return false;
    if (!plan.onPaper && plan.fit && plan.kind == AreaKind::Extents) {
        // The pixel sheet with the extents fitted to it, as it always was.
        sheet.page = QSizeF(result.width, result.height);
        sheet.toDevice = Placement(extents, QRectF(QPointF(0, 0), sheet.page), sheet.visible);
        return true;
    }
    if (plan.onPaper) {
        const double w = plan.paper.width * pixelsPerMm, h = plan.paper.height * pixelsPerMm;
        char named[160];
        const std::string paper = PaperName(plan.paper);
        const bool vowel = !paper.empty() && std::strchr("AEIOaeio8", paper[0]);
        std::snprintf(named, sizeof named, "%s %s sheet at %g dpi", vowel ? "an" : "a", paper.c_str(), dpi);
        if (!SheetFits(named, w, h, result.error)) {
            result.error += "; lower --dpi";
            return false;
        }
        result.width = std::max(1, static_cast<int>(std::lround(w)));
        result.height = std::max(1, static_cast<int>(std::lround(h)));
        sheet.page = QSizeF(w, h);
    } else {
        sheet.page = QSizeF(result.width, result.height);
    }
    sheet.toDevice = plan.WorldToDevice(pixelsPerMm);
    // What of the world is plotted: on paper the printable part, and of a window no more than it.
    Box shown = plan.Printable();
    if (!plan.onPaper) {
        const double k = plan.scale;
        shown = Box::Of(-plan.originX / k, -plan.originY / k, (plan.paper.width - plan.originX) / k, (plan.paper.height - plan.originY) / k);
    }
    if (plan.kind == AreaKind::Window)
        shown = Box::Of(std::max(shown.x0, plan.area.x0), std::max(shown.y0, plan.area.y0), std::min(shown.x1, plan.area.x1),
                        std::min(shown.y1, plan.area.y1));
    sheet.visible = shown;
    if (plan.onPaper || plan.kind == AreaKind::Window) {
        const QRectF device = sheet.toDevice.mapRect(QRectF(QPointF(shown.x0, shown.y0), QPointF(shown.x1, shown.y1)));
        sheet.clip = shown.Empty() ? QRectF() : device;
    }
    return true;
}

// The plot's stats after drawing, and what its limits left out of the sheet.
void TakeStats(const Renderer& renderer, const RenderOptions& options, PlotResult& result) {
    result.stats = renderer.Stats();
    if (const std::string leftOut = LeftOutNote(result.stats, options); !leftOut.empty())
        result.note += (result.note.empty() ? "" : "; ") + leftOut;
}

RenderOptions OptionsFor(const PlotSettings& settings, bool vector) {
    RenderOptions options;
    options.background = settings.background;
    options.dpi = settings.dpi > 0 ? settings.dpi : kDefaultDpi;
    options.vectorDevice = vector;
    options.drawsOnce = true;
    return options;
}

void Paint(QPainter& painter, Renderer& renderer, const Sheet& sheet, const QColor& background) {
    painter.fillRect(QRectF(QPointF(0, 0), sheet.page), background);
    if (sheet.clip) painter.setClipRect(*sheet.clip);
    if (!sheet.clip || !sheet.clip->isEmpty()) renderer.Draw(painter, *sheet.layout, sheet.visible, sheet.toDevice);
}

}  // namespace

QImage PlotImage(const Drawing& drawing, const PlotSettings& settings, PlotResult& result) {
    EnsureGuiApplication();
    const RenderOptions options = OptionsFor(settings, false);
    Renderer renderer(drawing, options);
    Sheet sheet;
    if (!Prepare(drawing, settings, renderer, sheet, result)) return {};
    QImage image(result.width, result.height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        // A paper's page is a fraction of a pixel larger or smaller than the picture's.
        painter.scale(result.width / sheet.page.width(), result.height / sheet.page.height());
        Paint(painter, renderer, sheet, settings.background);
    }
    TakeStats(renderer, options, result);
    result.ok = true;
    return image;
}

PlotResult PlotBytes(const Drawing& drawing, const PlotSettings& settings, PlotFormat format, const std::string& target,
                     std::string& bytes) {
    PlotResult result;
    if (format == PlotFormat::Png) {
        const QImage image = PlotImage(drawing, settings, result);
        if (!result.ok) return result;
        result.ok = false;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            result.error = target + ": the picture could not be encoded";
            return result;
        }
        bytes.assign(png.constData(), static_cast<size_t>(png.size()));
        result.ok = true;
        return result;
    }
    EnsureGuiApplication();
    const RenderOptions options = OptionsFor(settings, true);
    Renderer renderer(drawing, options);
    Sheet sheet;
    if (!Prepare(drawing, settings, renderer, sheet, result)) return result;
    if (format == PlotFormat::Pdf) {
        try {
            PdfCanvas canvas(sheet.toDevice, sheet.visible, sheet.page, options.dpi, settings.background);
            const bool clipped = sheet.clip.has_value();
            if (clipped) {
                QPainterPath area;
                area.addRect(sheet.toDevice.inverted().mapRect(*sheet.clip));
                canvas.PushClip(area);
            }
            if (!sheet.clip || !sheet.clip->isEmpty()) renderer.Draw(canvas, *sheet.layout);
            if (clipped) canvas.PopClip();
            std::string why;
            if (!canvas.Finish(bytes, why)) {
                result.error = target + ": " + why;
                return result;
            }
        } catch (const std::bad_alloc&) {
            result.error = target + ": not enough memory for the PDF";
            return result;
        }
    } else {
        QByteArray svgBytes;
        {
            QBuffer buffer(&svgBytes);
            buffer.open(QIODevice::WriteOnly);
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            const QSize size(static_cast<int>(std::lround(sheet.page.width())), static_cast<int>(std::lround(sheet.page.height())));
            svg.setSize(size);
            svg.setViewBox(QRectF(QPointF(0, 0), sheet.page));
            svg.setResolution(static_cast<int>(std::lround(options.dpi)));
            QPainter painter(&svg);
            Paint(painter, renderer, sheet, settings.background);
        }
        bytes.assign(svgBytes.constData(), static_cast<size_t>(svgBytes.size()));
    }
    TakeStats(renderer, options, result);
    result.ok = true;
    return result;
}

PlotResult PlotDrawing(const Drawing& drawing, const PlotSettings& settings, const std::string& path) {
    const std::optional<PlotFormat> format = PlotFormatOf(path);
    if (!format) {
        PlotResult result;
        result.error = NotAPlotFileName(path);
        return result;
    }
    std::string why;
    if (!posix::CanReplace(path, why)) {
        PlotResult result;
        result.error = path + ": " + why;
        return result;
    }
    std::string bytes;
    PlotResult result = PlotBytes(drawing, settings, *format, path, bytes);
    if (!result.ok) return result;
    try {
        posix::ReplaceFile(path, bytes);
    } catch (const std::exception& e) {
        result.ok = false;
        result.error = path + ": " + e.what();
    }
    return result;
}

std::optional<LayoutPaper> PaperOfLayout(const Layout& layout) {
    if (!layout.paper) return std::nullopt;
    const LayoutPlotSettings& stored = layout.plot;
    if (!stored.HasPaper()) {
        if (!(stored.limits.Width() > 0 && stored.limits.Height() > 0)) return std::nullopt;
        return LayoutPaper{stored.limits, stored.limits};
    }
    PaperRequest request;
    request.area.kind = AreaKind::Layout;
    SheetPlan plan;
    std::string error;
    if (!PlanSheet(request, &stored, Box::Of(0, 0, 1, 1), {}, 0, plan, error)) return std::nullopt;
    const double unit = stored.units == 0 ? 25.4 : 1;
    const Margins m = stored.TurnedMargins();
    const Box& sheet = plan.area;
    LayoutPaper paper{sheet, Box::Of(sheet.x0 + m.left / unit, sheet.y0 + m.bottom / unit, sheet.x1 - m.right / unit, sheet.y1 - m.top / unit)};
    if (paper.printable.Empty()) paper.printable = sheet;
    return paper;
}

PlotResult PlotDatabase(AcDbDatabase& database, const PlotSettings& settings, const std::string& path) {
    const Drawing drawing(dxf::CurrentDocument(database));
    return PlotDrawing(drawing, settings, path);
}

}  // namespace platform::view
