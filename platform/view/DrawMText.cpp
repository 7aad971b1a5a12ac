// Multi-line text: lines laid out from the parsed runs, wrapped at the reference width (or the
// column width), flowed into columns, and placed by the attachment point.
#include <algorithm>
#include <array>
#include <cmath>

#include "view/EntityDrawer.h"
#include "view/MText.h"

namespace platform::view {

namespace {

using dxf::entities::MText;

struct Piece {
    const MTextRun* run;
    const FontFace* face;
    double x = 0, width = 0;
};

struct Line {
    std::vector<Piece> pieces;
    double width = 0, height = 0;
    int align = 0;
    bool columnBreak = false;  // a new column starts after this line
};

double Scale(const MTextRun& run, const FontFace& face) { return run.style.height / face.CapHeight(); }

// The characters that may begin a formatting code, a stack or a special character, or break a
// line: a text without them is drawn as it stands.
constexpr std::array<bool, 256> kCoding = [] {
    std::array<bool, 256> coding{};
    for (const unsigned char c : {'\\', '{', '}', '^', '%'}) coding[c] = true;
    for (unsigned char c = 0; c < 0x20; ++c) coding[c] = true;
    return coding;
}();

bool SameLook(const MTextRun& a, const MTextRun& b) {
    const MTextStyle &x = a.style, &y = b.style;
    return x.family == y.family && x.bold == y.bold && x.italic == y.italic && x.height == y.height && x.width == y.width &&
           x.oblique == y.oblique && x.hasColor == y.hasColor && x.aci == y.aci && x.trueColor == y.trueColor &&
           x.rgb == y.rgb && x.underline == y.underline && x.overline == y.overline && x.strike == y.strike;
}

// A font named by \f maps to its DejaVu face.
void MapRunFonts(std::vector<MTextRun>& runs, const MTextStyle& base) {
    for (MTextRun& run : runs)
        if (run.style.family != base.family || run.style.bold != base.bold || run.style.italic != base.italic) {
            if (run.style.family.rfind("DejaVu", 0) == 0) continue;
            TextStyleInfo mapped;
            MapFontName(run.style.family, 0, mapped);
            run.style.family = mapped.family;
            run.style.bold = run.style.bold || mapped.bold;
            run.style.italic = run.style.italic || mapped.italic;
        }
}

// The runs broken into lines: at paragraph and column breaks, and before a run that would
// pass the reference width (when there is one).
std::vector<Line> LayOutLines(const std::vector<MTextRun>& runs, Fonts& fonts, double referenceWidth, double baseHeight) {
    std::vector<Line> lines(1);
    auto newLine = [&](bool columnBreak) {
        lines.back().columnBreak = columnBreak;
        lines.emplace_back();
    };
    double x = 0;
    for (const MTextRun& run : runs) {
        if (run.kind == MTextRun::Paragraph || run.kind == MTextRun::Column) {
            newLine(run.kind == MTextRun::Column);
            x = 0;
            continue;
        }
        const FontFace& face = fonts.Face(run.style.family, run.style.bold, run.style.italic);
        const double k = Scale(run, face) * run.style.width;
        double width = 0;
        if (run.kind == MTextRun::Text) width = face.Advance(run.text) * k;
        else if (run.kind == MTextRun::Space) width = face.Advance(QStringLiteral(" ")) * k;
        else if (run.kind == MTextRun::Tab) width = std::ceil((x + 1e-9) / (run.style.height * 4)) * run.style.height * 4 - x;
        else width = std::max(face.Advance(run.text), face.Advance(run.lower)) * k * 0.7;
        if (run.kind != MTextRun::Space && referenceWidth > 0 && x > 0 && x + width > referenceWidth * 1.0001) {
            // Wrap before this run; the spaces that ended the line do not count.
            while (!lines.back().pieces.empty() && lines.back().pieces.back().run->kind == MTextRun::Space) {
                x -= lines.back().pieces.back().width;
                lines.back().pieces.pop_back();
            }
            lines.back().width = x;
            newLine(false);
            x = 0;
        }
        Line& current = lines.back();
        current.pieces.push_back({&run, &face, x, width});
        current.align = run.style.align;
        current.height = std::max(current.height, run.style.height);
        x += width;
        current.width = x;
    }
    // Trailing spaces do not count towards a line's width.
    for (Line& line : lines) {
        while (!line.pieces.empty() && line.pieces.back().run->kind == MTextRun::Space) line.pieces.pop_back();
        line.width = line.pieces.empty() ? 0 : line.pieces.back().x + line.pieces.back().width;
        if (line.height == 0) line.height = baseHeight;
    }
    return lines;
}

// How a text flows into columns. Files of 2018 and later keep it in the entity's own codes
// (75 and on); older ones in the extended data of ACAD, between ACAD_MTEXT_COLUMN_INFO_BEGIN and
// _END, as pairs of a code and its value, with the text's further columns (empty for a
// dynamic flow, each a text of its own for static columns) as entities of their own.
struct Columns {
    int type = 0;  // 0 none, 1 static, 2 dynamic
    int count = 1;
    double width = 0, gutter = 0, definedHeight = 0;
    std::vector<double> heights;  // a column's each, where they are given
};

Columns ReadColumns(const EntityTags& t) {
    Columns c;
    c.definedHeight = t.Get(MText::definedHeight);
    if (t.Has(MText::columnType)) {
        c.type = static_cast<int>(t.Get(MText::columnType));
        c.count = static_cast<int>(t.Get(MText::columnCount));
        c.width = t.Get(MText::columnWidth);
        c.gutter = t.Get(MText::gutter);
        for (size_t i = t.Find(MText::columnHeight, t.Find(MText::columnType, 0)); i < t.End(); i = t.Find(MText::columnHeight, i + 1))
            c.heights.push_back(t[i].DoubleOr(0));
        return c;
    }
    const std::vector<dxf::Tag>& tags = t.Tags();
    size_t i = t.End();
    while (i < tags.size() && !(tags[i].code == 1001 && tags[i].Value() == "ACAD")) ++i;
    for (++i; i < tags.size() && !(tags[i].code == 1000 && tags[i].Value() == "ACAD_MTEXT_COLUMN_INFO_BEGIN"); ++i)
        if (tags[i].code == 1001) return c;  // another application's data: ACAD's has none
    for (++i; i + 1 < tags.size() && tags[i].code == 1070; i += 2) {
        const int code = static_cast<int>(tags[i].IntOr(0));
        const dxf::Tag& value = tags[i + 1];
        if (code == 75) c.type = static_cast<int>(value.IntOr(0));
        else if (code == 76) c.count = static_cast<int>(value.IntOr(1));
        else if (code == 48) c.width = value.DoubleOr(0);
        else if (code == 49) c.gutter = value.DoubleOr(0);
        else if (code == 50)
            for (int k = 0, n = static_cast<int>(value.IntOr(0)); k < n && i + 2 < tags.size() && tags[i + 2].code == 1040; ++k, ++i)
                c.heights.push_back(tags[i + 2].DoubleOr(0));
    }
    return c;
}

// Where the lines go: each line's column offset and baseline, and the lowest baseline.
struct Placement {
    std::vector<std::pair<double, double>> place;  // column offset, baseline
    double bottom = 0;
};

// Baselines, flowing into columns where the text has them (each column's own height where
// given, else the defined height).
Placement PlaceLines(const EntityTags& t, const std::vector<Line>& lines, const Columns* columns, double referenceWidth) {
    const int columnCount = columns ? columns->count : 1;
    const double gutter = columns ? columns->gutter : 0;
    const double definedHeight = columns ? columns->definedHeight : 0;
    double spacing = t.Get(MText::lineSpacing);
    if (!(spacing > 0)) spacing = 1;
    static const std::vector<double> none;
    const std::vector<double>& heights = columns ? columns->heights : none;
    Placement out;
    out.place.resize(lines.size());
    double baseline = 0, column = 0;
    int columnIndex = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const double step = i == 0 || baseline == 0 ? lines[i].height : lines[i].height * spacing * 5.0 / 3.0;
        double next = baseline - step;
        if (columns && columnIndex + 1 < std::max(columnCount, 1)) {
            double limit = definedHeight;
            if (static_cast<size_t>(columnIndex) < heights.size() && heights[static_cast<size_t>(columnIndex)] > 0)
                limit = heights[static_cast<size_t>(columnIndex)];
            if (limit > 0 && baseline != 0 && -(next) > limit) {
                column += referenceWidth + gutter;
                ++columnIndex;
                next = -lines[i].height;
            }
        }
        baseline = next;
        out.place[i] = {column, baseline};
        out.bottom = std::min(out.bottom, baseline);
        if (columns && lines[i].columnBreak && columnIndex + 1 < columnCount) {
            column += referenceWidth + gutter;
            ++columnIndex;
            baseline = 0;
        }
    }
    return out;
}

// The text of the piece at k and of the pieces after it that look alike, spaces included,
// to go out as one run; k is left at the last piece taken and end at its right edge.
QString MergedText(const Line& line, size_t& k, double& end) {
    const Piece& piece = line.pieces[k];
    const MTextRun& run = *piece.run;
    QString text = run.text;
    end = piece.x + piece.width;
    while (k + 1 < line.pieces.size()) {
        const Piece& nextPiece = line.pieces[k + 1];
        if (nextPiece.run->kind == MTextRun::Text || nextPiece.run->kind == MTextRun::Space) {
            if (!SameLook(run, *nextPiece.run)) break;
            text += nextPiece.run->kind == MTextRun::Space ? QStringLiteral(" ") : nextPiece.run->text;
            end = nextPiece.x + nextPiece.width;
            ++k;
        } else {
            break;
        }
    }
    return text;
}

// Glyphs of the run's font units at (px, py), s drawing units a font unit, slanted by its
// obliquing angle.
QTransform Glyphs(const MTextRun& run, double px, double py, double s) {
    const double slant = std::tan(Radians(run.style.oblique));
    return QTransform(s * run.style.width, 0, -s * slant, -s, px, py);
}

// A stacked fraction at (x, y) of the given width.
void DrawMTextStack(EntityDrawer& d, const MTextRun& run, const FontFace& face, double x, double y, double width, const QColor& color,
                    const Props& p, const Context& local) {
    const double s = Scale(run, face) * 0.7, hgt = run.style.height;
    if (run.stackKind == '^') {
        d.EmitText(run.text, face, Glyphs(run, x, y + hgt * 0.6, s), 0, color, local);
        d.EmitText(run.lower, face, Glyphs(run, x, y - hgt * 0.35, s), 0, color, local);
    } else {
        d.EmitText(run.text, face, Glyphs(run, x, y + hgt * 0.45, s), 0, color, local);
        d.EmitText(run.lower, face, Glyphs(run, x, y - hgt * 0.45, s), 0, color, local);
        Props bar = p;
        bar.color = color;
        d.Stroke({{x, y + hgt * 0.3, 0}, {x + width, y + hgt * 0.3, 0}}, false, bar, local);
    }
}

// The rules under, over and through a run of text from x0 to x1 on the baseline y.
void DrawMTextRules(EntityDrawer& d, const MTextRun& run, double x0, double x1, double y, const QColor& color, const Props& p,
                    const Context& local) {
    const double hgt = run.style.height;
    Props rule = p;
    rule.color = color;
    if (run.style.underline) d.Stroke({{x0, y - hgt * 0.2, 0}, {x1, y - hgt * 0.2, 0}}, false, rule, local);
    if (run.style.overline) d.Stroke({{x0, y + hgt * 1.2, 0}, {x1, y + hgt * 1.2, 0}}, false, rule, local);
    if (run.style.strike) d.Stroke({{x0, y + hgt * 0.5, 0}, {x1, y + hgt * 0.5, 0}}, false, rule, local);
}

}  // namespace

