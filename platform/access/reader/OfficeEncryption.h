#pragma once
// Office encryption of ACE files (MS-OFFCRYPTO), as Access applies it to a database with a
// password: every page but the header is encrypted, each with a key or IV made from the
// file's encoding key and the page number. The header keeps, at 0x299, the encryption
// information: its version, then either the XML descriptor of agile encryption (4.4) or the
// binary header and verifier of the CryptoAPI schemes (x.2): RC4, and AES as the standard
// scheme (AES flag set, 50,000 hash rounds) or the "non-standard" one Access writes in
// compatibility mode 0 (AES named, no rounds).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "access/reader/Crypto.h"

namespace platform::mdb::crypto {

class PageDecrypter {
public:
    virtual ~PageDecrypter() = default;
    // Decrypts one page in place; false when the cipher fails.
    virtual bool Decrypt(std::uint32_t page, unsigned char* data, std::size_t n) = 0;
};

struct Unlocked {
    enum Outcome { Ok, WrongPassword, Unsupported } outcome = Unsupported;
    std::string scheme;  // the scheme's name, for messages ("Office agile encryption" ...)
    std::string why;     // what is not supported, when it is not
    std::unique_ptr<PageDecrypter> pages;  // when Ok
};

// The name of the scheme the encryption information names.
std::string SchemeName(ByteSpan info);

// Checks the password against the file's verifier and, when it is right, makes the page
// decrypter. info: the encryption information (after its 16-bit length); encodingKey: the
// header's 4 bytes at 0x3E; password: as the user gave it (at most 255 characters count).
Unlocked UnlockPages(ByteSpan info, const std::array<unsigned char, 4>& encodingKey, std::u16string_view password);

}  // namespace platform::mdb::crypto
