// The key stream that unscrambles every Access header is kept as bytes; they must be RC4's
// under the header's fixed key, as libcrypto makes it.
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <array>
#include <memory>

#include "access/reader/FileHeader.h"

namespace {

TEST(HeaderKeyStream, IsLibcryptosRc4UnderTheFixedKey) {
    // RC4 is in the legacy provider, loaded into a context of this test's own.
    OSSL_LIB_CTX* context = OSSL_LIB_CTX_new();
    ASSERT_NE(nullptr, context);
    ASSERT_NE(nullptr, OSSL_PROVIDER_load(context, "legacy"));
    ASSERT_NE(nullptr, OSSL_PROVIDER_load(context, "default"));
    EVP_CIPHER* cipher = EVP_CIPHER_fetch(context, "RC4", nullptr);
    ASSERT_NE(nullptr, cipher);
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    const unsigned char key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    ASSERT_TRUE(EVP_EncryptInit_ex2(ctx, cipher, nullptr, nullptr, nullptr));
    ASSERT_TRUE(EVP_CIPHER_CTX_set_key_length(ctx, 4));
    ASSERT_TRUE(EVP_EncryptInit_ex2(ctx, nullptr, key, nullptr, nullptr));
    std::array<unsigned char, 128> zeros{}, stream{};
    int n = 0;
    ASSERT_TRUE(EVP_EncryptUpdate(ctx, stream.data(), &n, zeros.data(), static_cast<int>(zeros.size())));
    EXPECT_EQ(128, n);
    EXPECT_EQ(stream, platform::mdb::kHeaderKeyStream);
    EVP_CIPHER_CTX_free(ctx);
    EVP_CIPHER_free(cipher);
    OSSL_LIB_CTX_free(context);
}

}  // namespace
