#include "view/MText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

#include "view/TextCodes.h"

namespace platform::view {

namespace {

class Parser {
public:
    Parser(std::string_view text, const MTextStyle& base) : m_text(text), m_base(base) { m_stack.push_back(base); }

    std::vector<MTextRun> Run() {
        while (m_i < m_text.size()) Step();
        FlushText();
        return std::move(m_runs);
    }

private:
    MTextStyle& Style() { return m_stack.back(); }

    void FlushText() {
        if (m_pending.isEmpty()) return;
        MTextRun run;
        run.kind = MTextRun::Text;
        run.text = std::move(m_pending);
        run.style = Style();
        m_runs.push_back(std::move(run));
        m_pending.clear();
    }

    void Push(MTextRun::Kind kind) {
        FlushText();
        MTextRun run;
        run.kind = kind;
        run.style = Style();
        m_runs.push_back(std::move(run));
    }

    // The argument of a code, up to its ';' (or the end).
    std::string_view Argument() {
        const size_t end = m_text.find(';', m_i);
        const std::string_view arg = m_text.substr(m_i, end == std::string_view::npos ? std::string_view::npos : end - m_i);
        m_i = end == std::string_view::npos ? m_text.size() : end + 1;
        return arg;
    }

    static double Number(std::string_view s, double fallback) {
        while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
        double v = fallback;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        return r.ec == std::errc() && std::isfinite(v) ? v : fallback;
    }

    void ChangeStyle(const MTextStyle& style) {
        FlushText();
        Style() = style;
    }

    void Code(char c) {
        MTextStyle s = Style();
        switch (c) {
        case 'P': Push(MTextRun::Paragraph); break;
        case 'N': Push(MTextRun::Column); break;
        case '~': m_pending += QChar(0x00A0); break;
        case '\\': case '{': case '}': m_pending += QChar(c); break;
        case 'L': s.underline = true, ChangeStyle(s); break;
        case 'l': s.underline = false, ChangeStyle(s); break;
        case 'O': s.overline = true, ChangeStyle(s); break;
        case 'o': s.overline = false, ChangeStyle(s); break;
        case 'K': s.strike = true, ChangeStyle(s); break;
        case 'k': s.strike = false, ChangeStyle(s); break;
        case 'H': case 'W': case 'T': SizeCode(c, s); break;
        case 'Q': s.oblique = Number(Argument(), 0), ChangeStyle(s); break;
        case 'C': case 'c': ColorCode(c, s); break;
        case 'f': case 'F': FontCode(s); break;
        case 'S': Stack(); break;
        case 'A': Argument(); break;
        case 'p': Paragraph(Argument()); break;
        case 'U': {
            QString decoded;
            const size_t next = DecodeUnicodeEscape(m_text, m_i - 2, decoded);
            if (next != m_i - 2) m_pending += decoded, m_i = next;
            break;
        }
        case 'M': {  // \M+nXXXX: a double-byte character of a code page; its bytes are not kept here
            if (m_i + 6 <= m_text.size() && m_text[m_i] == '+') m_i += 6;
            break;
        }
        case 'X': break;
        default: UnknownCode(c); break;
        }
    }

    // \H (the height, absolute or with a trailing x relative), \W (the width factor) and \T
    // (the tracking); a value that is not positive keeps the current one.
    void SizeCode(char c, MTextStyle s) {
        std::string_view arg = Argument();
        const bool relative = !arg.empty() && (arg.back() == 'x' || arg.back() == 'X');
        if (relative) arg.remove_suffix(1);
        const double v = Number(arg, c == 'T' ? 1 : 0);
        if (v > 0) {
            if (c == 'H') s.height = relative ? s.height * v : v;
            else if (c == 'W') s.width = v;
            else s.tracking = v;
        }
        ChangeStyle(s);
    }

    // \C: a colour index (256: by layer); \c: a true colour.
    void ColorCode(char c, MTextStyle s) {
        if (c == 'C') {
            const int aci = static_cast<int>(Number(Argument(), 256));
            s.hasColor = aci != 256, s.trueColor = false, s.aci = aci;
        } else {
            const double v = Number(Argument(), 0);
            // Written as a number whose low three bytes are blue, green, red.
            const unsigned bgr = static_cast<unsigned>(v) & 0xFFFFFF;
            s.hasColor = true, s.trueColor = true;
            s.rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
        }
        ChangeStyle(s);
    }

