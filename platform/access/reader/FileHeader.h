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

// The key stream that scrambles the header: RC4's under the fixed key C7 DA 39 6B, the same for
// every file. It is kept here rather than made by libcrypto on every open: that loaded
// libcrypto and its legacy provider into every reader, which took most of its start-up.
inline constexpr std::array<unsigned char, 128> kHeaderKeyStream = {
    0xB5, 0x6F, 0x03, 0x62, 0x61, 0x08, 0xC2, 0x55, 0xEB, 0xA9, 0x67, 0x72, 0x43, 0x3F, 0x00, 0x9C,
    0x7A, 0x9F, 0x90, 0xFF, 0x80, 0x9A, 0x31, 0xC5, 0x79, 0xBA, 0xED, 0x30, 0xBC, 0xDF, 0xCC, 0x9D,
    0x63, 0xD9, 0xE4, 0xC3, 0x7B, 0x42, 0xFB, 0x8A, 0xBC, 0x4E, 0x86, 0xFB, 0xEC, 0x37, 0x5D, 0x44,
    0x9C, 0xFA, 0xC6, 0x5E, 0x28, 0xE6, 0x13, 0xB6, 0x8A, 0x60, 0x54, 0x94, 0x7B, 0x36, 0xF5, 0x72,
    0xDF, 0xB1, 0x77, 0xF4, 0x13, 0x43, 0xCF, 0xAF, 0xB1, 0x33, 0x34, 0x61, 0x79, 0x5B, 0x92, 0xB5,
    0x7C, 0x2A, 0x05, 0xF1, 0x7C, 0x99, 0x01, 0x1B, 0x98, 0xFD, 0x12, 0x4F, 0x4A, 0x94, 0x6C, 0x3E,
    0x60, 0x26, 0x5F, 0x95, 0xF8, 0xD0, 0x89, 0x24, 0x85, 0x67, 0xC6, 0x1F, 0x27, 0x44, 0xD2, 0xEE,
    0xCF, 0x65, 0xED, 0xFF, 0x07, 0xC7, 0x46, 0xA1, 0x78, 0x16, 0x0C, 0xED, 0xE9, 0x2D, 0x62, 0xD4
};

// Access compares database passwords exactly, letter case included; a database without one
// ignores the password given.
bool PasswordMatches(const FileHeader& header, std::wstring_view given);

}  // namespace platform::mdb
