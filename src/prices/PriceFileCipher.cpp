#include "prices/PriceFileCipher.h"

#include <cstddef>
#include <limits>
#include <memory>

#include "prices/CryptoLibrary.h"
#include "prices/PriceFileKey.h"

namespace velmora {

namespace {

constexpr std::size_t kBlockSize = 16;

struct CipherContextDeleter {
    const CryptoLibrary* crypto;
    void operator()(EVP_CIPHER_CTX* context) const { crypto->freeContext(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;

// Runs the whole text through AES-256-CBC without OpenSSL's padding (done by the callers).
std::optional<std::string> runCipher(std::string_view input, bool encrypt) {
    if (input.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) - kBlockSize) {
        return std::nullopt;
    }
    const CryptoLibrary* crypto = cryptoLibrary();
    if (crypto == nullptr) {
        return std::nullopt;
    }
    const CipherContext context(crypto->newContext(), CipherContextDeleter{crypto});
    if (!context) {
        return std::nullopt;
    }
    const PriceFileKey secret = priceFileKey();
    if (crypto->cipherInit(context.get(), crypto->aes256Cbc(), nullptr, secret.key.data(),
                           secret.vector.data(), encrypt ? 1 : 0) != 1 ||
        crypto->setPadding(context.get(), 0) != 1) {
        return std::nullopt;
    }
    std::string output(input.size() + kBlockSize, '\0');
    auto* out = reinterpret_cast<unsigned char*>(output.data());
    int written = 0;
    int finalWritten = 0;
    if (crypto->cipherUpdate(context.get(), out, &written,
                             reinterpret_cast<const unsigned char*>(input.data()),
                             static_cast<int>(input.size())) != 1 ||
        crypto->cipherFinal(context.get(), out + written, &finalWritten) != 1) {
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
