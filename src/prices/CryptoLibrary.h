#pragma once

#include <openssl/evp.h>

namespace velmora {

// The few functions of OpenSSL's libcrypto the price files need. The library is loaded when a
// price file is first read or written, not with every start of the programs: loading it takes
// a noticeable part of the window's start.
struct CryptoLibrary {
    decltype(&EVP_CIPHER_CTX_new) newContext;
    decltype(&EVP_CIPHER_CTX_free) freeContext;
    decltype(&EVP_aes_256_cbc) aes256Cbc;
    decltype(&EVP_CipherInit_ex) cipherInit;
    decltype(&EVP_CIPHER_CTX_set_padding) setPadding;
    decltype(&EVP_CipherUpdate) cipherUpdate;
    decltype(&EVP_CipherFinal_ex) cipherFinal;
};

// Loads the library on first use; nullptr when it or one of its functions is missing.
const CryptoLibrary* cryptoLibrary();

}  // namespace velmora
