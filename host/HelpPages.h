#pragma once
// The help pages (the HTML pages beside the module, one a command) as command-line text.
#include <string>

// The page's title after the command's name: "create a table from a database" of
// "<title>DbTable_Create: create a table from a database</title>"; empty when it has none.
std::string PageSummary(const std::string& html);

// The page's body as plain text: headings and paragraphs on lines of their own, wrapped at
// `width` columns, tags dropped and entities decoded.
std::string PageText(const std::string& html, size_t width = 78);
