#pragma once
// Comparing two pictures of one drawing: each cropped to what it draws, scaled to one size, its
// strokes thickened a little; the share of drawn pixels the two have in common (intersection
// over union). Used by the comparison with ezdxf and by the gallery. Where what matters is
// which of two overlapping things shows (the draw order), only the pixels of one colour count,
// framed by the whole picture.
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace viewtest {

constexpr int kSide = 256, kThicken = 3;

// Drawn pixels: anything clearly not the white background; with a colour, only the pixels near
// it (the bounds still those of everything drawn).
inline std::vector<unsigned char> Mask(const QImage& image, QRect& bounds, std::optional<QRgb> only = std::nullopt) {
    std::vector<unsigned char> mask(static_cast<size_t>(image.width()) * image.height());
    int x0 = image.width(), y0 = image.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x];
            if (765 - (qRed(c) + qGreen(c) + qBlue(c)) > 90) {
                const bool counted = !only || std::abs(qRed(c) - qRed(*only)) + std::abs(qGreen(c) - qGreen(*only)) +
                                                      std::abs(qBlue(c) - qBlue(*only)) < 150;
                if (counted) mask[static_cast<size_t>(y) * image.width() + x] = 1;
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
        }
    }
    bounds = x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
    return mask;
}

// The drawn part of the picture on kSide x kSide, strokes grown by kThicken pixels.
inline std::vector<unsigned char> Normalized(const QImage& picture, std::optional<QRgb> only = std::nullopt) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QRect bounds;
    const std::vector<unsigned char> mask = Mask(image, bounds, only);
    std::vector<unsigned char> out(static_cast<size_t>(kSide) * kSide);
    if (bounds.isEmpty()) return out;
    std::vector<unsigned char> scaled(out.size());
    // A target pixel is drawn when any source pixel it covers is.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!mask[static_cast<size_t>(y) * image.width() + x] || !bounds.contains(x, y)) continue;
            const int tx = std::min(kSide - 1, (x - bounds.left()) * kSide / std::max(1, bounds.width()));
            const int ty = std::min(kSide - 1, (y - bounds.top()) * kSide / std::max(1, bounds.height()));
            scaled[static_cast<size_t>(ty) * kSide + tx] = 1;
        }
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            if (!scaled[static_cast<size_t>(y) * kSide + x]) continue;
            for (int dy = -kThicken; dy <= kThicken; ++dy)
                for (int dx = -kThicken; dx <= kThicken; ++dx) {
                    const int px = x + dx, py = y + dy;
                    if (px >= 0 && py >= 0 && px < kSide && py < kSide && dx * dx + dy * dy <= kThicken * kThicken)
                        out[static_cast<size_t>(py) * kSide + px] = 1;
                }
        }
    return out;
}

inline double IntersectionOverUnion(const QImage& a, const QImage& b, std::optional<QRgb> only = std::nullopt) {
    const std::vector<unsigned char> ma = Normalized(a, only), mb = Normalized(b, only);
    size_t both = 0, any = 0;
    for (size_t i = 0; i < ma.size(); ++i) {
        both += ma[i] && mb[i];
        any += ma[i] || mb[i];
    }
    return any == 0 ? 1.0 : static_cast<double>(both) / static_cast<double>(any);
}

}  // namespace viewtest
