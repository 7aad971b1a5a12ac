// libcrypto's hashes and ciphers for the reader (see Crypto.h).
#include "access/reader/Crypto.h"

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <climits>
#include <string>

namespace platform::mdb::crypto {
namespace {

struct MdDeleter {
    void operator()(EVP_MD* md) const { EVP_MD_free(md); }
};
struct MdCtxDeleter {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
struct CipherDeleter {
    void operator()(EVP_CIPHER* cipher) const { EVP_CIPHER_free(cipher); }
};
struct CipherCtxDeleter {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

std::unique_ptr<EVP_MD, MdDeleter> FetchHash(std::string_view algorithm) {
    return std::unique_ptr<EVP_MD, MdDeleter>(EVP_MD_fetch(nullptr, std::string(algorithm).c_str(), nullptr));
}

// The library context that holds the legacy provider (for RC4), with the default one beside
// it; made when RC4 is first needed and kept for the life of the reader.
OSSL_LIB_CTX* LegacyContext() {
    static OSSL_LIB_CTX* const context = [] {
        OSSL_LIB_CTX* ctx = OSSL_LIB_CTX_new();
        if (ctx && OSSL_PROVIDER_load(ctx, "legacy") && OSSL_PROVIDER_load(ctx, "default")) return ctx;
        OSSL_LIB_CTX_free(ctx);
        return static_cast<OSSL_LIB_CTX*>(nullptr);
    }();
    return context;
}

}  // namespace

bool HasHash(std::string_view algorithm) { return FetchHash(algorithm) != nullptr; }

Bytes Hash(std::string_view algorithm, std::initializer_list<ByteSpan> parts) {
    const auto md = FetchHash(algorithm);
    const std::unique_ptr<EVP_MD_CTX, MdCtxDeleter> ctx(EVP_MD_CTX_new());
    if (!md || !ctx || !EVP_DigestInit_ex2(ctx.get(), md.get(), nullptr)) return {};
    for (const ByteSpan part : parts)
        if (!part.empty() && !EVP_DigestUpdate(ctx.get(), part.data(), part.size())) return {};
    Bytes digest(static_cast<std::size_t>(EVP_MD_get_size(md.get())));
    unsigned int length = 0;
    if (!EVP_DigestFinal_ex(ctx.get(), digest.data(), &length)) return {};
    digest.resize(length);
    return digest;
}

bool AesDecrypt(ByteSpan key, ByteSpan iv, unsigned char* data, std::size_t n) {
    if (n % 16 != 0 || n > static_cast<std::size_t>(INT_MAX)) return false;
    const char* name = nullptr;
    const bool cbc = !iv.empty();
    switch (key.size()) {
    case 16: name = cbc ? "AES-128-CBC" : "AES-128-ECB"; break;
    case 24: name = cbc ? "AES-192-CBC" : "AES-192-ECB"; break;
    case 32: name = cbc ? "AES-256-CBC" : "AES-256-ECB"; break;
    default: return false;
    }
    if (cbc && iv.size() != 16) return false;
    const std::unique_ptr<EVP_CIPHER, CipherDeleter> cipher(EVP_CIPHER_fetch(nullptr, name, nullptr));
    const std::unique_ptr<EVP_CIPHER_CTX, CipherCtxDeleter> ctx(EVP_CIPHER_CTX_new());
    if (!cipher || !ctx || !EVP_DecryptInit_ex2(ctx.get(), cipher.get(), key.data(), cbc ? iv.data() : nullptr, nullptr)) return false;
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    int out = 0, tail = 0;
    if (!EVP_DecryptUpdate(ctx.get(), data, &out, data, static_cast<int>(n))) return false;
    if (!EVP_DecryptFinal_ex(ctx.get(), data + out, &tail)) return false;
    return static_cast<std::size_t>(out + tail) == n;
}

Rc4::Rc4(ByteSpan key) {
    OSSL_LIB_CTX* context = LegacyContext();
    if (!context || key.empty() || key.size() > 256) return;
    const std::unique_ptr<EVP_CIPHER, CipherDeleter> cipher(EVP_CIPHER_fetch(context, "RC4", nullptr));
    std::unique_ptr<EVP_CIPHER_CTX, CipherCtxDeleter> ctx(EVP_CIPHER_CTX_new());
    // RC4 takes keys of any length: the length is set before the key.
    if (!cipher || !ctx || !EVP_DecryptInit_ex2(ctx.get(), cipher.get(), nullptr, nullptr, nullptr) ||
        !EVP_CIPHER_CTX_set_key_length(ctx.get(), static_cast<int>(key.size())) ||
        !EVP_DecryptInit_ex2(ctx.get(), nullptr, key.data(), nullptr, nullptr))
        return;
    m_ctx = ctx.release();
}

Rc4::~Rc4() { EVP_CIPHER_CTX_free(m_ctx); }

bool Rc4::Apply(unsigned char* data, std::size_t n) {
    if (!m_ctx || n > static_cast<std::size_t>(INT_MAX)) return false;
    int out = 0;
    return EVP_DecryptUpdate(m_ctx, data, &out, data, static_cast<int>(n)) && static_cast<std::size_t>(out) == n;
}

}  // namespace platform::mdb::crypto
