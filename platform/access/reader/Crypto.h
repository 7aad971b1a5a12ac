#pragma once
// The hashes and ciphers the reader needs, from OpenSSL's libcrypto: nothing here is written
// by hand. libcrypto is opened when first needed; without it every function here fails. RC4 lives in OpenSSL's legacy provider, which is loaded into a library context of
// the reader's own, so the default context of the process stays as it was.
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace platform::mdb::crypto {

using Bytes = std::vector<unsigned char>;
using ByteSpan = std::span<const unsigned char>;

// Why files cannot be decrypted ("decryption without libcrypto.so.3 (it cannot be loaded: ...)"),
// or empty when they can.
std::string Unavailable();

// Base64 text decoded; empty when it is not Base64.
Bytes Base64(std::string_view text);

// Whether the hash is one libcrypto has under that name ("SHA1", "SHA512", "MD5" ...).
bool HasHash(std::string_view algorithm);
// The digest of the parts one after the other; empty when the hash is unknown.
Bytes Hash(std::string_view algorithm, std::initializer_list<ByteSpan> parts);

// AES without padding over n bytes in place (n a multiple of 16): CBC with the IV given, or
// ECB when the IV is empty. False when the key is not 16, 24 or 32 bytes, or libcrypto fails.
bool AesDecrypt(ByteSpan key, ByteSpan iv, unsigned char* data, std::size_t n);

// An RC4 key stream: each Apply continues where the last one ended.
class Rc4 {
public:
    explicit Rc4(ByteSpan key);
    ~Rc4();
    Rc4(const Rc4&) = delete;
    Rc4& operator=(const Rc4&) = delete;
    // False when RC4 is not available (the legacy provider could not be loaded).
    bool Ok() const { return m_ctx != nullptr; }
    bool Apply(unsigned char* data, std::size_t n);

private:
    EVP_CIPHER_CTX* m_ctx = nullptr;
};

}  // namespace platform::mdb::crypto
