#pragma once
// Reads ASCII DXF (R12 to R2018) into the document model. Never throws: a file that cannot be
// read gives one DxfError naming the file and the line where reading stopped.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dxf/DxfDocument.h"
#include "dxf/DxfError.h"
#include "dxf/Progress.h"

namespace platform::dxf {

struct ReadResult {
    std::unique_ptr<Document> document;
    std::optional<DxfError> error;
    // What a drawing read lacks, one line each (a DWG's tables its converter could not keep).
    std::vector<std::string> notes = {};

    explicit operator bool() const { return document != nullptr; }
};

struct ReadOptions {
    // Keep text read in the writer's own form as it stands until something needs it: the
    // entities of blocks outside the layouts (parsed on first use, or written back as read) and
    // large objects (written back as read while their tags stay as read). Off, everything is
    // parsed at once and written anew from its tags.
    bool keepText = true;
    // Sketch the blocks of lines and texts the reader leaves unparsed (Block::Sketch), for a
    // view that is to draw the drawing: a few per cent more reading of a drawing of large
    // tables, which a load that only edits and saves does not pay.
    bool sketches = false;
};

ReadResult ReadDxfFile(const std::string& path, const Progress& progress = {}, ReadOptions options = {});
// Reads DXF text held in memory; name is what errors call the file.
ReadResult ReadDxfText(std::string_view text, const std::string& name, ReadOptions options = {});

// The entities of deferred block text (DeferredEntities), which the reader has checked.
std::vector<DxfObject> ParseDeferredEntities(std::string_view text);

}  // namespace platform::dxf
