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

void Paint(QPainter& painter, Renderer& renderer, const Layout& layout, const Box& extents, const QRectF& page,
           const QColor& background) {
    painter.fillRect(page, background);
    Box visible;
    const QTransform toDevice = Placement(extents, page, visible);
    renderer.Draw(painter, layout, visible, toDevice);
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

namespace {

// What every plot does before it draws: the layout, the extents and the sheet. False with the
// reason in result.error.
bool Prepare(const Drawing& drawing, const PlotSettings& settings, Renderer& renderer, const Layout*& layout, Box& extents,
             PlotResult& result) {
    layout = settings.layout.empty() ? &drawing.Layouts().front() : drawing.FindLayout(settings.layout);
    if (!layout) {
        result.error = "the drawing has no layout \"" + settings.layout + "\" (its layouts: " + LayoutNames(drawing) + ")";
        return false;
    }
    result.extents = renderer.Extents(*layout);
    // A layout that draws nothing gives an empty sheet, and says so.
    if (result.extents.Empty()) {
        result.note = "layout \"" + layout->name + "\" draws nothing";
        if (renderer.Stats().SkippedCount() > 0) result.note += " this plotter can show";
        result.note += "; the sheet is empty";
    }
    extents = result.extents.Empty() ? Box::Of(0, 0, 420, 297) : Widened(result.extents);
    SheetSize(extents, settings, result.width, result.height);
    // The sheet's scale and its pixel's size must be numbers: drawings that reach across most
    // of what a number holds, or specks of a few units of its least, cannot go on a sheet.
    constexpr double kScaleLimit = 1e300;
    const double scale = std::min(result.width / extents.Width(), result.height / extents.Height());
    if (!(scale >= 1 / kScaleLimit && scale <= kScaleLimit)) {
        char text[200];
        if (scale < 1 / kScaleLimit || !std::isfinite(extents.Width()) || !std::isfinite(extents.Height()))
            std::snprintf(text, sizeof text, "the drawing's extents, from (%g, %g) to (%g, %g), are beyond what a sheet can show", result.extents.x0,
                          result.extents.y0, result.extents.x1, result.extents.y1);
        else
            std::snprintf(text, sizeof text, "the drawing is %g units across at (%g, %g), too small to plot",
                          std::max(result.extents.Width(), result.extents.Height()), result.extents.x0, result.extents.y0);
        result.error = text;
        return false;
    }
    // Two limits: a side (what the toolkit's images take) and the pixels in all (the memory of
    // the picture); the message names the one the sheet passes.
    const std::string sheet = "a sheet of " + std::to_string(result.width) + " x " + std::to_string(result.height) + " pixels";
    if (result.width <= 0 || result.height <= 0) {
        result.error = sheet + " is empty";
        return false;
    }
    if (result.width > kMaxSide || result.height > kMaxSide) {
        result.error = sheet + " is too large (at most " + std::to_string(kMaxSide) + " pixels a side)";
        return false;
    }
    if (const double pixels = static_cast<double>(result.width) * result.height; pixels > kMaxPixels) {
        char text[160];
        std::snprintf(text, sizeof text, " is too large (%.1f million pixels; at most %.0f million in all)", pixels / 1e6, kMaxPixels / 1e6);
        result.error = sheet + text;
        return false;
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

}  // namespace

QImage PlotImage(const Drawing& drawing, const PlotSettings& settings, PlotResult& result) {
    EnsureGuiApplication();
    const RenderOptions options = OptionsFor(settings, false);
    Renderer renderer(drawing, options);
    const Layout* layout = nullptr;
    Box extents;
    if (!Prepare(drawing, settings, renderer, layout, extents, result)) return {};
    QImage image(result.width, result.height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        Paint(painter, renderer, *layout, extents, QRectF(0, 0, result.width, result.height), settings.background);
    }
    TakeStats(renderer, options, result);
    result.ok = true;
    return image;
}

PlotResult PlotDrawing(const Drawing& drawing, const PlotSettings& settings, const std::string& path) {
    PlotResult result;
    const std::optional<PlotFormat> format = PlotFormatOf(path);
    if (!format) {
        result.error = NotAPlotFileName(path);
        return result;
    }
    std::string why;
    if (!posix::CanReplace(path, why)) {
        result.error = path + ": " + why;
        return result;
    }
    QByteArray bytes;
    std::string pdf;  // written by the PDF canvas itself
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (*format == PlotFormat::Png) {
        const QImage image = PlotImage(drawing, settings, result);
        if (!result.ok) return result;
        result.ok = false;
        if (!image.save(&buffer, "PNG")) {
            result.error = path + ": the picture could not be encoded";
            return result;
        }
    } else {
        EnsureGuiApplication();
        const RenderOptions options = OptionsFor(settings, true);
        Renderer renderer(drawing, options);
        const Layout* layout = nullptr;
        Box extents;
        if (!Prepare(drawing, settings, renderer, layout, extents, result)) return result;
        const QRectF page(0, 0, result.width, result.height);
        if (*format == PlotFormat::Pdf) {
            Box visible;
            const QTransform toDevice = Placement(extents, page, visible);
            try {
                PdfCanvas canvas(toDevice, visible, page.size(), options.dpi, settings.background);
                renderer.Draw(canvas, *layout);
                if (!canvas.Finish(pdf, why)) {
                    result.error = path + ": " + why;
                    return result;
                }
            } catch (const std::bad_alloc&) {
                result.error = path + ": not enough memory for the PDF";
                return result;
            }
        } else {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(QSize(result.width, result.height));
            svg.setViewBox(QRect(0, 0, result.width, result.height));
            svg.setResolution(static_cast<int>(std::lround(options.dpi)));
            QPainter painter(&svg);
            Paint(painter, renderer, *layout, extents, page, settings.background);
        }
        TakeStats(renderer, options, result);
    }
    buffer.close();
    try {
        posix::ReplaceFile(path, *format == PlotFormat::Pdf ? std::string_view(pdf)
                                                            : std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    } catch (const std::exception& e) {
        result.error = path + ": " + e.what();
        return result;
    }
    result.ok = true;
    return result;
}

PlotResult PlotDatabase(AcDbDatabase& database, const PlotSettings& settings, const std::string& path) {
    const Drawing drawing(dxf::CurrentDocument(database));
    return PlotDrawing(drawing, settings, path);
}

}  // namespace platform::view
