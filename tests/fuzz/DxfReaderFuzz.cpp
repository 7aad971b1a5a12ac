// The DXF reader: any bytes read as a drawing or give an error, and a drawing that reads
// survives what the host does next (its tables read, prepared, written, and read again).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzTarget.h"

#include "dxf/AcadTable.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "dxf/EntityValues.h"
#include "dxf/TableBlock.h"

VELLORIA_FUZZ_TARGET(DxfReader) {
    using namespace platform::dxf;
    ReadResult r = ReadDxfText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
    if (!r) {
        FUZZ_CHECK(r.error);  // a failure always says why
        return 0;
    }
    {
        // Text kept as read (block entities, large objects) is written as writing the parsed
        // tags would write it: parse every block and give every object a fresh tag list.
        ReadResult parsed = ReadDxfText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
        FUZZ_CHECK(parsed);
        auto fresh = [](DxfObject& o) { o.tags = std::vector<Tag>(o.tags.begin(), o.tags.end()); };
        for (Block& b : parsed.document->blocks) {
            fresh(b.begin);
            fresh(b.end);
            for (DxfObject& e : b.Entities()) fresh(e);
        }
        for (SymbolTable& t : parsed.document->tables) {
            fresh(t.head);
            for (DxfObject& o : t.records) fresh(o);
        }
        for (auto* list : {&parsed.document->classes, &parsed.document->entities, &parsed.document->objects})
            for (DxfObject& o : *list) fresh(o);
        FUZZ_CHECK(WriteDxfToString(*parsed.document) == WriteDxfToString(*r.document));
    }
    for (const DxfObject* e : FindTableEntities(*r.document)) {
        if (auto table = ParseAcadTable(*e)) {
            if (table->cells.size() <= 100000) {
                Block block;
                BuildTableBlock(*r.document, *table, TableStyleInfo{}, block);
            }
        }
    }
    for (DxfObject& e : r.document->entities)
        if (const EntityType* type = FindEntityType(e.Type()))
            if (auto values = EntityValues::Read(*type, e)) e = values->Write(*r.document);
    PrepareForSave(*r.document);
    const std::string written = WriteDxfToString(*r.document);
    FUZZ_CHECK(ReadDxfText(written, "rewritten.dxf"));  // what we write we read
    return 0;
}
