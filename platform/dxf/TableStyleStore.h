#pragma once
// Writing table styles into a document: the TABLESTYLE object that tables are drawn from, in
// the ACAD_TABLESTYLE dictionary of the named-object dictionary, both made when the drawing
// has none (as a CAD program gives every drawing a "Standard" table style).
#include <string_view>

#include "dxf/TableBlock.h"

namespace platform::dxf {

// Writes the style's values into the TABLESTYLE object of the given handle: in place when the
// document has it (every other tag stays as read), else as a new object shaped as the new
// drawing's own, owned by the dictionary of the given handle, which is made and entered in the
// named-object dictionary when missing. The style is entered under its name. False when the
// document cannot hold table styles (a drawing without a named-object dictionary).
bool StoreTableStyle(Document& doc, Handle dictionary, Handle style, std::string_view name, const TableStyleInfo& info);

}  // namespace platform::dxf
