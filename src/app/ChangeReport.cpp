#include "app/ChangeReport.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>
#include <sstream>
#include <string>

#include "app/ToolEntryPoints.h"
#include "posix/AtomicFile.h"
#include "posix/FileIo.h"
#include "support/JsonText.h"

namespace {

std::string Plural(long long n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

std::string LinkJson(const std::string& handle, const CTableLink& link) {
    return "\"handle\":" + JsonQuote(handle) + ",\"database\":" + JsonQuote(link.m_strDatabase.ToUtf8()) +
           ",\"table\":" + JsonQuote(link.m_strTable.ToUtf8()) + ",\"sql\":" + JsonQuote(link.m_strSQL.ToUtf8());
}

std::string LinkHeading(const std::string& handle, const CTableLink& link) {
    const std::string source = link.m_strSQL.IsEmpty() ? "table " + link.m_strTable.ToUtf8() : "SQL " + link.m_strSQL.ToUtf8();
    return "<h3>" + HtmlEscape(handle) + " <small>" + HtmlEscape(link.m_strDatabase.ToUtf8()) + ", " + HtmlEscape(source) +
           "</small></h3>\n";
}

std::string RowJson(const CTableTexts& texts, int row) {
    std::string out = "{\"row\":" + std::to_string(row) + ",\"cells\":[";
    for (int c = 0; c < texts.m_nCols; ++c) out += (c ? "," : "") + JsonQuote(texts.At(row, c));
    return out + "]}";
}

// The table as the refresh left it: changed cells with their old text struck through, added
// rows and columns marked, removed rows after the last row.
std::string TableHtml(const CTableChanges& changes) {
    const CTableTexts& before = changes.m_before;
    const CTableTexts& after = changes.m_after;
    std::string out = "<table>\n";
    for (int r = 0; r < after.m_nRows; ++r) {
        const bool added = r >= before.m_nRows;
        out += added ? "<tr class=\"added\">" : "<tr>";
        for (int c = 0; c < after.m_nCols; ++c) {
            const std::string& now = after.At(r, c);
            if (added || c >= before.m_nCols) {
                out += "<td class=\"added\">" + HtmlEscape(now) + "</td>";
            } else if (before.At(r, c) != now) {
                out += "<td class=\"changed\"><del>" + HtmlEscape(before.At(r, c)) + "</del> <ins>" + HtmlEscape(now) + "</ins></td>";
            } else {
                out += "<td>" + HtmlEscape(now) + "</td>";
            }
        }
        out += "</tr>\n";
    }
    for (int r = after.m_nRows; r < before.m_nRows; ++r) {
        out += "<tr class=\"removed\">";
        for (int c = 0; c < before.m_nCols; ++c) out += "<td><del>" + HtmlEscape(before.At(r, c)) + "</del></td>";
        out += "</tr>\n";
    }
    return out + "</table>\n";
}

bool ReadWhole(const std::string& path, std::string& text) {
    std::string why;
    return platform::posix::ReadRegularFile(path, text, why);
}

bool WriteWhole(const std::string& path, const std::string& text, std::string& error) {
    try {
        platform::posix::ReplaceFile(path, text);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const char* const kHtmlHead =
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Velloria: what the refresh changed</title>\n<style>\n"
    "body{font-family:sans-serif} table{border-collapse:collapse;margin-bottom:1em} td{border:1px solid #999;padding:2px 6px}\n"
    "td.changed{background:#fff3b0} tr.added td,td.added{background:#d4f7d4} tr.removed td{background:#f7d4d4}\n"
    "del{color:#a00} ins{color:#060;text-decoration:none} .failed{color:#a00}\n"
    "</style></head><body>\n<h1>What the refresh changed</h1>\n"
    "<p>Changed cells show their old text struck through and their new text; added rows and columns are green, removed rows red.</p>\n";

}  // namespace

std::string DescribeChanges(const CTableChanges& changes) {
    std::string out = Plural(static_cast<long long>(changes.m_changed.size()), "cell changed", "cells changed");
    if (changes.m_nRowsAdded) out += ", " + Plural(changes.m_nRowsAdded, "row added", "rows added");
    if (changes.m_nRowsRemoved) out += ", " + Plural(changes.m_nRowsRemoved, "row removed", "rows removed");
    if (changes.m_nColsAdded) out += ", " + Plural(changes.m_nColsAdded, "column added", "columns added");
    return out;
}

void CChangeReportFragment::AddTable(const std::string& handle, const CTableLink& link, const CTableChanges* changes) {
    if (!m_json.empty()) m_json += ",";
    m_json += "{" + LinkJson(handle, link);
    m_html += LinkHeading(handle, link);
    if (!changes) {
        m_json += ",\"status\":\"unchanged\",\"changed\":[],\"rows_added\":[],\"rows_removed\":[],\"columns_added\":0}";
        m_html += "<p>Unchanged.</p>\n";
        return;
    }
    m_json += ",\"status\":\"changed\",\"rows_before\":" + std::to_string(changes->m_before.m_nRows) +
              ",\"columns_before\":" + std::to_string(changes->m_before.m_nCols) +
              ",\"rows_after\":" + std::to_string(changes->m_after.m_nRows) +
              ",\"columns_after\":" + std::to_string(changes->m_after.m_nCols) + ",\"changed\":[";
    bool first = true;
    for (const CCellChange& cell : changes->m_changed) {
        m_json += (first ? "" : ",") + std::string("{\"row\":") + std::to_string(cell.m_nRow) + ",\"column\":" +
                  std::to_string(cell.m_nCol) + ",\"old\":" + JsonQuote(cell.m_strOld) + ",\"new\":" + JsonQuote(cell.m_strNew) + "}";
        first = false;
    }
    m_json += "],\"rows_added\":[";
    for (int r = changes->m_before.m_nRows; r < changes->m_after.m_nRows; ++r)
        m_json += (r > changes->m_before.m_nRows ? "," : "") + RowJson(changes->m_after, r);
    m_json += "],\"rows_removed\":[";
    for (int r = changes->m_after.m_nRows; r < changes->m_before.m_nRows; ++r)
        m_json += (r > changes->m_after.m_nRows ? "," : "") + RowJson(changes->m_before, r);
    m_json += "],\"columns_added\":" + std::to_string(changes->m_nColsAdded) + "}";
    m_html += "<p>" + HtmlEscape(DescribeChanges(*changes)) + ".</p>\n" + TableHtml(*changes);
}

void CChangeReportFragment::AddFailedTable(const std::string& handle, const CTableLink& link, const std::string& reason) {
    if (!m_json.empty()) m_json += ",";
    m_json += "{" + LinkJson(handle, link) + ",\"status\":\"not refreshed\",\"reason\":" + JsonQuote(reason) + "}";
    m_html += LinkHeading(handle, link) + "<p class=\"failed\">Not refreshed: " + HtmlEscape(reason) + "</p>\n";
}

bool CChangeReportFragment::WriteFragment(const std::string& fragment, std::string& error) const {
    return WriteWhole(fragment + ".json", "\"tables\":[" + m_json + "]", error) && WriteWhole(fragment + ".html", m_html, error);
}

extern "C" int velloriaWriteChangeReport(const char* path, const VelloriaReportPart* parts, int count, char* error,
                                         int errorSize) {
    auto fail = [&](const std::string& why) {
        if (error && errorSize > 0) std::snprintf(error, static_cast<size_t>(errorSize), "%s", why.c_str());
        return 1;
    };
    if (!path) return fail("no report file");
    const std::string target = path;
    std::string lower = target;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool html = EndsWith(lower, ".html") || EndsWith(lower, ".htm");
    std::string out = html ? kHtmlHead : "{\"drawings\":[";
    for (int i = 0; i < count; ++i) {
        const VelloriaReportPart& part = parts[i];
        std::string body;
        if (part.fragment && !ReadWhole(std::string(part.fragment) + (html ? ".html" : ".json"), body))
            return fail(std::string("the report of ") + part.drawing + " is missing");
        if (html) {
            out += "<h2>" + HtmlEscape(part.drawing) + "</h2>\n<p>" + HtmlEscape(part.outcome) + "</p>\n" + body;
        } else {
            out += (i ? ",\n" : "\n") + std::string("{\"drawing\":") + JsonQuote(part.drawing) + ",\"outcome\":" +
                   JsonQuote(part.outcome) + (part.fragment ? "," + body : ",\"tables\":[]") + "}";
        }
    }
    out += html ? "</body></html>\n" : "\n]}\n";
    std::string why;
    return WriteWhole(target, out, why) ? 0 : fail(why);
}
