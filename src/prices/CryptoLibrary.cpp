#include "prices/CryptoLibrary.h"

#include <dlfcn.h>

namespace velmora {

namespace {

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const CryptoLibrary* load() {
    // The library the build found, by its file name (its soname).
    void* library = dlopen(VELMORA_CRYPTO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return nullptr;
    }
    static CryptoLibrary functions{};
    const bool complete = resolve(library, "EVP_CIPHER_CTX_new", functions.newContext) &&
                          resolve(library, "EVP_CIPHER_CTX_free", functions.freeContext) &&
                          resolve(library, "EVP_aes_256_cbc", functions.aes256Cbc) &&
                          resolve(library, "EVP_CipherInit_ex", functions.cipherInit) &&
                          resolve(library, "EVP_CIPHER_CTX_set_padding", functions.setPadding) &&
                          resolve(library, "EVP_CipherUpdate", functions.cipherUpdate) &&
                          resolve(library, "EVP_CipherFinal_ex", functions.cipherFinal);
    return complete ? &functions : nullptr;
}

}  // namespace

const CryptoLibrary* cryptoLibrary() {
    static const CryptoLibrary* const loaded = load();
    return loaded;
}

}  // namespace velmora
