#pragma once
// The change report of a refresh: every table's changed cells with their old and new texts,
// the rows added and removed. One drawing's part is written where the refresh ran (perhaps
// in a worker process) as two fragments, FRAGMENT.json and FRAGMENT.html; the report joins
// the parts of every drawing of the run into one JSON or HTML file.
#include <string>

#include "engine/TableChanges.h"
#include "types/TableLink.h"

// "3 cells changed, 2 rows added, 1 row removed"
std::string DescribeChanges(const CTableChanges& changes);

class CChangeReportFragment {
public:
    // A refreshed table; changes null when its cells stayed as they were.
    void AddTable(const std::string& handle, const CTableLink& link, const CTableChanges* changes);
    void AddFailedTable(const std::string& handle, const CTableLink& link, const std::string& reason);
    // Writes FRAGMENT.json (the members after "drawing" and "outcome" of the drawing's
    // object) and FRAGMENT.html (the drawing's tables); false with the reason.
    bool WriteFragment(const std::string& fragment, std::string& error) const;

private:
    std::string m_json;  // the table objects, separated by commas
    std::string m_html;
};
