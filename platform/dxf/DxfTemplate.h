#pragma once
// The document of a new drawing: minimal but complete, so that the file written from it opens
// everywhere and passes ezdxf's audit.
#include <memory>

#include "dxf/DxfDocument.h"

namespace platform::dxf {

std::unique_ptr<Document> NewDocument();

}  // namespace platform::dxf
