#pragma once
// The faces text is drawn in: the DejaVu family at one reference size, scaled to each text's
// height. Advances come from the face's glyphs without kerning, so a run measured here is as
// wide as the run the painter draws.
#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::view {

class FontFace {
public:
    FontFace(const std::string& family, bool bold, bool italic);

    const QFont& Font() const { return m_font; }
    // In font units (pixels of the reference size).
    double CapHeight() const { return m_capHeight; }
    double Ascent() const { return m_ascent; }
    double Descent() const { return m_descent; }
    double Advance(QStringView text) const {
        // ASCII first, in a loop without a call, so the sum stays in a register.
        double width = 0;
        qsizetype i = 0;
        for (const qsizetype n = text.size(); i < n && text[i].unicode() < 128; ++i) width += m_ascii[text[i].unicode()];
        return i == text.size() ? width : OtherAdvances(text.sliced(i), width);
    }

    // The face's glyph ids for the text, one a character, each to be placed at the advance the
    // face measures (so in place, given the glyphs' widths). False when the text needs more
    // than one glyph a character in this face: shaping (ligatures too), or a character the face
    // lacks. Replaces what `glyphs` held (with something undefined when false).
    bool Glyphs(QStringView text, std::vector<quint32>& glyphs) const;
    const QRawFont& RawFont() const;

    static constexpr int kReferencePixels = 100;

private:
    double CharAdvance(char16_t c) const { return c < 128 ? m_ascii[c] : OtherAdvance(c); }
    double OtherAdvance(char16_t c) const;
    double OtherAdvances(QStringView text, double width) const;  // added to width in order
    quint32 CharGlyph(char16_t c) const;

    QFont m_font;
    double m_capHeight = 72, m_ascent = 93, m_descent = 24;
    std::array<double, 128> m_ascii{};
    mutable std::unordered_map<char16_t, double> m_other;
    std::unique_ptr<QFontMetricsF> m_metrics;
    // Made on first use: only vector output asks for glyphs.
    mutable std::unique_ptr<QRawFont> m_raw;
    mutable std::array<quint32, 128> m_asciiGlyphs{};
    mutable std::unordered_map<char16_t, quint32> m_otherGlyphs;
};

class Fonts {
public:
    const FontFace& Face(const std::string& family, bool bold, bool italic);

private:
    std::unordered_map<std::string, std::unique_ptr<FontFace>> m_faces;
    // Texts come in runs of one face: the last one asked for.
    std::string m_lastFamily;
    bool m_lastBold = false, m_lastItalic = false;
    const FontFace* m_last = nullptr;
};

}  // namespace platform::view
