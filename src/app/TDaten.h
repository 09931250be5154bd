#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/TDateien.h"
#include "base/GeometryTypes.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TProduktgruppe.h"
#include "catalogue/TTempData.h"
#include "catalogue/TZubehoer.h"
#include "prices/TTankCustomPrices.h"

namespace velmora {

namespace datanorm {
class TDatanorm;
}

// The one central object of the program: owns the catalogue, the custom price store, the
// placement state, the defaults and limits of "settings.dta" and the result of the last
// search. Constructing it loads the catalogue from the program directory and reports every
// missing catalogue file in one message. Every planning operation of the window goes
// through it; the search and the choice of product and installation live in their own
// source files.
class TDaten {
public:
    // AppPath: the program directory, where the catalogue files are looked up (a trailing
    // "/" is added when missing). FehlermeldungenAnzeigen: a start-up error ends the program,
    // and the search shows its warnings; both false for tools without a window.
    TDaten(std::string AppPath, bool FehlermeldungenAnzeigen);
    ~TDaten();
    TDaten(const TDaten&) = delete;
    TDaten& operator=(const TDaten&) = delete;

    // --- catalogue ---
    std::size_t getAnzahlProduktgruppen() const { return ProduktgruppenListe.size(); }
    // Display name / product group code of group Index; throws std::out_of_range past the end.
    const std::string& getProduktgruppenBezeichnung(std::size_t Index) const;
    const std::string& getProduktgruppenWG(std::size_t Index) const;
    // Index of the first group whose code equals WG exactly, or the number of groups.
    std::size_t getProduktgruppenIndex(const std::string& WG) const;
    const std::vector<std::unique_ptr<TProduktgruppe>>& getProduktgruppenListe() const {
        return ProduktgruppenListe;
    }
    // Names of the catalogue files that could not be read, in the order of the start-up
    // message; empty when the catalogue loaded completely.
    const std::vector<std::string>& getFehlendeDateien() const { return FFehlendeDateien; }

    // --- defaults and limits of "settings.dta" (metres, litres) ---
    double getStandardRaumBreite() const { return StandardRaumBreite; }
    double getStandardRaumLaenge() const { return StandardRaumLaenge; }
    double getStandardRaumHoehe() const { return StandardRaumHoehe; }
    double getStandardVolumen() const { return StandardVolumen; }
    double getStandardEinbringHoehe() const { return StandardEinbringHoehe; }
    double getStandardEinbringBreite() const { return StandardEinbringBreite; }
    double getMaxRaumBreite() const { return MaxRaumBreite; }
    double getMaxRaumLaenge() const { return MaxRaumLaenge; }
    double getMaxRaumHoehe() const { return MaxRaumHoehe; }
    double getMaxVolumenBeiHeizraum() const { return maxVolumenBeiHeizraum; }
    double getVolumenVarianz() const { return VolumenVarianz; }
    const std::string& getStandardProjektName() const { return StandardProjektName; }

    // --- state of the last search ---
    // The solutions of the last search; null before the first search and after a reset.
    const std::vector<TProdukt*>* getLoesungsListe() const {
        return LoesungsListe ? &*LoesungsListe : nullptr;
    }
    TProdukt* getAktuellesProdukt() const { return AktuellesProdukt; }
    TPoints getRoomPosition() const { return FRoomPosition; }
    TPoints getRoomHzValidated() const { return FHzValidated; }
    TTempData& getTempData() { return TempData; }
    const TTempData& getTempData() const { return TempData; }
    TTankCustomPrices& getCustomPrices() { return FCustomPrices; }
    // Discards the solutions ("Werte löschen"): products back to their standard state, no
    // solution list, placement state and project name cleared. The current product stays.
    void setzeLoesungZurueck();

    // The project name last entered for a printout, else the default from "settings.dta".
    const std::string& getAktuellerProjektName() const;

    // The per-user data directory, with a trailing "/".
    static std::string getGeneralDataDir();
    // "Version " + major.minor.release of the program.
    static std::string getAktuelleVersion();
    // The update check of the software maker; not part of this program.
    void sucheUpdate();

private:
    // Start-up loading (TDatenLaden.cpp).
    void ladeDaten();
    void ladeProdukte();
    void ladeAufstellvarianten();
    void ladeZubehoer();
    void ladeSettings();
    void pruefeDateifehler();
    // The group with this code, created (named from "wg.dta") when there is none yet.
    TProduktgruppe& addProduktgruppe(const std::string& WG);
    // The product ArtNr (letter case ignored) of group WG; null when either is unknown.
    TProdukt* findeKatalogProdukt(const std::string& WG, const std::string& ArtNr) const;
    // Loads "Datanorm.500" into the reader; false (and errorDatanorm set) on failure.
    bool ladeDatanorm(datanorm::TDatanorm& Reader);
    std::string pfad(const std::string& Datei) const { return AppPath + Datei; }

    // Declared before the catalogue, which refers to them, so that they outlive it.
    std::string AppPath;
    bool FFehlermeldungenAnzeigen;
    TTankCustomPrices FCustomPrices;
    TTempData TempData;

    std::vector<std::unique_ptr<TProduktgruppe>> ProduktgruppenListe;
    std::optional<std::vector<TProdukt*>> LoesungsListe;
    double StandardRaumBreite = 0.0;
    double StandardRaumLaenge = 0.0;
    double StandardRaumHoehe = 0.0;
    double StandardVolumen = 0.0;
    double StandardEinbringHoehe = 0.0;
    double StandardEinbringBreite = 0.0;
    double MaxRaumBreite = 0.0;
    double MaxRaumLaenge = 0.0;
    double MaxRaumHoehe = 0.0;
    double maxVolumenBeiHeizraum = 0.0;
    double VolumenVarianz = 0.0;
    TProdukt* AktuellesProdukt = nullptr;
    std::vector<TZubehoer*> AktuellesZubehoer;
    std::string StandardProjektName;
    // Only during loading.
    std::unique_ptr<TDateien> Dateien;
    bool errorDatanorm = false;
    bool errorProdukte = false;
    bool errorAufstellvarianten = false;
    bool errorZubehoer = false;
    bool errorWG = false;
    bool errorSettings = false;
    std::vector<std::string> FFehlendeDateien;
    TPoints FRoomPosition;
    TPoints FHzValidated;
    std::string AktuellerProjektname;
};

}  // namespace velmora
