#include "HelpPages.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "text/Utf8.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Decoded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t end = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (end == std::string::npos || end - i > 8) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, end - i - 1);
        if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "amp") out += '&';
        else if (name == "quot") out += '"';
        else if (name == "apos") out += '\'';
        else if (name == "nbsp") out += ' ';
        else if (name.size() > 1 && name[0] == '#') out += platform::ToUtf8(std::wstring(1, static_cast<wchar_t>(std::strtol(name.c_str() + 1 + (name[1] == 'x'), nullptr, name[1] == 'x' ? 16 : 10))));
        else out += "&" + name + ";";
        i = end;
    }
    return out;
}

// Words of a block run into lines of at most `width` columns.
std::string Wrapped(const std::string& block, size_t width) {
    std::string text, line;
    size_t at = 0;
    while (at < block.size()) {
        const size_t start = block.find_first_not_of(" \t\r\n", at);
        if (start == std::string::npos) break;
        at = block.find_first_of(" \t\r\n", start);
        const std::string word = block.substr(start, at == std::string::npos ? std::string::npos : at - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return line.empty() ? text : text + line + "\n";
}

}  // namespace

std::string PageSummary(const std::string& html) {
    const std::string lower = Lower(html);
    const size_t open = lower.find("<title>");
    const size_t close = lower.find("</title>");
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    const std::string title = Decoded(html.substr(open + 7, close - open - 7));
    const size_t colon = title.find(": ");
    return colon == std::string::npos ? title : title.substr(colon + 2);
}

std::string PageText(const std::string& html, size_t width) {
    static const std::string kNav = "<p class=\"nav\">";
    const std::string lower = Lower(html);
    size_t at = lower.find("<body");
    at = at == std::string::npos ? 0 : lower.find('>', at) + 1;
    std::string text, block;
    bool skipping = false;  // inside the page's navigation line
    auto endBlock = [&] {
        const std::string wrapped = Wrapped(Decoded(block), width);
        if (!wrapped.empty()) text += (text.empty() ? "" : "\n") + wrapped;
        block.clear();
    };
    while (at < html.size()) {
        const size_t tag = html.find('<', at);
        if (!skipping) block += html.substr(at, tag == std::string::npos ? std::string::npos : tag - at);
        if (tag == std::string::npos) break;
        const size_t close = html.find('>', tag);
        if (close == std::string::npos) break;
        const std::string name = lower.substr(tag + 1, lower.find_first_of(" >", tag + 1) - tag - 1);
        if (name == "p" && lower.compare(tag, kNav.size(), kNav) == 0) skipping = true;
        else if (name == "/p" && skipping) skipping = false;
        else if (name == "p" || name == "/p" || name == "h1" || name == "/h1" || name == "h2" || name == "/h2" || name == "h3" ||
                 name == "/h3" || name == "li" || name == "ul" || name == "/ul" || name == "ol" || name == "/ol" || name == "pre" ||
                 name == "/pre" || name == "br" || name == "table" || name == "tr" || name == "/body") {
            endBlock();
            if (name == "li") block = "- ";
        } else if (name == "td" || name == "th") {
            block += "  ";
        }
        at = close + 1;
    }
    endBlock();
    return text;
}
