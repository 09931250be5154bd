#include "app/TDaten.h"

#include <utility>

#include "base/AsciiCase.h"
#include "base/DataDirectory.h"
#include "drawing/TGrafik.h"
#include "printing/TAusdruck.h"

namespace velmora {

namespace {

std::string withTrailingSeparator(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path;
}

}  // namespace

TDaten::TDaten(std::string AppPath, bool FehlermeldungenAnzeigen)
    : TDaten(std::move(AppPath), FehlermeldungenAnzeigen, true) {}

TDaten::TDaten(std::string AppPath, LadefehlerSpaeter) : TDaten(std::move(AppPath), true, false) {}

TDaten::TDaten(std::string AppPath, bool FehlermeldungenAnzeigen, bool LadefehlerMelden)
    : AppPath(withTrailingSeparator(std::move(AppPath))),
      FFehlermeldungenAnzeigen(FehlermeldungenAnzeigen),
      TempData(FehlermeldungenAnzeigen),
      Dateien(std::make_unique<TDateien>()) {
    ladeDaten();
    Ausdruck = std::make_unique<TAusdruck>(this->AppPath);
    // The update check runs also when loading failed.
    sucheUpdate();
    if (LadefehlerMelden) {
        meldeLadefehler();
    }
}

void TDaten::zeichneIn(Canvas& canvas, int GrafikWidth, int GrafikHeight) {
    FGrafik = std::make_unique<TGrafik>(AppPath, canvas, GrafikWidth, GrafikHeight, false,
                                        colors::white, colors::black);
}

TDaten::~TDaten() = default;

const std::string& TDaten::getProduktgruppenBezeichnung(std::size_t Index) const {
    return ProduktgruppenListe.at(Index)->getBezeichnung();
}

const std::string& TDaten::getProduktgruppenWG(std::size_t Index) const {
    return ProduktgruppenListe.at(Index)->getWGBezeichnung();
}

std::size_t TDaten::getProduktgruppenIndex(const std::string& WG) const {
    for (std::size_t i = 0; i < ProduktgruppenListe.size(); ++i) {
        if (ProduktgruppenListe[i]->getWGBezeichnung() == WG) {
            return i;
        }
    }
    return ProduktgruppenListe.size();
}

TProdukt* TDaten::getKatalogProdukt(const std::string& ArtNr) const {
    for (const auto& gruppe : ProduktgruppenListe) {
        for (const auto& produkt : gruppe->getProduktListe()) {
            if (equalsIgnoringAsciiCase(produkt->getArtikelNr(), ArtNr)) {
                return produkt.get();
            }
        }
    }
    return nullptr;
}

void TDaten::setzeLoesungZurueck() {
    if (LoesungsListe) {
        for (TProdukt* produkt : *LoesungsListe) {
            produkt->setStandardProdukt();
        }
    }
    LoesungsListe.reset();
    TempData.loescheWerte();
    AktuellerProjektname.clear();
}

const std::string& TDaten::getAktuellerProjektName() const {
    return AktuellerProjektname.empty() ? StandardProjektName : AktuellerProjektname;
}

std::string TDaten::getGeneralDataDir() {
    return generalDataDirectory();
}

std::string TDaten::getAktuelleVersion() {
    return "Version " + std::to_string(VELMORA_VERSION_MAJOR) + "." +
           std::to_string(VELMORA_VERSION_MINOR) + "." + std::to_string(VELMORA_VERSION_PATCH);
}

void TDaten::sucheUpdate() {
    // This program has no update service to ask; the hook stays at the end of start-up.
}

}  // namespace velmora
