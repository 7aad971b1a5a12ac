#pragma once
// Drawing files and the drawing database. Loading builds an AcDbDatabase from a DXF document:
// every object keeps its handle; the block table with model space, paper space and the other
// block records, layers, text styles, registered applications, the named-object dictionary
// with the table styles, and the entities of the layouts (tables, lines, block references and
// multi-line texts as themselves, any other type as an AcDbRawEntity). The document stays
// attached to the database (AcDbDatabase::fileData), and everything it holds that the
// database does not model -- other sections, tables and objects, block contents, extension
// dictionaries, proxy data -- is written back from it unchanged. Saving rewrites only what
// was modified (AcDbObject::isModified), adds new entities under their database handles and
// drops erased ones (a table with its anonymous block).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dxf/DxfDocument.h"
#include "dxf/DxfError.h"
#include "dxf/DxfReader.h"
#include "dxf/Progress.h"

class AcDbDatabase;

namespace platform::dxf {

struct LoadedDrawing {
    std::shared_ptr<AcDbDatabase> database;
    std::optional<DxfError> error;
    // What the reader left out of the drawing (a DWG's tables its converter could not keep), then
    // entities kept as the file holds them although their type is modelled, and why ("ACAD_TABLE
    // 2A is kept as the file holds it: a column width of 1e+308 is beyond what a drawing holds").
    std::vector<std::string> notes;
    explicit operator bool() const { return database != nullptr; }
};

// Reads the file and builds its database; a file that cannot be read gives the reader's one
// error ("FILE: line N: reason") and no database.
LoadedDrawing LoadDrawing(const std::string& path, const Progress& progress = {}, ReadOptions options = {});
// Builds the database of a document held in memory (the database keeps the document).
std::shared_ptr<AcDbDatabase> DatabaseFromDocument(std::unique_ptr<Document> document, std::vector<std::string>* notes = nullptr);

// Writes the database to path atomically. A database that was not loaded from a file (a new
// drawing) is written on the document of a new drawing, its own records standing for the
// template's. Afterwards the written document is attached and nothing counts as modified.
std::optional<DxfError> SaveDrawing(AcDbDatabase& database, const std::string& path, const Progress& progress = {});

// The document a save would write now, without writing a file: the attached document brought up
// to date with the database (as saving does), or for a database never loaded or saved, a
// document made for it and not attached. Nothing counts as saved afterwards.
std::shared_ptr<Document> CurrentDocument(AcDbDatabase& database);

// The document the database was loaded from or last saved to; null for a database that
// never was.
Document* AttachedDocument(const AcDbDatabase& database);

}  // namespace platform::dxf
