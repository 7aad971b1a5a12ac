#include "sheets/XmlScanner.h"

#include <charconv>

#include "sheets/XlsxParts.h"

namespace platform::sheets {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view LocalName(std::string_view name) {
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

}  // namespace

std::optional<long> XmlInteger(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

XmlScanner::Token XmlScanner::Next() {
    while (m_pos < m_xml.size()) {
        if (m_xml[m_pos] != '<') {
            const size_t lt = m_xml.find('<', m_pos);
            const size_t end = lt == std::string_view::npos ? m_xml.size() : lt;
            m_text = m_xml.substr(m_pos, end - m_pos);
            m_cdata = false;
            m_pos = end;
            return Text;
        }
        const std::string_view rest = m_xml.substr(m_pos);
        const char second = rest.size() > 1 ? rest[1] : '\0';
        if (second == '!' && rest.compare(0, 9, "<![CDATA[") == 0) {
            const size_t close = m_xml.find("]]>", m_pos + 9);
            const size_t end = close == std::string_view::npos ? m_xml.size() : close;
            m_text = m_xml.substr(m_pos + 9, end - m_pos - 9);
            m_cdata = true;
            m_pos = close == std::string_view::npos ? m_xml.size() : close + 3;
            return Text;
        }
        if (second == '!' && rest.compare(0, 4, "<!--") == 0) {
            const size_t close = m_xml.find("-->", m_pos + 4);
            m_pos = close == std::string_view::npos ? m_xml.size() : close + 3;
            continue;
        }
        if (second == '?' || second == '!') {
            const size_t gt = m_xml.find('>', m_pos);
            if (gt == std::string_view::npos) break;  // cut short: the document ends here
            m_pos = gt + 1;
            continue;
        }
        // A '>' may stand inside an attribute's quotes; the tag ends at the first one outside.
        size_t end = m_pos + 1;
        char quote = 0;
        for (; end < m_xml.size(); ++end) {
            const char c = m_xml[end];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                break;
            }
        }
        if (end >= m_xml.size()) break;
        std::string_view tag = m_xml.substr(m_pos + 1, end - m_pos - 1);
        m_pos = end + 1;
        const bool closing = !tag.empty() && tag[0] == '/';
        if (closing) tag.remove_prefix(1);
        m_selfClosing = !closing && !tag.empty() && tag.back() == '/';
        if (m_selfClosing) tag.remove_suffix(1);
        size_t nameEnd = 0;
        while (nameEnd < tag.size() && !IsSpace(tag[nameEnd])) ++nameEnd;
        m_name = LocalName(tag.substr(0, nameEnd));
        m_attributes = tag.substr(nameEnd);
        return closing ? End : Start;
    }
    m_pos = m_xml.size();
    return Done;
}

std::string_view XmlScanner::RawAttribute(std::string_view name) const {
    const std::string_view a = m_attributes;
    size_t i = 0;
    while (i < a.size()) {
        while (i < a.size() && IsSpace(a[i])) ++i;
        const size_t nameStart = i;
        while (i < a.size() && a[i] != '=' && !IsSpace(a[i])) ++i;
        const std::string_view attribute = a.substr(nameStart, i - nameStart);
        while (i < a.size() && (IsSpace(a[i]) || a[i] == '=')) ++i;
        if (i >= a.size() || (a[i] != '"' && a[i] != '\'')) return {};
        const char quote = a[i];
        const size_t close = a.find(quote, i + 1);
        if (close == std::string_view::npos) return {};
        if (LocalName(attribute) == name || attribute == name) return a.substr(i + 1, close - i - 1);
        i = close + 1;
    }
    return {};
}

std::string XmlScanner::Attribute(std::string_view name) const {
    const std::string_view raw = RawAttribute(name);
    return raw.find('&') == std::string_view::npos ? std::string(raw) : XmlText(raw);
}

void XmlScanner::SkipElement() {
    if (m_selfClosing) return;
    int depth = 1;
    for (Token t = Next(); t != Done; t = Next()) {
        if (t == Start && !m_selfClosing) ++depth;
        else if (t == End && --depth == 0) return;
    }
}

std::string XmlScanner::ElementText() {
    std::string out;
    if (m_selfClosing) return out;
    int depth = 1;
    bool inText = false;  // within a <t>: only there is character data the cell's text
    for (Token t = Next(); t != Done; t = Next()) {
        if (t == Start) {
            if (m_name == "rPh") {
                SkipElement();
            } else if (!m_selfClosing) {
                ++depth;
                inText = m_name == "t";
            }
        } else if (t == End) {
            inText = false;
            if (--depth == 0) break;
        } else if (inText) {
            out += m_cdata ? std::string(m_text) : XmlText(m_text);
        }
    }
    return out;
}

}  // namespace platform::sheets
