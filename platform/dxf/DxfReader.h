#pragma once
// Reads ASCII DXF (R12 to R2018) into the document model. Never throws: a file that cannot be
// read gives one DxfError naming the file and the line where reading stopped.
#include <memory>
#include <optional>
#include <string>

#include "dxf/DxfDocument.h"
#include "dxf/DxfError.h"
#include "dxf/Progress.h"

namespace platform::dxf {

struct ReadResult {
    std::unique_ptr<Document> document;
    std::optional<DxfError> error;

    explicit operator bool() const { return document != nullptr; }
};

ReadResult ReadDxfFile(const std::string& path, const Progress& progress = {});
// Reads DXF text held in memory; name is what errors call the file.
ReadResult ReadDxfText(std::string_view text, const std::string& name);

// The entities of deferred block text (DeferredEntities), which the reader has checked.
std::vector<DxfObject> ParseDeferredEntities(std::string_view text);

}  // namespace platform::dxf