void EntityDrawer::DrawMText(const EntityTags& t, const Props& p, const Context& ctx) {
    // The contents: the 3 chunks in order, then the 1.
    std::string joined;
    std::string_view contents = t.Get(MText::text);
    if (t.Has(MText::text.chunkCode)) {
        for (size_t i = t.Find(MText::text.chunkCode); i < t.End(); i = t.Find(MText::text.chunkCode, i + 1)) joined.append(t[i].Value());
        joined.append(contents);
        contents = joined;
    }
    if (contents.empty()) return;

    const TextStyleInfo& entityStyle = TextStyle(t.Get(MText::style));
    MTextStyle base;
    base.family = entityStyle.family, base.bold = entityStyle.bold, base.italic = entityStyle.italic;
    base.height = t.Get(MText::height, entityStyle.height > 0 ? entityStyle.height : 2.5);
    if (!(base.height > 0)) base.height = 2.5;
    base.width = entityStyle.width;
    base.oblique = entityStyle.oblique;
    const int attachment = std::clamp(static_cast<int>(t.Get(MText::attachment)), 1, 9);
    const Columns flow = ReadColumns(t);
    const bool columns = (flow.type == 1 || flow.type == 2) && flow.width > 0;
    const double referenceWidth = columns ? flow.width : t.Get(MText::width);
    const bool plain = !columns && std::none_of(contents.begin(), contents.end(), [](char c) { return kCoding[static_cast<unsigned char>(c)]; });
    const FontFace* plainFace = nullptr;
    if (plain) {
        plainFace = &fonts.Face(base.family, base.bold, base.italic);
        if (!options.vectorDevice) {
            // Too small to show however the text's axes turn it: the plan stretch of any
            // direction is at most the sum of the three axes' plan lengths.
            const Matrix& m = ctx.m;
            const double most = std::hypot(m.X.x, m.X.y) + std::hypot(m.Y.x, m.Y.y) + std::hypot(m.Z.x, m.Z.y);
            if (TooSmallToShow(*plainFace, base.height / plainFace->CapHeight(), base.width, most)) return;
        }
    }

    // The text's own axes: the direction vector, or the rotation, in the plane of its extrusion.
    // Most texts (a table's cells) have none of them: their axes are the world's.
    const Vec3 extrusion = t.Get(MText::extrusion).Normalized();
    const bool upright = !t.Has(MText::xAxis) && !t.Has(MText::rotation) && extrusion.x == 0 && extrusion.y == 0 && extrusion.z == 1;
    Vec3 xAxis = t.Has(MText::xAxis) ? t.Get(MText::xAxis) : Vec3{};
    if (!upright && xAxis.Length() == 0) {
        const Matrix ocs = OcsMatrix(extrusion);
        const double r = Radians(t.Get(MText::rotation));
        xAxis = r == 0 ? ocs.X : ocs.ApplyVector({std::cos(r), std::sin(r), 0});
    }
    const Context local = upright ? ctx.Moved(t.Get(MText::insert)) : [&] {
        const Vec3 x = xAxis.Normalized();
        return ctx.Within(Matrix{x, extrusion.Cross(x).Normalized(), extrusion, t.Get(MText::insert)});
    }();
    const int h = (attachment - 1) % 3;  // 0 left, 1 centre, 2 right
    const int v = (attachment - 1) / 3;  // 0 top, 1 middle, 2 bottom

    // Plain text on one line (most table cells) needs no parsing and no layout.
    if (plain) {
        const FontFace& face = *plainFace;
        const double k = base.height / face.CapHeight();
        const QString& text = Utf16(contents);
        const double advance = face.Advance(text);
        const double width = advance * k * base.width;
        if (!(referenceWidth > 0) || width <= referenceWidth * 1.0001) {
            const double x = h == 0 ? 0 : h == 1 ? -width / 2 : -width;
            const double y = v == 0 ? -base.height : v == 1 ? -base.height / 2 : 0;
            const double slant = base.oblique == 0 ? 0 : std::tan(Radians(base.oblique));
            EmitText(text, advance, face, QTransform(k * base.width, 0, -k * slant, -k, x, y), 0, p.color, local);
            return;
        }
    }

    std::vector<MTextRun> runs = ParseMText(contents, base);
    MapRunFonts(runs, base);
    const std::vector<Line> lines = LayOutLines(runs, fonts, referenceWidth, base.height);
    const Placement placement = PlaceLines(t, lines, columns ? &flow : nullptr, referenceWidth);
    const std::vector<std::pair<double, double>>& place = placement.place;
    double blockWidth = referenceWidth;
    if (!(blockWidth > 0))
        for (const Line& line : lines) blockWidth = std::max(blockWidth, line.width);
    const double height = -placement.bottom;
    const double dy = v == 0 ? 0 : v == 1 ? height / 2 : height;
    const double left = h == 0 ? 0 : h == 1 ? -blockWidth / 2 : -blockWidth;

    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const int align = line.align == 0 ? h : line.align - 1;
        const double lineX = place[i].first + left +
                             (align == 0 ? 0 : align == 1 ? (blockWidth - line.width) / 2 : blockWidth - line.width);
        const double y = place[i].second + dy;
        for (size_t k = 0; k < line.pieces.size(); ++k) {
            const Piece& piece = line.pieces[k];
            const MTextRun& run = *piece.run;
            const QColor color = run.style.hasColor
                                     ? ColorOf(DrawingColor{run.style.aci, run.style.trueColor, run.style.rgb}, ctx, p.layer)
                                     : p.color;
            if (run.kind == MTextRun::Stack) {
                DrawMTextStack(*this, run, *piece.face, lineX + piece.x, y, piece.width, color, p, local);
                continue;
            }
            if (run.kind != MTextRun::Text) continue;
            // Runs that look alike go out as one, spaces included.
            double end = 0;
            const QString text = MergedText(line, k, end);
            EmitText(text, *piece.face, Glyphs(run, lineX + piece.x, y, Scale(run, *piece.face)), 0, color, local);
            DrawMTextRules(*this, run, lineX + piece.x, lineX + end, y, color, p, local);
        }
    }
}

namespace {

bool DrawMTexts(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    d.DrawMText(t, p, ctx);
    return true;
}
const DrawerRegistration kMTexts({&MText::type}, DrawMTexts);

}  // namespace

}  // namespace platform::view
