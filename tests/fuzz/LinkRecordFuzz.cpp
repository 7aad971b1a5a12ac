// The link record a table carries as extended data. Any extended data, in the DXF tags of a
// drawing file ("code" and "value" lines from the first 1001 on), goes onto a table of a
// drawing; when the module reads a link from it, writing that link onto another table and
// reading it back gives the same link, and so do the tags a save writes of that table.
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "db/DbTable.h"
#include "db/ResBuf.h"
#include "dxf/XDataTags.h"
#include "editor/Console.h"
#include "engine/TableLinkIO.h"
#include "fuzz/FuzzTarget.h"
#include "text/Utf8.h"

namespace {

using platform::dxf::OwnedTag;

// "code\nvalue\n" pairs, as a DXF file holds tags; reading stops at a code that is no number.
std::vector<OwnedTag> TagsOf(std::string_view text) {
    std::vector<OwnedTag> tags;
    auto line = [&]() -> std::string_view {
        const size_t end = text.find('\n');
        std::string_view l = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        return l;
    };
    while (!text.empty()) {
        const std::string code(line());
        char* end = nullptr;
        const long value = std::strtol(code.c_str(), &end, 10);
        if (code.empty() || *end != '\0' || value < 0 || value > 1071 || text.empty()) break;
        tags.push_back(OwnedTag{static_cast<int>(value), std::string(line())});
    }
    size_t first = 0;
    while (first < tags.size() && tags[first].code != 1001) ++first;
    tags.erase(tags.begin(), tags.begin() + static_cast<long>(first));
    return tags;
}

// A drawing with tables to carry the records, made once: each input adds its own tables.
AcDbDatabase& Drawing() {
    static const std::shared_ptr<AcDbDatabase> db = [] {
        platform::SetOutputSink([](std::string_view) {});  // the module's refusals say why on the command line
        return platform::NewDrawingDatabase();
    }();
    return *db;
}

// A new table of the drawing, open for write; erased with the object.
struct NewTable {
    NewTable() {
        AcDbObjectPointer<AcDbBlockTableRecord> space(Drawing().modelSpaceId(), AcDb::kForWrite);
        table = new AcDbTable;
        table->setNumRows(1);
        table->setNumColumns(1);
        AcDbObjectId id;
        if (space->appendAcDbEntity(id, table) != Acad::eOk) {
            delete table;
            table = nullptr;
        }
    }
    ~NewTable() {
        if (!table) return;
        table->erase();
        table->close();
    }
    NewTable(const NewTable&) = delete;
    NewTable& operator=(const NewTable&) = delete;
    AcDbTable* table = nullptr;
};

bool SetXDataFromTags(AcDbObject& object, const std::vector<OwnedTag>& tags) {
    if (tags.empty()) return false;
    for (const OwnedTag& t : tags)
        if (t.code == 1001) {
            const std::wstring app = platform::FromUtf8(t.value);
            if (!app.empty()) Drawing().registerApp(app.c_str());
        }
    platform::ResbufPtr chain(platform::dxf::XDataTagsToChain(tags));
    return chain.get() && object.setXData(chain.get()) == Acad::eOk;
}

bool SameWidths(const CArray<double, double>& a, const CArray<double, double>& b) {
    if (a.GetSize() != b.GetSize()) return false;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (!(a[i] == b[i] || (a[i] != a[i] && b[i] != b[i]))) return false;  // NaN reads back as NaN
    return true;
}

bool SameHeadings(const CStringArray& a, const CStringArray& b) {
    if (a.GetSize() != b.GetSize()) return false;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// Everything but the widths, which are stored to six digits and compared after one write.
bool SameLink(const CTableLink& a, const CTableLink& b) {
    return a.m_bIncludeHeader == b.m_bIncludeHeader && a.m_nStartRow == b.m_nStartRow && a.m_nStartCol == b.m_nStartCol &&
           a.m_nRows == b.m_nRows && a.m_nCols == b.m_nCols && a.m_nMarker == b.m_nMarker && a.m_strDatabase == b.m_strDatabase &&
           a.m_strConnectDriver == b.m_strConnectDriver && a.m_strUser == b.m_strUser && a.m_strPassword == b.m_strPassword &&
           a.m_strTable == b.m_strTable && a.m_strSQL == b.m_strSQL && SameHeadings(a.m_arrHeadings, b.m_arrHeadings);
}

}  // namespace

VELLORIA_FUZZ_TARGET(LinkRecord) {
    const std::vector<OwnedTag> tags = TagsOf(std::string_view(reinterpret_cast<const char*>(data), size));
    NewTable stored;
    FUZZ_CHECK(stored.table);
    if (!SetXDataFromTags(*stored.table, tags)) return 0;
    CTableLink link;
    if (!ReadTableLink(link, stored.table)) return 0;

    // Written onto another table, the link reads back as itself.
    NewTable copy;
    FUZZ_CHECK(copy.table);
    if (!WriteTableLink(link, copy.table)) return 0;  // refused: too long for its items, said why
    CTableLink again;
    FUZZ_CHECK(ReadTableLink(again, copy.table));
    FUZZ_CHECK(SameLink(link, again));

    // So does the link in the tags a save writes, and writing it once more changes nothing.
    NewTable reloaded;
    FUZZ_CHECK(reloaded.table);
    FUZZ_CHECK(SetXDataFromTags(*reloaded.table, platform::dxf::ObjectXDataTags(*copy.table)));
    CTableLink fromFile;
    FUZZ_CHECK(ReadTableLink(fromFile, reloaded.table));
    FUZZ_CHECK(SameLink(link, fromFile));
    FUZZ_CHECK(SameWidths(again.m_arrWidths, fromFile.m_arrWidths));
    NewTable rewritten;
    FUZZ_CHECK(rewritten.table && WriteTableLink(fromFile, rewritten.table));
    CTableLink twice;
    FUZZ_CHECK(ReadTableLink(twice, rewritten.table));
    FUZZ_CHECK(SameLink(link, twice) && SameWidths(fromFile.m_arrWidths, twice.m_arrWidths));
    return 0;
}
