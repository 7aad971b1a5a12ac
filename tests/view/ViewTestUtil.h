#pragma once
// Drawings written as DXF text for the renderer's tests (a table's as the writer writes it),
// and pictures of them.
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "view/Drawing.h"
#include "dxf/AcadTable.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTemplate.h"
#include "dxf/DxfWriter.h"
#include "dxf/TableBlock.h"
#include "view/GuiApplication.h"
#include "view/Renderer.h"

namespace viewtest {

inline void UseOffscreenToolkit() {
    ::setenv("VELLORIA_CONSOLE_DIALOGS", "1", 1);
    platform::view::EnsureGuiApplication();
}

// A DXF file: layers (name, colour; a negative colour is off; flags 1 frozen), line types,
// blocks and entities, each entity or record as "code\nvalue\n..." lines.
class DxfText {
public:
    DxfText& Layer(const std::string& name, int color, int flags = 0, const std::string& linetype = "CONTINUOUS") {
        m_layers += "0\nLAYER\n2\n" + name + "\n70\n" + std::to_string(flags) + "\n62\n" + std::to_string(color) + "\n6\n" + linetype + "\n";
        return *this;
    }
    DxfText& Linetype(const std::string& name, const std::string& elements, int count, double length) {
        m_linetypes += "0\nLTYPE\n2\n" + name + "\n70\n0\n72\n65\n73\n" + std::to_string(count) + "\n40\n" + std::to_string(length) + "\n" + elements;
        return *this;
    }
    DxfText& Block(const std::string& name, const std::string& entities, double bx = 0, double by = 0) {
        m_blocks += "0\nBLOCK\n8\n0\n2\n" + name + "\n70\n0\n10\n" + std::to_string(bx) + "\n20\n" + std::to_string(by) +
                    "\n30\n0\n3\n" + name + "\n" + entities + "0\nENDBLK\n8\n0\n";
        return *this;
    }
    DxfText& Entity(const std::string& type, const std::string& tags) {
        m_entities += "0\n" + type + "\n" + tags;
        return *this;
    }
    std::string Text() const {
        return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n70\n1\n" +
               m_linetypes + "0\nENDTAB\n0\nTABLE\n2\nLAYER\n70\n1\n0\nLAYER\n2\n0\n70\n0\n62\n7\n6\nCONTINUOUS\n" + m_layers +
               "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n" + m_blocks + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + m_entities +
               "0\nENDSEC\n0\nEOF\n";
    }

private:
    std::string m_layers, m_linetypes, m_blocks, m_entities;
};

inline std::shared_ptr<const platform::dxf::Document> Parse(const std::string& text, platform::dxf::ReadOptions options = {}) {
    platform::dxf::ReadResult read = platform::dxf::ReadDxfText(text, "test.dxf", options);
    if (!read) throw std::runtime_error(read.error->Message());
    return std::shared_ptr<const platform::dxf::Document>(std::move(read.document));
}

// The layout drawn on white with the world rectangle (x0, y0)-(x1, y1) filling the picture.
inline QImage Picture(const platform::view::Drawing& drawing, double x0, double y0, double x1, double y1, int width = 200,
                      int height = 200, const std::string& layout = "Model") {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::view::Renderer renderer(drawing);
    const platform::view::Box view = platform::view::Box::Of(x0, y0, x1, y1);
    QPainter painter(&image);
    renderer.Draw(painter, *drawing.FindLayout(layout), view, platform::view::Renderer::FitTransform(view, QRectF(0, 0, width, height)));
    return image;
}

// Whether anything is drawn within r pixels of (x, y) (anything not white).
inline bool Inked(const QImage& image, int x, int y, int r = 1) {
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
            if (image.pixel(px, py) != qRgb(255, 255, 255)) return true;
        }
    return false;
}

// The colour most present within r pixels of (x, y), white left out.
inline QColor InkAt(const QImage& image, int x, int y, int r = 1) {
    QRgb best = qRgb(255, 255, 255);
    int darkest = 255 * 3;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
            const QRgb c = image.pixel(px, py);
            const int sum = qRed(c) + qGreen(c) + qBlue(c);
            if (sum < darkest) darkest = sum, best = c;
        }
    return QColor(best);
}

// Whether two colours have the same strong channels (antialiasing pales a line's colour).
inline bool SameHue(const QColor& a, const QColor& b) {
    return (a.red() > 200) == (b.red() > 200) && (a.green() > 200) == (b.green() > 200) && (a.blue() > 200) == (b.blue() > 200) &&
           a != QColor(Qt::white);
}

// A drawing of one table of `rows` rows of 4 and 10 columns of 20 below (0, 0), as the writer
// writes it, each cell holding its number.
inline std::string TableDrawing(int rows) {
    auto made = platform::dxf::NewDocument();
    platform::dxf::AcadTable table;
    table.Resize(rows, 10, 4, 20);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 10; ++c) table.Cell(r, c).text = std::to_string(r * 10 + c);
    platform::dxf::StoreTable(*made, table);
    platform::dxf::PrepareForSave(*made);
    return platform::dxf::WriteDxfToString(*made);
}

}  // namespace viewtest
