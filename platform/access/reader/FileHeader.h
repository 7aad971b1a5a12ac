#pragma once
// The header page of an Access file, read without libmdb: which engine wrote it, the database
// password it keeps, and whether its pages are encrypted. Part of the header is scrambled
// with RC4 under a fixed key; in Jet 4 and later files the password is further masked with
// the file's creation date.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform::mdb {

struct FileHeader {
    enum class Engine { Jet3, Jet4, Ace } engine = Engine::Jet4;
    std::wstring password;  // empty: the database has none
    // The pages are encrypted with a key made from the password (Office encryption of ACE
    // files); the name of the scheme, for messages.
    bool encrypted = false;
    std::array<unsigned char, 4> encodingKey{};  // as the header holds it, unscrambled
    std::vector<unsigned char> encryptionInfo;    // the encryption information at 0x299
};

// None when the file does not start with an Access header (or does not read).
std::optional<FileHeader> ReadFileHeader(const std::string& hostPath);
// The same from the file's first bytes.
std::optional<FileHeader> ParseFileHeader(const unsigned char* bytes, size_t size);

// Where the encoding key lies in the header; its scrambled bytes, XORed with the key, make it
// read as none.
constexpr size_t kEncodingKeyAt = 0x3E;

// Access compares database passwords exactly, letter case included; a database without one
// ignores the password given.
bool PasswordMatches(const FileHeader& header, std::wstring_view given);

}  // namespace platform::mdb
