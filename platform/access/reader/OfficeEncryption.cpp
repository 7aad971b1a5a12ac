// Office encryption of ACE files (see OfficeEncryption.h). The section numbers are those of
// MS-OFFCRYPTO.
#include "access/reader/OfficeEncryption.h"

#include <algorithm>
#include <cstring>

namespace platform::mdb::crypto {
namespace {

std::uint32_t U32(ByteSpan s, std::size_t at) {
    return static_cast<std::uint32_t>(s[at]) | (static_cast<std::uint32_t>(s[at + 1]) << 8) | (static_cast<std::uint32_t>(s[at + 2]) << 16) |
           (static_cast<std::uint32_t>(s[at + 3]) << 24);
}
std::uint16_t U16(ByteSpan s, std::size_t at) { return static_cast<std::uint16_t>(s[at] | (s[at + 1] << 8)); }

Bytes LittleEndian(std::uint32_t v) {
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v >> 16),
            static_cast<unsigned char>(v >> 24)};
}

// The bytes cut or padded to a length (2.3.4.11: padding with 0x36).
Bytes Fit(Bytes bytes, std::size_t length, unsigned char pad) {
    bytes.resize(length, pad);
    return bytes;
}

// The page's block key: the encoding key with the page number laid over it.
Bytes PageKey(const std::array<unsigned char, 4>& encodingKey, std::uint32_t page) {
    Bytes key = LittleEndian(page);
    for (std::size_t i = 0; i < 4; ++i) key[i] ^= encodingKey[i];
    return key;
}

Bytes PasswordBytes(std::u16string_view password) {
    Bytes bytes;
    for (const char16_t unit : password.substr(0, 255)) {
        bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

// H(salt + password), then `rounds` times H(iterator + hash) (2.3.4.7, 2.3.4.11).
Bytes IteratedHash(std::string_view algorithm, ByteSpan salt, ByteSpan password, std::uint32_t rounds) {
    Bytes hash = Hash(algorithm, {salt, password});
    for (std::uint32_t i = 0; i < rounds && !hash.empty(); ++i) hash = Hash(algorithm, {LittleEndian(i), hash});
    return hash;
}

bool SameBytes(ByteSpan a, ByteSpan b, std::size_t n) { return a.size() >= n && b.size() >= n && std::memcmp(a.data(), b.data(), n) == 0; }

// ---- agile encryption (2.3.4.10 to 2.3.4.13) ----------------------------------------------

// The value of an attribute of the first element whose name ends with `element`.
std::string Attribute(std::string_view xml, std::string_view element, std::string_view name) {
    for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at + 1)) {
        const std::size_t end = xml.find('>', at);
        if (end == std::string_view::npos) return {};
        const std::string_view tag = xml.substr(at + 1, end - at - 1);
        const std::size_t nameEnd = tag.find_first_of(" \t\r\n/");
        const std::string_view tagName = tag.substr(0, nameEnd);
        if (tagName.size() < element.size() || tagName.substr(tagName.size() - element.size()) != element ||
            (tagName.size() > element.size() && tagName[tagName.size() - element.size() - 1] != ':'))
            continue;
        const std::string key = std::string(" ") + std::string(name) + "=\"";
        std::size_t k = tag.find(key);
        if (k == std::string_view::npos) return {};
        k += key.size();
        const std::size_t close = tag.find('"', k);
        return close == std::string_view::npos ? std::string() : std::string(tag.substr(k, close - k));
    }
    return {};
}

long Number(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stol(text);
}

// What the descriptor says of one key: its cipher, hash and salt.
struct AgileKey {
    std::string hash;
    long blockSize = 0, keyBits = 0;
    Bytes salt;
};

bool ReadAgileKey(std::string_view xml, std::string_view element, AgileKey& key, std::string& why) {
    const std::string cipher = Attribute(xml, element, "cipherAlgorithm");
    const std::string chaining = Attribute(xml, element, "cipherChaining");
    key.hash = Attribute(xml, element, "hashAlgorithm");
    key.blockSize = Number(Attribute(xml, element, "blockSize"));
    key.keyBits = Number(Attribute(xml, element, "keyBits"));
    key.salt = Base64(Attribute(xml, element, "saltValue"));
    if (cipher != "AES") why = "the cipher " + (cipher.empty() ? std::string("(none)") : cipher);
    else if (chaining != "ChainingModeCBC") why = "the chaining mode " + chaining;
    else if (!HasHash(key.hash)) why = "the hash " + key.hash;
    else if (key.blockSize != 16 || (key.keyBits != 128 && key.keyBits != 192 && key.keyBits != 256) || key.salt.empty())
        why = "a damaged encryption descriptor";
    return why.empty();
}

