#pragma once
// The header page of an Access file, read without libmdb: which engine wrote it, the database
// password it keeps, and whether its pages are encrypted. Part of the header is scrambled
// with RC4 under a fixed key; in Jet 4 and later files the password is further masked with
// the file's creation date.
#include <optional>
#include <string>

namespace platform::access {

struct FileHeader {
    enum class Engine { Jet3, Jet4, Ace } engine = Engine::Jet4;
    std::wstring password;  // empty: the database has none
    // The pages are encrypted with a key made from the password (Office encryption of ACE
    // files); the name of the scheme, for messages.
    bool encrypted = false;
    std::wstring encryption;
};

// None when the file does not start with an Access header.
std::optional<FileHeader> ReadFileHeader(const std::string& hostPath);

// Access compares database passwords exactly, letter case included; a database without one
// ignores the password given.
bool PasswordMatches(const FileHeader& header, std::wstring_view given);

}  // namespace platform::access
