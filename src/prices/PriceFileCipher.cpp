#include "prices/PriceFileCipher.h"

#include <openssl/evp.h>

#include <cstddef>
#include <limits>
#include <memory>

#include "prices/PriceFileKey.h"

namespace velmora {

namespace {

constexpr std::size_t kBlockSize = 16;

struct CipherContextDeleter {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;

// Runs the whole text through AES-256-CBC without OpenSSL's padding (done by the callers).
std::optional<std::string> runCipher(std::string_view input, bool encrypt) {
    if (input.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) - kBlockSize) {
        return std::nullopt;
    }
    const CipherContext context(EVP_CIPHER_CTX_new());
    if (!context) {
        return std::nullopt;
    }
    const PriceFileKey secret = priceFileKey();
    if (EVP_CipherInit_ex(context.get(), EVP_aes_256_cbc(), nullptr, secret.key.data(),
                          secret.vector.data(), encrypt ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1) {
        return std::nullopt;
    }
    std::string output(input.size() + kBlockSize, '\0');
    auto* out = reinterpret_cast<unsigned char*>(output.data());
    int written = 0;
    int finalWritten = 0;
    if (EVP_CipherUpdate(context.get(), out, &written,
                         reinterpret_cast<const unsigned char*>(input.data()),
                         static_cast<int>(input.size())) != 1 ||
        EVP_CipherFinal_ex(context.get(), out + written, &finalWritten) != 1) {
        return std::nullopt;
    }
    output.resize(static_cast<std::size_t>(written + finalWritten));
    return output;
}

}  // namespace

std::optional<std::string> encryptPriceFile(std::string_view plain) {
    const std::size_t padding = kBlockSize - plain.size() % kBlockSize;
    std::string padded(plain);
    padded.append(padding, static_cast<char>(padding));
    return runCipher(padded, true);
}

std::optional<std::string> decryptPriceFile(std::string_view cipher) {
    if (cipher.empty()) {
        return std::nullopt;
    }
    std::string filled(cipher);
    if (filled.size() % kBlockSize != 0) {
        filled.append(kBlockSize - filled.size() % kBlockSize, '\0');
    }
    std::optional<std::string> plain = runCipher(filled, false);
    if (!plain) {
        return std::nullopt;
    }
    const auto padding = static_cast<unsigned char>(plain->back());
    if (padding == 0 || padding > kBlockSize) {
        return std::nullopt;
    }
    plain->resize(plain->size() - padding);
    return plain;
}

}  // namespace velmora