class AgilePages : public PageDecrypter {
public:
    AgilePages(AgileKey data, Bytes key, const std::array<unsigned char, 4>& encodingKey)
        : m_data(std::move(data)), m_key(std::move(key)), m_encodingKey(encodingKey) {}
    bool Decrypt(std::uint32_t page, unsigned char* bytes, std::size_t n) override {
        // 2.3.4.12: the IV is the hash of the key data's salt and the block key.
        const Bytes iv = Fit(Hash(m_data.hash, {m_data.salt, PageKey(m_encodingKey, page)}), static_cast<std::size_t>(m_data.blockSize), 0x36);
        return AesDecrypt(m_key, iv, bytes, n);
    }

private:
    AgileKey m_data;
    Bytes m_key;
    std::array<unsigned char, 4> m_encodingKey;
};

Unlocked UnlockAgile(ByteSpan info, const std::array<unsigned char, 4>& encodingKey, ByteSpan password) {
    Unlocked result;
    result.scheme = "Office agile encryption";
    // Version (4 bytes), reserved 0x40 (4 bytes), then the XML.
    if (info.size() < 8 || U32(info, 4) != 0x40) {
        result.why = "a damaged encryption descriptor";
        return result;
    }
    const std::string_view xml(reinterpret_cast<const char*>(info.data()) + 8, info.size() - 8);
    if (xml.find("http://schemas.microsoft.com/office/2006/keyEncryptor/password") == std::string_view::npos) {
        result.why = "a key that is not encrypted with a password";
        return result;
    }
    AgileKey data, encryptor;
    if (!ReadAgileKey(xml, "keyData", data, result.why) || !ReadAgileKey(xml, "encryptedKey", encryptor, result.why)) return result;
    const long spinCount = Number(Attribute(xml, "encryptedKey", "spinCount"));
    const Bytes verifierInput = Base64(Attribute(xml, "encryptedKey", "encryptedVerifierHashInput"));
    const Bytes verifierValue = Base64(Attribute(xml, "encryptedKey", "encryptedVerifierHashValue"));
    const Bytes keyValue = Base64(Attribute(xml, "encryptedKey", "encryptedKeyValue"));
    if (spinCount < 0 || spinCount > 10000000 || verifierInput.empty() || verifierValue.empty() || keyValue.empty() || verifierInput.size() % 16 ||
        verifierValue.size() % 16 || keyValue.size() % 16) {
        result.why = "a damaged encryption descriptor";
        return result;
    }
    // 2.3.4.11: one iterated hash, finished with a block key for each of the three values.
    const Bytes iterated = IteratedHash(encryptor.hash, encryptor.salt, password, static_cast<std::uint32_t>(spinCount));
    const std::size_t keyBytes = static_cast<std::size_t>(encryptor.keyBits / 8);
    const Bytes iv = Fit(encryptor.salt, 16, 0x36);
    auto decryptWith = [&](std::initializer_list<unsigned char> block, Bytes value) {
        const Bytes blockKey(block);
        const Bytes key = Fit(Hash(encryptor.hash, {iterated, blockKey}), keyBytes, 0x36);
        if (!AesDecrypt(key, iv, value.data(), value.size())) value.clear();
        return value;
    };
    // 2.3.4.13: the verifier's hash must be the hash of the verifier.
    const Bytes input = decryptWith({0xfe, 0xa7, 0xd2, 0x76, 0x3b, 0x4b, 0x9e, 0x79}, verifierInput);
    const Bytes value = decryptWith({0xd7, 0xaa, 0x0f, 0x6d, 0x30, 0x61, 0x34, 0x4e}, verifierValue);
    const Bytes expected = Hash(encryptor.hash, {ByteSpan(input).first(std::min(input.size(), encryptor.salt.size()))});
    if (input.empty() || expected.empty() || !SameBytes(value, expected, expected.size())) {
        result.outcome = Unlocked::WrongPassword;
        return result;
    }
    Bytes key = decryptWith({0x14, 0x6e, 0x0b, 0xe7, 0xab, 0xac, 0xd0, 0xd6}, keyValue);
    const std::size_t dataKeyBytes = static_cast<std::size_t>(data.keyBits / 8);
    if (key.size() < dataKeyBytes) {
        result.why = "a damaged encryption descriptor";
        return result;
    }
    key.resize(dataKeyBytes);
    result.outcome = Unlocked::Ok;
    result.pages = std::make_unique<AgilePages>(std::move(data), std::move(key), encodingKey);
    return result;
}

// ---- the CryptoAPI schemes (2.3.2, 2.3.3, 2.3.4.5 to 2.3.4.9, 2.3.5) ------------------------

constexpr std::uint32_t kCryptoApi = 0x04, kExternal = 0x10, kAes = 0x20;
constexpr std::uint32_t kAlgRc4 = 0x6801, kAlgAes128 = 0x660E, kAlgAes192 = 0x660F, kAlgAes256 = 0x6610;
constexpr std::uint32_t kHashSha1 = 0x8004;

