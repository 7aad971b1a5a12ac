#pragma once
// Decoding the values of a row inside the reader process: each field of a cracked row
// becomes a tagged value on the wire (see MdbReader.h). Bounds are checked against the page;
// a value that does not decode is sent as Null.
#include <cstdint>
#include <string>

#include <mdbtools.h>

#include "access/Wire.h"

namespace platform::mdb::decode {

struct FileLimits {
    long pageSize = 4096;
    long pages = 0;
};

// How a column's bytes are read: its stored type, and for a calculated column (Access 2010
// and later) the type of its result, stored after a header of its own.
struct ColumnCoding {
    int type = 0;        // the type the value is decoded as
    int scale = 0;       // of a Decimal column
    bool calculated = false;
};

// The coding of a column of libmdb's table definition. libmdb's col_prec holds the scale
// of a Decimal column and its col_scale the precision: the file stores precision first.
ColumnCoding CodingOf(const MdbColumn* col);

// The type a calculated column's "ResultType" property names; 0 when it names none.
int ResultTypeOf(const MdbColumn* col);

void DecodeText(bool jet3, const unsigned char* p, size_t n, std::string& out);

// Writes one value: a tag byte and its payload.
void WriteValue(wire::Writer& w, MdbHandle* mdb, const FileLimits& limits, bool jet3, const ColumnCoding& coding, const MdbField& field,
                std::string& scratch, std::string& text);

}  // namespace platform::mdb::decode
