// libcrypto's hashes and ciphers for the reader (see Crypto.h).
#include "access/reader/Crypto.h"

#include <dlfcn.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <algorithm>
#include <climits>
#include <string>

namespace platform::mdb::crypto {
namespace {

// libcrypto is opened when a file is first decrypted, not linked: it is large, and binding its
// symbols was most of the reader's start-up, which every file paid for.
constexpr const char* kLibcrypto = "libcrypto.so.3";

#define VELLORIA_CRYPTO_FUNCTIONS(X)                                                                                        \
    X(OPENSSL_init_crypto) X(EVP_MD_fetch) X(EVP_MD_free) X(EVP_MD_get_size) X(EVP_MD_CTX_new) X(EVP_MD_CTX_free)            \
    X(EVP_DigestInit_ex2) X(EVP_DigestUpdate) X(EVP_DigestFinal_ex) X(EVP_CIPHER_fetch) X(EVP_CIPHER_free)                   \
    X(EVP_CIPHER_CTX_new) X(EVP_CIPHER_CTX_free) X(EVP_CIPHER_CTX_set_padding) X(EVP_CIPHER_CTX_set_key_length)              \
    X(EVP_DecryptInit_ex2) X(EVP_DecryptUpdate) X(EVP_DecryptFinal_ex) X(EVP_DecodeBlock) X(OSSL_LIB_CTX_new)                \
    X(OSSL_LIB_CTX_free) X(OSSL_PROVIDER_load)

struct Libcrypto {
#define VELLORIA_CRYPTO_POINTER(name) decltype(&::name) name = nullptr;
    VELLORIA_CRYPTO_FUNCTIONS(VELLORIA_CRYPTO_POINTER)
#undef VELLORIA_CRYPTO_POINTER
    std::string error;  // why it cannot be used; empty when it can
};

// Loaded once and kept for the life of the reader.
const Libcrypto& Loaded() {
    static const Libcrypto lib = [] {
        Libcrypto l;
        ::dlerror();
        void* handle = ::dlopen(kLibcrypto, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* reason = ::dlerror();
            l.error = std::string(kLibcrypto) + " (it cannot be loaded: " + (reason ? reason : "no reason given") + ")";
            return l;
        }
#define VELLORIA_CRYPTO_RESOLVE(name)                                                              \
    l.name = reinterpret_cast<decltype(l.name)>(::dlsym(handle, #name));                           \
    if (!l.name) {                                                                                 \
        l.error = std::string(kLibcrypto) + " (it has no function " #name ")";                             \
        return l;                                                                                  \
    }
        VELLORIA_CRYPTO_FUNCTIONS(VELLORIA_CRYPTO_RESOLVE)
#undef VELLORIA_CRYPTO_RESOLVE
        // The system's OpenSSL configuration has no say in how a file is read.
        l.OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG, nullptr);
        return l;
    }();
    return lib;
}

bool Usable() { return Loaded().error.empty(); }
// Every function below checks Usable() before it calls one of these.
const Libcrypto& Lib() { return Loaded(); }

struct MdDeleter {
    void operator()(EVP_MD* md) const { Lib().EVP_MD_free(md); }
};
struct MdCtxDeleter {
    void operator()(EVP_MD_CTX* ctx) const { Lib().EVP_MD_CTX_free(ctx); }
};
struct CipherDeleter {
    void operator()(EVP_CIPHER* cipher) const { Lib().EVP_CIPHER_free(cipher); }
};
struct CipherCtxDeleter {
    void operator()(EVP_CIPHER_CTX* ctx) const { Lib().EVP_CIPHER_CTX_free(ctx); }
};

std::unique_ptr<EVP_MD, MdDeleter> FetchHash(std::string_view algorithm) {
    return std::unique_ptr<EVP_MD, MdDeleter>(Lib().EVP_MD_fetch(nullptr, std::string(algorithm).c_str(), nullptr));
}

// The library context that holds the legacy provider (for RC4), with the default one beside
// it; made when RC4 is first needed and kept for the life of the reader.
OSSL_LIB_CTX* LegacyContext() {
    static OSSL_LIB_CTX* const context = [] {
        OSSL_LIB_CTX* ctx = Lib().OSSL_LIB_CTX_new();
        if (ctx && Lib().OSSL_PROVIDER_load(ctx, "legacy") && Lib().OSSL_PROVIDER_load(ctx, "default")) return ctx;
        Lib().OSSL_LIB_CTX_free(ctx);
        return static_cast<OSSL_LIB_CTX*>(nullptr);
    }();
    return context;
}

}  // namespace

std::string Unavailable() {
    const std::string& error = Loaded().error;
    return error.empty() ? std::string() : "decryption without " + error;
}

Bytes Base64(std::string_view text) {
    if (text.empty() || text.size() % 4 != 0 || !Usable()) return {};
    Bytes out(text.size() / 4 * 3);
    const int n = Lib().EVP_DecodeBlock(out.data(), reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    if (n < 0) return {};
    std::size_t padding = 0;
    for (std::size_t i = text.size(); i > 0 && text[i - 1] == '='; --i) ++padding;
    out.resize(static_cast<std::size_t>(n) - std::min<std::size_t>(padding, static_cast<std::size_t>(n)));
    return out;
}

bool HasHash(std::string_view algorithm) { return Usable() && FetchHash(algorithm) != nullptr; }

Bytes Hash(std::string_view algorithm, std::initializer_list<ByteSpan> parts) {
    if (!Usable()) return {};
    const auto md = FetchHash(algorithm);
    const std::unique_ptr<EVP_MD_CTX, MdCtxDeleter> ctx(Lib().EVP_MD_CTX_new());
    if (!md || !ctx || !Lib().EVP_DigestInit_ex2(ctx.get(), md.get(), nullptr)) return {};
    for (const ByteSpan part : parts)
        if (!part.empty() && !Lib().EVP_DigestUpdate(ctx.get(), part.data(), part.size())) return {};
    Bytes digest(static_cast<std::size_t>(Lib().EVP_MD_get_size(md.get())));
    unsigned int length = 0;
    if (!Lib().EVP_DigestFinal_ex(ctx.get(), digest.data(), &length)) return {};
    digest.resize(length);
    return digest;
}

bool AesDecrypt(ByteSpan key, ByteSpan iv, unsigned char* data, std::size_t n) {
    if (!Usable() || n % 16 != 0 || n > static_cast<std::size_t>(INT_MAX)) return false;
    const char* name = nullptr;
    const bool cbc = !iv.empty();
    switch (key.size()) {
    case 16: name = cbc ? "AES-128-CBC" : "AES-128-ECB"; break;
    case 24: name = cbc ? "AES-192-CBC" : "AES-192-ECB"; break;
    case 32: name = cbc ? "AES-256-CBC" : "AES-256-ECB"; break;
    default: return false;
    }
    if (cbc && iv.size() != 16) return false;
    const std::unique_ptr<EVP_CIPHER, CipherDeleter> cipher(Lib().EVP_CIPHER_fetch(nullptr, name, nullptr));
    const std::unique_ptr<EVP_CIPHER_CTX, CipherCtxDeleter> ctx(Lib().EVP_CIPHER_CTX_new());
    if (!cipher || !ctx || !Lib().EVP_DecryptInit_ex2(ctx.get(), cipher.get(), key.data(), cbc ? iv.data() : nullptr, nullptr)) return false;
    Lib().EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    int out = 0, tail = 0;
    if (!Lib().EVP_DecryptUpdate(ctx.get(), data, &out, data, static_cast<int>(n))) return false;
    if (!Lib().EVP_DecryptFinal_ex(ctx.get(), data + out, &tail)) return false;
    return static_cast<std::size_t>(out + tail) == n;
}

Rc4::Rc4(ByteSpan key) {
    if (!Usable()) return;
    OSSL_LIB_CTX* context = LegacyContext();
    if (!context || key.empty() || key.size() > 256) return;
    const std::unique_ptr<EVP_CIPHER, CipherDeleter> cipher(Lib().EVP_CIPHER_fetch(context, "RC4", nullptr));
    std::unique_ptr<EVP_CIPHER_CTX, CipherCtxDeleter> ctx(Lib().EVP_CIPHER_CTX_new());
    // RC4 takes keys of any length: the length is set before the key.
    if (!cipher || !ctx || !Lib().EVP_DecryptInit_ex2(ctx.get(), cipher.get(), nullptr, nullptr, nullptr) ||
        !Lib().EVP_CIPHER_CTX_set_key_length(ctx.get(), static_cast<int>(key.size())) ||
        !Lib().EVP_DecryptInit_ex2(ctx.get(), nullptr, key.data(), nullptr, nullptr))
        return;
    m_ctx = ctx.release();
}

Rc4::~Rc4() {
    if (m_ctx) Lib().EVP_CIPHER_CTX_free(m_ctx);
}

bool Rc4::Apply(unsigned char* data, std::size_t n) {
    if (!m_ctx || n > static_cast<std::size_t>(INT_MAX)) return false;
    int out = 0;
    return Lib().EVP_DecryptUpdate(m_ctx, data, &out, data, static_cast<int>(n)) && static_cast<std::size_t>(out) == n;
}

}  // namespace platform::mdb::crypto