struct CryptoApiHeader {
    std::uint32_t flags = 0, algorithm = 0, hash = 0, keyBits = 0;
    std::u16string provider;  // the CSP's name
    Bytes salt, verifier, verifierHash;
    std::uint32_t verifierHashSize = 0;
};

// Reads the header and verifier after the version and the copy of the flags; false when they
// do not fit in the information.
bool ReadCryptoApi(ByteSpan info, CryptoApiHeader& h) {
    if (info.size() < 12) return false;
    const std::size_t headerSize = U32(info, 8);
    if (headerSize < 32 || headerSize > info.size() - 12) return false;
    const ByteSpan header = info.subspan(12, headerSize);
    h.flags = U32(header, 0);
    h.algorithm = U32(header, 8);
    h.hash = U32(header, 12);
    h.keyBits = U32(header, 16);
    for (std::size_t at = 32; at + 1 < header.size(); at += 2) {
        const char16_t unit = static_cast<char16_t>(U16(header, at));
        if (unit == 0) break;
        h.provider += unit;
    }
    const ByteSpan verifier = info.subspan(12 + headerSize);
    if (verifier.size() < 4 + 16 + 16 + 4 || U32(verifier, 0) != 16) return false;
    h.salt.assign(verifier.begin() + 4, verifier.begin() + 20);
    h.verifier.assign(verifier.begin() + 20, verifier.begin() + 36);
    h.verifierHashSize = U32(verifier, 36);
    const std::size_t hashBytes = std::min<std::size_t>(verifier.size() - 40, 32);
    h.verifierHash.assign(verifier.begin() + 40, verifier.begin() + 40 + static_cast<long>(hashBytes));
    return h.verifierHashSize > 0 && h.verifierHashSize <= 20;
}

class Rc4Pages : public PageDecrypter {
public:
    Rc4Pages(Bytes baseHash, std::size_t keyBytes, const std::array<unsigned char, 4>& encodingKey)
        : m_baseHash(std::move(baseHash)), m_keyBytes(keyBytes), m_encodingKey(encodingKey) {}
    // 2.3.5.2: the key is the hash of the base hash and the block key; a 40-bit key is used
    // as 128 bits, the rest zero.
    Bytes Key(ByteSpan block) const {
        Bytes key = Hash("SHA1", {m_baseHash, block});
        key.resize(m_keyBytes);
        if (m_keyBytes == 5) key.resize(16, 0);
        return key;
    }
    bool Decrypt(std::uint32_t page, unsigned char* bytes, std::size_t n) override {
        Rc4 rc4(Key(PageKey(m_encodingKey, page)));
        return rc4.Apply(bytes, n);
    }

private:
    Bytes m_baseHash;
    std::size_t m_keyBytes;
    std::array<unsigned char, 4> m_encodingKey;
};

class AesPages : public PageDecrypter {
public:
    AesPages(Bytes iterated, std::size_t keyBytes, const std::array<unsigned char, 4>& encodingKey)
        : m_iterated(std::move(iterated)), m_keyBytes(keyBytes), m_encodingKey(encodingKey) {}
    // 2.3.4.7: the hash of the iterated hash and the block key, spread over two hashes.
    Bytes Key(ByteSpan block) const {
        const Bytes final = Hash("SHA1", {m_iterated, block});
        Bytes x1(64, 0x36), x2(64, 0x5C);
        for (std::size_t i = 0; i < final.size() && i < 64; ++i) x1[i] ^= final[i], x2[i] ^= final[i];
        Bytes key = Hash("SHA1", {x1});
        const Bytes second = Hash("SHA1", {x2});
        key.insert(key.end(), second.begin(), second.end());
        key.resize(m_keyBytes);
        return key;
    }
    bool Decrypt(std::uint32_t page, unsigned char* bytes, std::size_t n) override {
        return AesDecrypt(Key(PageKey(m_encodingKey, page)), {}, bytes, n);
    }

private:
    Bytes m_iterated;
    std::size_t m_keyBytes;
    std::array<unsigned char, 4> m_encodingKey;
};

