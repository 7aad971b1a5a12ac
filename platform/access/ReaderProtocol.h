#pragma once
// The requests the Access reader process (velloria-access-reader, platform/access/reader/)
// serves, one after another on its standard input, and the statuses that end its answers
// (see Wire.h for the frames of an answer).
//
// A request is 'Q', a 32-bit length and that many bytes: a code and its arguments.
//   'O' open      path, password (strings, UTF-8): the file is opened (and its pages
//                 decrypted, for an encrypted ACE file) for the requests after it; an
//                 unsupported encryption answers its scheme and what is missing (strings)
//   'C' catalogue count (U32), then each table's name, count (U32) and the names of the
//                 columns wanted (none: all): the catalogue, then the rows of those named
//                 tables the file holds, the columns not wanted as Null (MdbChild.h)
//   'R' rows      count (U32), then each table's name and column count (U32): their rows
#include <cstdint>

namespace platform::mdb::protocol {

constexpr std::uint8_t kRequest = 'Q';
constexpr std::uint8_t kOpen = 'O';
constexpr std::uint8_t kCatalog = 'C';
constexpr std::uint8_t kRows = 'R';

constexpr std::uint32_t kOk = 0;
constexpr std::uint32_t kNotFound = 2;      // the file cannot be opened
constexpr std::uint32_t kNotAccess = 3;     // not an Access file
constexpr std::uint32_t kDamaged = 4;
constexpr std::uint32_t kWrongPassword = 5;
constexpr std::uint32_t kUnsupportedEncryption = 6;
constexpr std::uint32_t kNotOpen = 7;       // a request before a file was opened
constexpr std::uint32_t kBadRequest = 8;

}  // namespace platform::mdb::protocol
