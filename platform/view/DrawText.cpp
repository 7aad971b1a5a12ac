// Single-line text: TEXT, the attributes of block references (ATTRIB) and attribute
// definitions drawn in a layout (ATTDEF, which shows its tag).
#include <algorithm>
#include <cmath>

#include "view/EntityDrawer.h"
#include "view/TextCodes.h"

namespace platform::view {

void EntityDrawer::EmitText(const QString& text, const FontFace& face, const QTransform& toEntity, double elevation,
                            const QColor& color, const Context& ctx) {
    if (!text.isEmpty()) EmitText(text, face.Advance(text), face, toEntity, elevation, color, ctx);
}

void EntityDrawer::EmitText(const QString& text, double advance, const FontFace& face, const QTransform& toEntity, double elevation,
                            const QColor& color, const Context& ctx) {
    if (text.isEmpty()) return;
    const Vec3 o = ctx.m.Apply({toEntity.dx(), toEntity.dy(), elevation});
    const Vec3 ex = ctx.m.ApplyVector({toEntity.m11(), toEntity.m12(), 0});
    const Vec3 ey = ctx.m.ApplyVector({toEntity.m21(), toEntity.m22(), 0});
    const QTransform toWorld(ex.x, ex.y, ey.x, ey.y, o.x, o.y);
    const QRectF box(0, -face.Ascent(), advance, face.Ascent() + face.Descent());
    canvas.Text(text, face, box, toWorld, color);
}

const QString& EntityDrawer::Utf16(std::string_view text) {
    // Nearly every text of a table is ASCII: widened into the reused string, not a new one.
    m_utf16.resize(static_cast<qsizetype>(text.size()));
    char16_t* out = reinterpret_cast<char16_t*>(m_utf16.data());
    unsigned char high = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        high |= byte;
        *out++ = byte;
    }
    if (high >= 0x80) m_utf16 = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return m_utf16;
}

bool EntityDrawer::TooSmallToShow(const FontFace& face, double k, double widthFactor, double planScale) const {
    const double pixel = canvas.PixelSize();
    if (options.vectorDevice || !(pixel > 0)) return false;
    // At most the height the canvas finds for the text's glyphs (the root of their area's scale).
    const double most = (face.Ascent() + face.Descent()) * std::abs(k) * std::sqrt(std::max(1.0, std::abs(widthFactor))) * planScale;
    return most < options.invisiblePixels * pixel;
}

void EntityDrawer::DrawText(const EntityTags& t, const Props& p, const Context& ctx) {
    using dxf::entities::AttDef;
    using dxf::entities::Attrib;
    using dxf::entities::Text;
    const std::string_view type = t.Type();
    const bool definition = type == AttDef::type.name;
    const bool attribute = definition || type == Attrib::type.name;
    // Definitions belong to their block and show only where they are drawn on their own.
    if (definition && ctx.depth > 0) return;
    if (attribute && (t.Get(Attrib::flags) & Attrib::kInvisible)) return;
    const std::string_view raw = definition ? t.Get(AttDef::tag) : t.Get(Text::text);
    if (raw.empty()) return;
    const TextStyleInfo& style = TextStyle(t.Get(Text::style));
    double height = t.Get(Text::height);
    if (!(height > 0)) height = style.height > 0 ? style.height : 2.5;
    double widthFactor = t.Has(Text::widthFactor) ? t.Get(Text::widthFactor) : style.width;
    if (!(widthFactor > 0)) widthFactor = 1;
    const int horizontal = static_cast<int>(t.Get(Text::horizontal));
    const bool fitted = horizontal == Text::kAligned || horizontal == Text::kFit;
    const FontFace& face = fonts.Face(style.family, style.bold, style.italic);
    double k = height / face.CapHeight();  // entity units per font unit
    const Context local = ctx.Within(OcsMatrix(t.Get(Text::extrusion)));
    // Aligned and fit text take their size from their length: only the others are known small.
    if (!fitted && TooSmallToShow(face, k, widthFactor, local.m.PlanScale())) return;
    QString text = DecodeTextCodes(raw);
    // A single line: a control character in it (a line feed from ^J) draws nothing.
    text.removeIf([](QChar c) { return c.unicode() < 0x20; });
    if (text.isEmpty()) return;
    const double oblique = Radians(t.Has(Text::oblique) ? t.Get(Text::oblique) : style.oblique);
    double rotation = Radians(t.Get(Text::rotation));
    const int generation = static_cast<int>(t.Get(Text::generation, style.generation));
    const int vertical = static_cast<int>(t.Get(attribute ? Attrib::vertical : Text::vertical));
    const Vec3 first = t.Get(Text::first);
    const Vec3 second = t.Get(Text::second, first);
    Vec3 anchor = (horizontal == Text::kLeft && vertical == 0) ? first : second;

    const double advance = face.Advance(text);
    double width = advance * k * widthFactor;
    double x0 = 0, y0 = 0;
    if (fitted && advance > 0) {
        // Aligned and fit: the text runs from the first point to the second; aligned keeps its
        // proportions, fit keeps its height.
        const Vec3 d = second - first;
        const double length = std::hypot(d.x, d.y);
        if (length > 0) {
            rotation = std::atan2(d.y, d.x);
            if (horizontal == Text::kAligned) {
                k = length / (advance * widthFactor);
                height = k * face.CapHeight();
            } else {
                widthFactor = length / (advance * k);
            }
            width = length;
        }
        anchor = first;
    } else {
        if (horizontal == Text::kCenter || horizontal == Text::kMiddle) x0 = -width / 2;
        else if (horizontal == Text::kRight) x0 = -width;
    }
    if (horizontal == Text::kMiddle && vertical == 0) y0 = -height / 2;
    else if (vertical == 1) y0 = face.Descent() * k;
    else if (vertical == 2) y0 = -height / 2;
    else if (vertical == 3) y0 = -height;
    if (fitted) y0 = 0;

    const double sx = (generation & 2) ? -1 : 1, sy = (generation & 4) ? -1 : 1;
    // Font units (y down) to the text's own axes, then turned and placed in the entity's plane.
    const QTransform glyphs(k * widthFactor * sx, 0, -k * std::tan(oblique) * sx, -k * sy, x0 * sx, y0 * sy);
    QTransform place;
    place.translate(anchor.x, anchor.y);
    place.rotateRadians(rotation);
    EmitText(text, face, glyphs * place, anchor.z, p.color, local);
}

namespace {

bool DrawTexts(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts&) {
    d.DrawText(t, p, ctx);
    return true;
}
const DrawerRegistration kTexts({&dxf::entities::Text::type, &dxf::entities::AttDef::type}, DrawTexts);

}  // namespace

}  // namespace platform::view
