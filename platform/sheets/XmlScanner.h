#pragma once
// A pull reader of XML held in memory, for the parts of a workbook package: one tag or run of
// character data at a time, straight over the bytes, with nothing built. Names are given
// without their namespace prefix (<x:row> is "row"), as writers differ in the prefixes they
// use. Comments, processing instructions and the document type are passed over.
#include <optional>
#include <string>
#include <string_view>

namespace platform::sheets {

// A whole number written as text ("164"); none when the text is no such number.
std::optional<long> XmlInteger(std::string_view text);

class XmlScanner {
public:
    enum Token { Start, End, Text, Done };

    explicit XmlScanner(std::string_view xml) : m_xml(xml) {}

    Token Next();
    // Of Start and End: the element's name. Of Start: whether it closes itself (<c/>).
    std::string_view Name() const { return m_name; }
    bool SelfClosing() const { return m_selfClosing; }
    // Of Start: an attribute's value as written (entities not replaced); empty when absent.
    std::string_view RawAttribute(std::string_view name) const;
    // The same with entities and character references replaced.
    std::string Attribute(std::string_view name) const;
    // Of Text: the character data as written (a CDATA section's content as it stands).
    std::string_view RawText() const { return m_text; }
    bool IsCData() const { return m_cdata; }

    // Skips to the end of the element whose Start was just read.
    void SkipElement();
    // The text of a string item whose Start was just read (<si>, <is>): the character data of
    // its <t> elements, rich text runs joined, phonetic runs (<rPh>) left out, decoded.
    std::string ElementText();

private:
    std::string_view m_xml;
    size_t m_pos = 0;
    std::string_view m_name, m_attributes, m_text;
    bool m_selfClosing = false, m_cdata = false;
};

}  // namespace platform::sheets
