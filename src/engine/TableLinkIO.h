#pragma once
// Moving a link record between memory and a table entity's extended data, and the filter
// that finds linked entities.
#include "db/DrawingDatabase.h"
#include "types/TableLink.h"

// The application name of the layout block (marker, header flag, start cell, headings,
// widths, rows, columns).
extern const wchar_t* const kTableLinkLayoutApp;

// Writes the whole record to an object open for write (or for read and upgradable).
// Refuses, writing nothing and saying why on the command line, a record that cannot be
// stored faithfully: a string longer than one extended-data string holds, or a start row,
// start column, header flag or marker outside the 16-bit items. A write the host refuses
// (the object's extended data would grow past its limit) is undone, the earlier data of
// the seven applications put back. False then, and for a missing object.
bool WriteTableLink(const CTableLink& link, AcDbObject* pObj);
// Fills the record from the object; true when the object carries the layout block.
bool ReadTableLink(CTableLink& link, AcDbObject* pObj);
bool WriteTableLinkById(const CTableLink& link, AcDbObjectId id);
bool ReadTableLinkById(CTableLink& link, AcDbObjectId id);

// True when the record can be stored; otherwise prints what cannot (field and limit).
bool CanStoreTableLink(const CTableLink& link);

// The linked-table selection filter: block references or tables carrying extended data of
// the application "Database". The caller frees it with acutRelRb.
resbuf* BuildLinkedTableFilter();
