#pragma once
// Writes the document model as ASCII DXF. Drawings from R2000 on are written as R2013
// (AC1027): it is the newest version whose ACAD_TABLE entity (the legacy table data of the
// DXF reference, still written by CAD programs beside their newer table objects) every reader
// we target accepts -- ezdxf loads and keeps it, and CAD programs both rebuild the table from
// it and fall back to its anonymous block -- and its strings are UTF-8, so link records (paths,
// SQL) keep every character. Objects read from R2010/R2018 files stay valid in it unchanged.
// Older drawings (R12 and before) have no objects section for a table and are written back in
// their own version.
#include <optional>
#include <string>

#include "dxf/DxfDocument.h"
#include "dxf/DxfError.h"
#include "dxf/Progress.h"

namespace platform::dxf {

inline constexpr std::string_view kOutputVersion = "AC1027";

// Brings the bookkeeping up to date before writing: $ACADVER, $HANDSEED, an APPID record for
// every application with extended data, and the CLASSES entry of ACAD_TABLE when tables exist.
void PrepareForSave(Document& doc);

// The DXF text of the document as it stands (no preparation).
std::string WriteDxfToString(const Document& doc);

// Prepares and writes the document to path atomically: a temporary file beside the target is
// written, flushed to disk and renamed over the target, so an interrupted save leaves the old
// file intact. Returns the error, or nothing on success.
std::optional<DxfError> SaveDxfFile(Document& doc, const std::string& path, const Progress& progress = {},
                                    bool keepBackup = false);

}  // namespace platform::dxf
