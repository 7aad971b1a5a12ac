// libFuzzer target for the DXF reader: any bytes must read as a drawing or give an error, and a
// drawing that reads must survive what the host does next (its tables read, prepared, written).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dxf/AcadTable.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfWriter.h"
#include "dxf/EntityValues.h"
#include "dxf/TableBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace platform::dxf;
    ReadResult r = ReadDxfText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
    if (!r) {
        if (!r.error) __builtin_trap();  // a failure must always say why
        return 0;
    }
    {
        // Text kept as read (block entities, large objects) is written as writing the parsed
        // tags would write it: parse every block and give every object a fresh tag list.
        ReadResult parsed = ReadDxfText(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.dxf");
        if (!parsed) __builtin_trap();
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
        if (WriteDxfToString(*parsed.document) != WriteDxfToString(*r.document)) __builtin_trap();
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
    if (!ReadDxfText(written, "rewritten.dxf")) __builtin_trap();  // what we write we must read
    return 0;
}