    // \fFamily|b1|i1|...; the font family and whether it is bold or italic.
    void FontCode(MTextStyle s) {
        const std::string_view arg = Argument();
        const size_t bar = arg.find('|');
        std::string name(arg.substr(0, bar));
        s.family = name;
        s.bold = s.italic = false;
        for (size_t at = bar; at != std::string_view::npos && at + 2 < arg.size() + 1; at = arg.find('|', at + 1)) {
            if (arg.compare(at, 3, "|b1") == 0) s.bold = true;
            if (arg.compare(at, 3, "|i1") == 0) s.italic = true;
        }
        ChangeStyle(s);
    }

    void UnknownCode(char c) {
        // A letter code we do not know takes an argument up to ';' only when one follows.
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const size_t semi = m_text.find(';', m_i);
            const size_t space = m_text.find_first_of(" \\{}", m_i);
            if (semi != std::string_view::npos && (space == std::string_view::npos || semi < space)) m_i = semi + 1;
        } else {
            m_pending += QChar::fromLatin1(c);
        }
    }

    void Paragraph(std::string_view arg) {
        // \pxqc; \pxql; \pxqr; \pi..,l..,t..; -- only the alignment matters here. It holds for
        // the paragraph it stands in and the ones after.
        int align = -1;
        for (size_t at = arg.find('q'); at != std::string_view::npos && at + 1 < arg.size(); at = arg.find('q', at + 1)) {
            const char a = arg[at + 1];
            if (a == 'l' || a == 'j' || a == 'd') align = 1;
            else if (a == 'c') align = 2;
            else if (a == 'r') align = 3;
        }
        if (align < 0) return;
        FlushText();
        for (auto it = m_runs.rbegin(); it != m_runs.rend() && it->kind != MTextRun::Paragraph; ++it) it->style.align = align;
        for (MTextStyle& style : m_stack) style.align = align;
    }

    void Stack() {
        // Up to ';': the upper and lower part, split at the first divider (^, / or #) that is
        // not escaped.
        std::string upper, lower;
        char divider = 0;
        while (m_i < m_text.size() && m_text[m_i] != ';') {
            char c = m_text[m_i++];
            const bool escaped = c == '\\' && m_i < m_text.size();
            if (escaped) c = m_text[m_i++];
            if (!escaped && !divider && (c == '^' || c == '/' || c == '#')) {
                divider = c;
                continue;
            }
            (divider ? lower : upper) += c;
        }
        if (m_i < m_text.size()) ++m_i;
        FlushText();
        MTextRun run;
        run.kind = MTextRun::Stack;
        run.style = Style();
        run.stackKind = divider ? divider : '^';
        run.text = QString::fromStdString(upper).trimmed();
        run.lower = QString::fromStdString(lower).trimmed();
        m_runs.push_back(std::move(run));
    }

    void Step() {
        const char c = m_text[m_i];
        if (c == '\\' && m_i + 1 < m_text.size()) {
            m_i += 2;
            Code(m_text[m_i - 1]);
        } else if (c == '{') {
            ++m_i;
            FlushText();
            m_stack.push_back(Style());
        } else if (c == '}') {
            ++m_i;
            FlushText();
            if (m_stack.size() > 1) m_stack.pop_back();
        } else if (c == ' ') {
            ++m_i;
            Push(MTextRun::Space);
        } else if (c == '\t') {
            ++m_i;
            Push(MTextRun::Tab);
        } else if (c == '\n' || c == '\r') {
            ++m_i;
            Push(MTextRun::Paragraph);
        } else if (static_cast<unsigned char>(c) < 0x20) {
            ++m_i;  // other control characters draw nothing
        } else if (c == '%' && m_i + 2 < m_text.size() && m_text[m_i + 1] == '%') {
            // The single-line text codes hold here too.
            const size_t start = m_i;
            m_i += 3;
            if (std::isdigit(static_cast<unsigned char>(m_text[m_i - 1])))
                while (m_i < m_text.size() && m_i < start + 5 && std::isdigit(static_cast<unsigned char>(m_text[m_i]))) ++m_i;
            m_pending += DecodeTextCodes(m_text.substr(start, m_i - start));
        } else {
            // Plain characters up to the next special one.
            size_t end = m_i + 1;
            while (end < m_text.size() && static_cast<unsigned char>(m_text[end]) >= 0x20 && !std::strchr("\\{} %", m_text[end])) ++end;
            m_pending += QString::fromUtf8(m_text.data() + m_i, static_cast<qsizetype>(end - m_i));
            m_i = end;
        }
    }

    std::string_view m_text;
    MTextStyle m_base;
    size_t m_i = 0;
    std::vector<MTextStyle> m_stack;
    std::vector<MTextRun> m_runs;
    QString m_pending;
};

}  // namespace

std::vector<MTextRun> ParseMText(std::string_view contents, const MTextStyle& base) { return Parser(contents, base).Run(); }

}  // namespace platform::view
