#pragma once
// Texts for the tools' machine-readable and human-readable reports: a JSON string literal,
// and text escaped for HTML.
#include <string>
#include <string_view>

// The UTF-8 text as a JSON string, quotes included.
std::string JsonQuote(std::string_view text);
// The UTF-8 text with &, <, >, " escaped for HTML.
std::string HtmlEscape(std::string_view text);
