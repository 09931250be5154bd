#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/SuchAuftrag.h"
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

class Canvas;
class TAusdruck;
class TGrafik;

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
    // Loads as a window's core, but keeps the start-up message for meldeLadefehler: for a load
    // on a thread of its own, where no message can show.
    struct LadefehlerSpaeter {};
    TDaten(std::string AppPath, LadefehlerSpaeter);
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
    // The first product numbered ArtNr (letter case ignored) in any group; null when the
    // catalogue has none.
    TProdukt* getKatalogProdukt(const std::string& ArtNr) const;
    // Names of the catalogue files that could not be read, in the order of the start-up
    // message; empty when the catalogue loaded completely.
    const std::vector<std::string>& getFehlendeDateien() const { return FFehlendeDateien; }
    // The article numbers of products and accessories that "Datanorm.500" does not have, in
    // catalogue order, each once: the catalogue plans, but has no price for them.
    const std::vector<std::string>& getArtikelOhnePreis() const { return FArtikelOhnePreis; }
    // Shows the start-up message the constructor kept: a damaged or missing file, which ends
    // the program, or else articles without a price; nothing when the catalogue is complete.
    void meldeLadefehler();
    // The plan image the core draws into from now on: canvas (not owned) of GrafikWidth x
    // GrafikHeight pixels.
    void zeichneIn(Canvas& canvas, int GrafikWidth, int GrafikHeight);

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

    // --- solution search (TDatenSuche.cpp) ---
    // Normalises the request (normalisiereSuche), records the typed record in the placement
    // state, and lists every product of the group named Auftrag.Tankart (all groups when it
    // names none) that fits the room. Restores the remembered product unless ZurueckSetzen,
    // draws the plan and shows the warnings.
    SuchErgebnis sucheLoesung(const SuchAuftrag& Auftrag);
    // Draws room, corner cut-out, boiler room and the current battery into Grafik, or into
    // the core's own drawing when Grafik is null (TDatenGrafik.cpp).
    void erstelleGrafik(TGrafik* Grafik, bool AIsMoving, bool AIsPositionValid);

    // --- choice of product and installation (TDatenAuswahl.cpp) ---
    // Index in the solution list of the first product numbered AArtNr (letter case ignored);
    // the number of solutions when there is none.
    std::size_t sucheProdukt(const std::string& AArtNr) const;
    // False for an empty text; else whether a solution has this article number.
    bool istInLoesungsListe(const std::string& AArtNr) const;
    // Makes solution AArtNr current and remembers its installation. Throws
    // std::out_of_range when AArtNr is not among the solutions.
    void setProdukt(const std::string& AArtNr, bool ARefreshGraphic);
    // Makes installation Index of the current product current (past the end: the first)
    // and remembers it. Does nothing without a current product or installation.
    void aendereAufstellung(std::size_t Index, bool GrafikAktualisieren);
    void aendereAufstellung(std::size_t Index);
    // Position of the remembered installation in the current product's list; 0 with a
    // warning when it is not there, 0 without one when the product has no installations.
    std::size_t getVarianteIndex();
    // Number (from 1) of the current installation's variant among the list's variants, and
    // the number of variants; the two orientations of a variant count once. 0 without any.
    int getAktuelleVariante() const;
    int getGesamtVararianten() const;
    // The accessories that apply to the current installation (not owned).
    const std::vector<TZubehoer*>& getAktuellesZubehoer() const { return AktuellesZubehoer; }
    // Sum of the prices of the ticked optional accessory lines, each counted once.
    double getOptZubehoerPreis() const;

    // --- state of the last search ---
    // The solutions of the last search; null before the first search and after a reset.
    const std::vector<TProdukt*>* getLoesungsListe() const {
        return LoesungsListe ? &*LoesungsListe : nullptr;
    }
    TProdukt* getAktuellesProdukt() const { return AktuellesProdukt; }
    const TPoints& getRoomPosition() const { return TempData.Vorgaben.Raum; }
    const TPoints& getRoomHzValidated() const { return TempData.Vorgaben.HeizraumGeprueft; }
    TTempData& getTempData() { return TempData; }
    // The program directory, with a trailing "/".
    const std::string& getAppPath() const { return AppPath; }
    // The core's own plan drawing; null when it was created without a canvas.
    TGrafik* Grafik() const { return FGrafik.get(); }
    const TTempData& getTempData() const { return TempData; }
    TTankCustomPrices& getCustomPrices() { return FCustomPrices; }
    // Discards the solutions ("Werte löschen"): products back to their standard state, no
    // solution list, placement state and project name cleared. The current product stays.
    void setzeLoesungZurueck();

    // The project name last entered for a printout, else the default from "settings.dta".
    const std::string& getAktuellerProjektName() const;
    // The project name as the user entered it (empty: the default applies again).
    void setAktuellerProjektName(const std::string& Name) { AktuellerProjektname = Name; }

    // --- printouts (TDatenDruck.cpp) ---
    // Ask for the project name through the host, then print the planning sheet or the
    // DATANORM printout of the current solution into the printout builder's preview.
    // Nothing happens without a current product or when the user cancels.
    void druckeLoesung();
    void druckeDatanorm();
    // The printout builder; the window gives it the preview to print into.
    TAusdruck& getAusdruck() { return *Ausdruck; }

    // The per-user data directory, with a trailing "/".
    static std::string getGeneralDataDir();
    // "Version " + major.minor.release of the program.
    static std::string getAktuelleVersion();
    // The update check of the software maker; not part of this program.
    void sucheUpdate();

private:
    TDaten(std::string AppPath, bool FehlermeldungenAnzeigen, bool LadefehlerMelden);

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
    // The unscrambled text of a line file; empty, with Error set, when the file is missing
    // or cannot be such a file (noted as damaged, see isCatalogueLineFile).
    std::string ladeZeilendatei(const std::string& Datei, std::size_t Trenner, bool& Error);
    // Names the file as damaged rather than missing in the start-up message.
    void markiereBeschaedigt(const std::string& Datei);
    // The project-name dialog of the printouts; stores the answer. No value on cancel.
    std::optional<std::string> frageProjektName();
    std::string pfad(const std::string& Datei) const { return AppPath + Datei; }

    // The products of group WG (every group when empty) that fit the search (TDatenSuche.cpp).
    void berechneLoesungen(const std::string& WG, const Suchvorgaben& Vorgaben);
    // Selection internals (TDatenAuswahl.cpp).
    void waehleProdukt(const std::string& AArtNr);
    void ermittleZubehoer();
    bool stelleAuswahlWiederHer(bool ARefreshGraphic);
    void waehleAehnlicheAufstellung(bool GrafikAktualisieren);
    // Remembers the current installation's variant and orientation.
    void merkeAufstellung();
    // Notes an article the DATANORM file does not have.
    void merkeArtikelOhnePreis(const std::string& ArtNr);

    // Declared before the catalogue, which refers to them, so that they outlive it.
    std::string AppPath;
    bool FFehlermeldungenAnzeigen;
    TTankCustomPrices FCustomPrices;
    TTempData TempData;
    std::unique_ptr<TGrafik> FGrafik;
    std::unique_ptr<TAusdruck> Ausdruck;

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
    // "wg.dta" decoded once, when the load creates its first group.
    std::optional<std::unordered_map<std::string, std::string>> FProduktgruppenNamen;
    std::vector<std::string> FBeschaedigteDateien;
    std::vector<std::string> FFehlendeDateien;
    // The start-up message naming them; empty once shown.
    std::string FLadefehler;
    std::vector<std::string> FArtikelOhnePreis;
    std::string AktuellerProjektname;
};

}  // namespace velmora
