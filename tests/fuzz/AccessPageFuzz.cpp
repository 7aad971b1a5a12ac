// The reader process's decoding of a data page: any page, with any field bounds and column
// types, decodes into one value per field that the parent reads back, and every text is
// UTF-8. Long values (memo, OLE) are followed through the other pages of the input as
// through the pages of a file.
//
// Input: a flags byte (bit 0: a Jet 3 file, 2 KB pages; else Jet 4, 4 KB), a count of fields,
// then per field 8 bytes: column type, flags (bit 0 null, bit 1 calculated), scale, unused,
// start and size (16 bits each, little-endian); the rest is the file, its first page the
// page the fields lie on.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <mdbtools.h>

#include "access/MdbReader.h"
#include "access/reader/MdbDecode.h"
#include "access/Wire.h"
#include "fuzz/FuzzTarget.h"
#include "text/Utf8.h"

namespace {

using namespace platform;

constexpr size_t kFieldBytes = 8;
constexpr size_t kMostFields = 64;

// The bytes a writer wrote to its descriptor (a memory file).
std::string WrittenBytes(int fd) {
    std::string bytes;
    if (::lseek(fd, 0, SEEK_SET) != 0) return bytes;
    char buffer[8192];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
    return bytes;
}

struct MemoryFile {
    MemoryFile() : fd(::memfd_create("fuzz-wire", 0)) {}
    ~MemoryFile() {
        if (fd >= 0) ::close(fd);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    int fd;
};

}  // namespace

VELLORIA_FUZZ_TARGET(AccessPage) {
    if (size < 2) return 0;
    const bool jet3 = data[0] & 1;
    const size_t fieldCount = std::min<size_t>(data[1], kMostFields);
    size_t at = 2;
    if (size < at + fieldCount * kFieldBytes) return 0;
    std::vector<MdbField> fields(fieldCount);
    std::vector<mdb::decode::ColumnCoding> codings(fieldCount);
    for (size_t f = 0; f < fieldCount; ++f, at += kFieldBytes) {
        const std::uint8_t* d = data + at;
        codings[f].type = d[0];
        codings[f].calculated = d[1] & 2;
        codings[f].scale = d[2];
        fields[f] = MdbField{};
        fields[f].is_null = d[1] & 1;
        fields[f].start = d[4] | (d[5] << 8);
        fields[f].siz = d[6] | (d[7] << 8);
    }

    // The file: what follows, at least one whole page.
    MdbFormatConstants format{};
    format.pg_size = jet3 ? 2048 : 4096;
    format.row_count_offset = jet3 ? 0x08 : 0x0c;
    std::vector<unsigned char> file(data + at, data + size);
    if (file.size() < static_cast<size_t>(format.pg_size)) file.resize(static_cast<size_t>(format.pg_size));
    FILE* stream = ::fmemopen(file.data(), file.size(), "rb");
    FUZZ_CHECK(stream);
    MdbFile mdbFile{};
    mdbFile.stream = stream;
    mdbFile.jet_version = jet3 ? MDB_VER_JET3 : MDB_VER_JET4;
    auto* handle = static_cast<MdbHandle*>(std::calloc(1, sizeof(MdbHandle)));
    FUZZ_CHECK(handle);
    handle->f = &mdbFile;
    handle->fmt = &format;
    std::memcpy(handle->pg_buf, file.data(), static_cast<size_t>(format.pg_size));

    mdb::decode::FileLimits limits;
    limits.pageSize = static_cast<long>(format.pg_size);
    limits.pages = static_cast<long>(file.size() / static_cast<size_t>(format.pg_size));
    MemoryFile out;
    FUZZ_CHECK(out.fd >= 0);
    {
        wire::Writer w(out.fd);
        std::string scratch, text;
        for (size_t f = 0; f < fieldCount; ++f) mdb::decode::WriteValue(w, handle, limits, jet3, codings[f], fields[f], scratch, text);
        FUZZ_CHECK(w.Flush());
    }
    std::free(handle);
    std::fclose(stream);

    // Read back as the parent reads a row: the frames' data joined, then a kind and its
    // value, for every field.
    const std::string framed = WrittenBytes(out.fd);
    std::string bytes;
    for (size_t i = 0; i < framed.size();) {
        std::uint32_t length = 0;
        FUZZ_CHECK(framed[i] == 'D' && i + 5 <= framed.size());
        std::memcpy(&length, framed.data() + i + 1, 4);
        FUZZ_CHECK(i + 5 + length <= framed.size());
        bytes.append(framed, i + 5, length);
        i += 5 + length;
    }
    wire::Reader r(bytes);
    for (size_t f = 0; f < fieldCount; ++f) {
        std::uint8_t kind = 0;
        FUZZ_CHECK(r.U8(kind));
        std::int64_t i;
        double d;
        std::string_view v;
        switch (kind) {
        case mdb::Value::Null: break;
        case mdb::Value::Int: FUZZ_CHECK(r.I64(i)); break;
        case mdb::Value::Real: FUZZ_CHECK(r.F64(d)); break;
        case mdb::Value::Text:
            FUZZ_CHECK(r.View(v));
            FUZZ_CHECK(IsValidUtf8(v));
            break;
        case mdb::Value::Blob: FUZZ_CHECK(r.View(v)); break;
        default: FUZZ_CHECK(!"a value of no known kind");
        }
    }
    std::uint8_t extra;
    FUZZ_CHECK(!r.U8(extra));  // nothing after the row's values
    return 0;
}
