#include "datanorm/LineWindow.h"

#include <algorithm>

#include "datanorm/DatanormFields.h"
#include "datanorm/DatanormFiles.h"

namespace velmora::datanorm {

namespace {

constexpr std::size_t kFenster = 256 * 1024;
static_assert(kFenster > kMaxDatanormLineBytes, "a window must hold the longest line");

}  // namespace

LineWindow::LineWindow(const std::string& path) : FFile(path), FPuffer(kFenster) {}

bool LineWindow::fuelle(std::uint64_t offset) {
    const long gelesen = FFile.readAt(offset, FPuffer.data(), FPuffer.size());
    FAnfang = offset;
    FLaenge = gelesen > 0 ? static_cast<std::size_t>(gelesen) : 0;
    return gelesen > 0;
}

std::string_view LineWindow::zeileAb(std::uint64_t offset) {
    if (!FFile.isOpen()) {
        return {};
    }
    const auto imFenster = [&] {
        if (offset < FAnfang || offset >= FAnfang + FLaenge) {
            return std::string_view();
        }
        const std::string_view rest(FPuffer.data() + (offset - FAnfang),
                                    FLaenge - (offset - FAnfang));
        const std::size_t gefunden = zeilenende(rest, 0);
        const std::size_t ende = gefunden == rest.size() ? std::string_view::npos : gefunden;
        const bool dateiEnde = FLaenge < FPuffer.size();  // a short read reached the end
        if (ende == std::string_view::npos && !dateiEnde && rest.size() < kMaxDatanormLineBytes) {
            return std::string_view();  // the line goes on beyond the window
        }
        return rest.substr(0, std::min({ende, rest.size(), kMaxDatanormLineBytes}));
    };
    std::string_view zeile = imFenster();
    if (zeile.data() == nullptr && fuelle(offset)) {
        zeile = imFenster();
    }
    FLetztesEnde = offset + zeile.size();
    return zeile;
}

std::string_view LineWindow::naechsteZeile() {
    // Line ends and empty lines between the two lines are skipped, as a scan skips them.
    for (std::uint64_t offset = FLetztesEnde;; ++offset) {
        if ((offset < FAnfang || offset >= FAnfang + FLaenge) && !fuelle(offset)) {
            return {};
        }
        const char c = FPuffer[offset - FAnfang];
        if (c != '\r' && c != '\n') {
            return zeileAb(offset);
        }
    }
}

}  // namespace velmora::datanorm
