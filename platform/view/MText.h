#pragma once
// Multi-line text: its inline codes read into paragraphs of styled runs, laid out in lines
// wrapped at the reference width, and placed by the attachment point. The codes read are
// \P (new paragraph), \N (new column), \~ (hard space), \\ \{ \} (literal characters), { }
// (groups), \H (height, absolute or "x" relative), \C and \c (colour index, true colour),
// \f and \F (font, with |b1 bold and |i1 italic), \L \l \O \o \K \k (under-, over- and
// strike-through, drawn as lines), \W (width factor), \Q (oblique), \T (tracking), \S
// (stacked text: a^b, a/b, a#b), \A (vertical alignment), \p (paragraph settings: alignment
// only), \U+XXXX; others are dropped with their argument. Carets encode control characters
// (^J a line break, ^I a tab).
#include <QColor>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace platform::view {

struct MTextStyle {
    std::string family;
    bool bold = false, italic = false;
    double height = 2.5;  // cap height, in drawing units
    double width = 1;     // width factor
    double oblique = 0;   // degrees
    double tracking = 1;
    bool underline = false, overline = false, strike = false;
    bool hasColor = false;  // otherwise the entity's
    int aci = 256;
    bool trueColor = false;
    unsigned rgb = 0;
    int align = 0;  // of the paragraph: 0 as the attachment point says, 1 left, 2 centre, 3 right
};

struct MTextRun {
    enum Kind { Text, Space, Tab, Paragraph, Column, Stack } kind = Text;
    QString text;             // Text; the upper part of a Stack
    QString lower;            // of a Stack
    char stackKind = '/';     // '/', '#' or '^'
    MTextStyle style;
};

// Reads the contents (MTEXT codes 3 and 1, joined) into runs; `base` is the entity's style.
std::vector<MTextRun> ParseMText(std::string_view contents, const MTextStyle& base);

}  // namespace platform::view
