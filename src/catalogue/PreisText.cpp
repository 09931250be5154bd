#include "catalogue/PreisText.h"

#include <utility>

namespace velmora {

std::string einzelpreisText(bool bekannt, std::string betrag) {
    return bekannt ? std::move(betrag) : "Preis fehlt";
}

std::string summenText(bool vollstaendig, std::string betrag) {
    return vollstaendig ? std::move(betrag) : "Preis unvollständig";
}

}  // namespace velmora
