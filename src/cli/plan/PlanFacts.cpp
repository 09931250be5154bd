#include "cli/plan/PlanFacts.h"

#include "app/TDaten.h"

namespace velmora {

std::vector<std::string> planMessages(const TTempData& tempData) {
    std::vector<std::string> messages;
    const std::string& text = tempData.error;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        messages.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return messages;
}

std::string productGroupCode(const TDaten& daten, const TProdukt& produkt) {
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        for (const auto& kandidat : gruppe->getProduktListe()) {
            if (kandidat.get() == &produkt) {
                return gruppe->getWGBezeichnung();
            }
        }
    }
    return {};
}

}  // namespace velmora
