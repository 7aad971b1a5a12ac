#!/usr/bin/env python3
"""Encrypts an ACE file with the standard scheme of MS-OFFCRYPTO (2.3.4.5 to 2.3.4.9): AES-128
in ECB mode, the key from SHA-1 over the salt and the password with 50,000 rounds, as Access
applies it to a database: every page but the header encrypted with the key of its own block
(the file's encoding key with the page number laid over it).

No Access file of this scheme is at hand, so the test file is made here, from the public
specification and independently of Velloria's reader, with Python's hashlib and the
cryptography package:

    python3 encrypt.py PLAIN.accdb ENCRYPTED.accdb PASSWORD

The salt, the verifier and the encoding key are fixed so that the file comes out the same on
every run.
"""
import hashlib
import struct
import sys

from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes

PAGE = 4096
INFO_AT = 0x299          # the encryption information: its length (16 bits), then itself
ENCODING_KEY_AT = 0x3E   # in the part of the header scrambled with RC4 under a fixed key
SCRAMBLE_KEY = bytes([0xC7, 0xDA, 0x39, 0x6B])
SALT = bytes(range(0x10, 0x20))
VERIFIER = b"velloria-verify!"
ENCODING_KEY = bytes([0x5A, 0x13, 0xC4, 0x77])
ROUNDS = 50000


def rc4_keystream(key, n):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    i = j = 0
    out = bytearray()
    for _ in range(n):
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


def iterated_hash(password):
    """2.3.4.7: the hash of the salt and the password, hashed again 50,000 times."""
    h = hashlib.sha1(SALT + password.encode("utf-16-le")).digest()
    for i in range(ROUNDS):
        h = hashlib.sha1(struct.pack("<I", i) + h).digest()
    return h


def block_key(iterated, block):
    """2.3.4.7: the key of one block, spread over two hashes and cut to 128 bits."""
    final = hashlib.sha1(iterated + block).digest()
    x1 = hashlib.sha1(bytes(b ^ 0x36 for b in final) + bytes([0x36] * 44)).digest()
    x2 = hashlib.sha1(bytes(b ^ 0x5C for b in final) + bytes([0x5C] * 44)).digest()
    return (x1 + x2)[:16]


def aes_ecb(key, data):
    encryptor = Cipher(algorithms.AES(key), modes.ECB()).encryptor()
    return encryptor.update(data) + encryptor.finalize()


def encryption_info(iterated):
    csp = "Microsoft Enhanced RSA and AES Cryptographic Provider\0".encode("utf-16-le")
    flags = 0x04 | 0x20  # fCryptoAPI, fAES
    header = struct.pack("<8I", flags, 0, 0x660E, 0x8004, 128, 0x18, 0, 0) + csp
    key = block_key(iterated, struct.pack("<I", 0))
    verifier_hash = hashlib.sha1(VERIFIER).digest().ljust(32, b"\0")
    verifier = struct.pack("<I", 16) + SALT + aes_ecb(key, VERIFIER) + struct.pack("<I", 20) + aes_ecb(key, verifier_hash)
    return struct.pack("<HHI", 4, 2, flags) + struct.pack("<I", len(header)) + header + verifier


def main(plain, encrypted, password):
    data = bytearray(open(plain, "rb").read())
    if data[0x14] < 2 or len(data) % PAGE:
        sys.exit("not an ACE file of whole pages")
    stream = rc4_keystream(SCRAMBLE_KEY, 128)
    stored_key = data[ENCODING_KEY_AT:ENCODING_KEY_AT + 4]
    if bytes(a ^ b for a, b in zip(stored_key, stream[ENCODING_KEY_AT - 0x18:])) != b"\0\0\0\0":
        sys.exit("the file is encrypted already")
    for i in range(4):
        data[ENCODING_KEY_AT + i] ^= ENCODING_KEY[i]
    iterated = iterated_hash(password)
    info = encryption_info(iterated)
    data[INFO_AT:INFO_AT + 2 + len(info)] = struct.pack("<H", len(info)) + info
    for page in range(1, len(data) // PAGE):
        block = bytes(a ^ b for a, b in zip(struct.pack("<I", page), ENCODING_KEY))
        data[page * PAGE:(page + 1) * PAGE] = aes_ecb(block_key(iterated, block), bytes(data[page * PAGE:(page + 1) * PAGE]))
    open(encrypted, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
