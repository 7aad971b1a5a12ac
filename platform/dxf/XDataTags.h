#pragma once
// Extended data between DXF tags (1001 application, then its items; points as 1010/1020/1030
// triples) and the drawing database's resbuf chains.
#include <string>
#include <vector>

#include "dxf/DxfDocument.h"
#include "dxf/EntityValues.h"

struct resbuf;
class AcDbObject;

namespace platform::dxf {

// A resbuf chain of the extended data tags (from the first 1001 on); the caller frees it.
resbuf* XDataTagsToChain(const std::vector<OwnedTag>& tags);
std::vector<OwnedTag> XDataOfTags(const std::vector<Tag>& tags, std::size_t start);
// The object's extended data, every application, as DXF tags.
std::vector<OwnedTag> ObjectXDataTags(const AcDbObject& object);

}  // namespace platform::dxf
