#pragma once

#include <string>
#include <vector>

#include "catalogue/Suchvorgaben.h"
#include "catalogue/TankImRaum.h"

namespace velmora {

class TAufstellvariante;

// The placement state of the last search: its typed record, the user's inputs as texts for
// showing them (lengths in whole millimetres, filled from the record), the corners of battery,
// corner cut-out and boiler, the relations between them, and the warnings the search collects for
// the user. One instance lives for the whole run; the core, the model, the drawing and the printout
// share it and read its fields directly.
class TTempData {
public:
    explicit TTempData(bool FehlermeldungenAnzeigen);

    bool fehlerMeldungenAnzeigen = false;
    // The last search as it ran; drawing and printouts read their measures from it.
    Suchvorgaben Vorgaben;
    std::string loesTankart;
    std::string loesSollVolumen;
    std::string loesRaumBreite;
    std::string loesRaumLaenge;
    std::string loesRaumHoehe;
    std::string loesEckeBreite;
    std::string loesEckeLaenge;
    std::string loesHeizraumBreite;
    std::string loesHeizraumLaenge;
    std::string einbringBreite;
    std::string einbringHoehe;
    // Corner codes "OL", "UL", "UR", "OR", or empty when the thing is not placed.
    std::string TankPosition;
    std::string HeizraumPosition;
    std::string EckePosition;
    // Collected messages, separated by CR LF.
    std::string error;
    std::string tmpProdukt;
    bool heizraum = false;
    bool safeKessel = false;
    bool zehnCm = false;
    bool eckeVorhanden = false;
    bool heizraumVorhanden = false;
    bool loesung = false;
    bool tmpHorizontal = false;
    bool heizraumFehler = false;
    bool eckeFehler = false;
    bool produktFehler = false;
    bool einbringFehler = false;
    bool loesungFehler = false;
    // The variant the user had chosen; owned by the catalogue.
    TAufstellvariante* tmpVariante = nullptr;

    // Records a search: keeps Suche and fills the texts, positions and flags from it.
    void uebernimm(const Suchvorgaben& Suche);

    bool eckeDaneben() const;
    bool eckeDarunter() const;
    bool eckeNebenHeizraum() const;
    bool eckeUnterHeizraum() const;
    bool heizraumDaneben() const;
    bool heizraumDarunter() const;
    // Boiler clearance in mm (abstandHeizraum).
    int getAbstandHeizraum() const;

    void fehlerHeizraum();
    void fehlerEcke();
    void fehlerEinbring();
    // The position message, or the room message when raumZuKleinFuer was recorded.
    void fehlerProdukt();
    void fehlerLoesung();
    void fehlerAufstellung();
    // Appends the messages of the set flags in their fixed order and shows the result.
    void fehlerMeldungen();
    // The collected messages, one per entry.
    std::vector<std::string> getMeldungen() const;
    // Shows error in an information box through host() when messages are shown.
    void fehlerMeldung();
    void showFehlermeldungen(bool AValue);
    bool getFehlermeldungenAnzeigen() const;

    // Goes with produktFehler when no position could take the remembered product: the
    // message names the room dimensions in Masse as too small instead of blaming the
    // position. Nothing when Masse names none.
    void raumZuKleinFuer(const std::string& Bezeichnung, const ZuKleineRaummasse& Masse);

    // Clears the five message flags and the recorded room message.
    void setzeZurueck();
    // Clears loesung, the three positions and the remembered product and orientation.
    void loescheWerte();

    // "%0.0f" for Laenge <= 0, "%0.1f", "%0.2f", "%0.3f" for Laenge >= 3, with the user's
    // decimal separator.
    static std::string setzeNachkommastellen(double tmp, int Laenge);
    // Preis: two decimals with the user's separators. Otherwise three decimals, or none when
    // the value has no fraction left after rounding, with grouped integer digits.
    static std::string setzeTausendertrennzeichen(double tmp, bool Preis);

private:
    void appendMessage(const std::string& text);

    std::string produktRaumText;
};

}  // namespace velmora