Unlocked UnlockCryptoApi(ByteSpan info, const std::array<unsigned char, 4>& encodingKey, ByteSpan password) {
    Unlocked result;
    result.scheme = SchemeName(info);
    CryptoApiHeader h;
    if (!ReadCryptoApi(info, h)) {
        result.why = "a damaged encryption header";
        return result;
    }
    if (h.flags & kExternal) {
        result.why = "an external encryption provider";
        return result;
    }
    if (h.hash != 0 && h.hash != kHashSha1) {
        result.why = "a hash other than SHA-1";
        return result;
    }
    const bool aesAlgorithm = h.algorithm == kAlgAes128 || h.algorithm == kAlgAes192 || h.algorithm == kAlgAes256;
    const bool rc4 = !(h.flags & kAes) && (h.algorithm == kAlgRc4 || h.algorithm == 0);
    if (!rc4 && !aesAlgorithm && !(h.algorithm == 0 && (h.flags & kAes))) {
        result.why = "the cipher 0x" + std::to_string(h.algorithm);
        return result;
    }
    std::uint32_t keyBits = h.keyBits;
    if (keyBits == 0) {
        // The provider's default: 40 bits for the base providers, 128 for the strong ones.
        std::u16string lower;
        for (char16_t c : h.provider) lower += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
        keyBits = rc4 ? (lower.empty() || lower.find(u" base ") != std::u16string::npos ? 40 : 128) : 128;
    }
    if (keyBits % 8 || (rc4 && (keyBits < 40 || keyBits > 128)) || (!rc4 && keyBits != 128 && keyBits != 192 && keyBits != 256)) {
        result.why = "a key of " + std::to_string(keyBits) + " bits";
        return result;
    }
    const std::size_t keyBytes = keyBits / 8;
    // The verifier and its hash are decrypted with the key of block 0, one stream for both.
    Bytes verifier = h.verifier, verifierHash = h.verifierHash;
    std::unique_ptr<PageDecrypter> pages;
    bool decrypted = false;
    if (rc4) {
        verifierHash.resize(std::min<std::size_t>(verifierHash.size(), 20));
        auto rc4Pages = std::make_unique<Rc4Pages>(Hash("SHA1", {h.salt, password}), keyBytes, encodingKey);
        Rc4 stream(rc4Pages->Key(LittleEndian(0)));
        decrypted = stream.Apply(verifier.data(), verifier.size()) && stream.Apply(verifierHash.data(), verifierHash.size());
        pages = std::move(rc4Pages);
    } else {
        // The standard scheme hashes 50,000 rounds; Access's non-standard one (AES named
        // without the AES flag) none.
        const std::uint32_t rounds = (h.flags & kAes) ? 50000 : 0;
        verifierHash.resize(verifierHash.size() / 16 * 16);
        auto aesPages = std::make_unique<AesPages>(IteratedHash("SHA1", h.salt, password, rounds), keyBytes, encodingKey);
        const Bytes key = aesPages->Key(LittleEndian(0));
        decrypted = AesDecrypt(key, {}, verifier.data(), verifier.size()) && AesDecrypt(key, {}, verifierHash.data(), verifierHash.size());
        pages = std::move(aesPages);
    }
    const Bytes expected = Hash("SHA1", {verifier});
    if (!decrypted) {
        result.why = "a cipher this reader cannot run";
        return result;
    }
    if (!SameBytes(verifierHash, expected, std::min<std::size_t>(h.verifierHashSize, expected.size()))) {
        result.outcome = Unlocked::WrongPassword;
        return result;
    }
    result.outcome = Unlocked::Ok;
    result.pages = std::move(pages);
    return result;
}

}  // namespace

std::string SchemeName(ByteSpan info) {
    if (info.size() < 4) return "Office encryption";
    const unsigned major = U16(info, 0), minor = U16(info, 2);
    if (major == 4 && minor == 4) return "Office agile encryption";
    if (minor == 3 && (major == 3 || major == 4)) return "Office extensible encryption";
    if (minor == 2 && major >= 2 && major <= 4 && info.size() >= 8) {
        const std::uint32_t flags = U32(info, 4);
        if (flags & kAes) return "Office standard encryption (AES)";
        CryptoApiHeader h;
        if (ReadCryptoApi(info, h) && h.algorithm != kAlgRc4 && h.algorithm != 0) return "Office standard encryption (AES, compatibility mode 0)";
        return "Office RC4 CryptoAPI encryption";
    }
    if (major == 1 && minor == 1) return "Office RC4 encryption";
    return "Office encryption, version " + std::to_string(major) + "." + std::to_string(minor);
}

Unlocked UnlockPages(ByteSpan info, const std::array<unsigned char, 4>& encodingKey, std::u16string_view password) {
    if (std::string missing = Unavailable(); !missing.empty()) {
        Unlocked result;
        result.scheme = SchemeName(info);
        result.why = std::move(missing);
        return result;
    }
    const Bytes passwordBytes = PasswordBytes(password);
    if (info.size() >= 4) {
        const unsigned major = U16(info, 0), minor = U16(info, 2);
        if (major == 4 && minor == 4) return UnlockAgile(info, encodingKey, passwordBytes);
        if (minor == 2 && major >= 2 && major <= 4 && info.size() >= 8 && (U32(info, 4) & kCryptoApi))
            return UnlockCryptoApi(info, encodingKey, passwordBytes);
    }
    Unlocked result;
    result.scheme = SchemeName(info);
    result.why = "this kind of encryption";
    return result;
}

}  // namespace platform::mdb::crypto
