#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/CatalogueDirectory.h"
#include "app/TDaten.h"
#include "support/ScriptedHost.h"

namespace velmora {
namespace {

using testing::CatalogueDirectory;
using testing::ScriptedHost;

// A catalogue for searching: group X with two variants "2" that differ only in their
// gaps and need fittings of different kinds, group W with single tanks of graded volume,
// group V with a tank that has no installation variations, group E with two single tanks:
// 5001 of 1,0 x 2,2 x 1,7 m and 5002 without any dimensions.
std::string writeSearchCatalogue(CatalogueDirectory& catalogue) {
    auto artikel = [](const std::string& artNr, const std::string& text, const std::string& cents,
                      const std::string& wg) {
        return "A;N;" + artNr + ";" + text + ";;PCE;1;1;" + cents + ";;" + wg +
               ";;;;;;;;;;1;;0;;;;;;1;\r\n";
    };
    catalogue.files["Datanorm.500"] =
        "V;050;A;20261201;EUR;Testkatalog;;;;;;;;;;\r\n" +
        artikel("1001", "Tank 1000 l", "66500", "X") +
        artikel("3001", "Tank 4500 l", "100000", "W") +
        artikel("3002", "Tank 5500 l", "110000", "W") +
        artikel("3003", "Tank 5501 l", "120000", "W") + artikel("4001", "Standtank", "50000", "V") +
        artikel("9001", "Grundset", "20000", "Z") + artikel("9002", "Anzeiger", "3900", "Z") +
        artikel("952400", "Hauptstück", "1000", "Z") +
        artikel("952405", "Umlenkstück", "500", "Z") +
        artikel("5001", "Kellertank 3000 l", "295000", "E") +
        artikel("5002", "Tank ohne Maße", "10000", "E");
    catalogue.files["wg.dta"] =
        "X|||Batterietanks\r\nW|||Volumentanks\r\nV|||Standtanks\r\nE|||Einzeltanks\r\n";
    const auto tank = [](const std::string& artNr, const std::string& wg, int inhalt,
                         bool variationen) {
        return "<produkt artNr=\"" + artNr + "\" warenGruppe=\"" + wg + "\" inhalt=\"" +
               std::to_string(inhalt) +
               "\" breite=\"700\" laenge=\"700\" hoehe=\"1500\" aufstellungsvariation=\"" +
               (variationen ? "true" : "false") + "\"/>";
    };
    catalogue.files["produkte.dta"] =
        "<produkte>" + tank("1001", "X", 1000, true) + tank("3001", "W", 4500, true) +
        tank("3002", "W", 5500, true) + tank("3003", "W", 5501, true) +
        tank("4001", "V", 1000, false) +
        "<produkt artNr=\"5001\" warenGruppe=\"E\" inhalt=\"3000\" breite=\"1000\" "
        "laenge=\"2200\" hoehe=\"1700\" aufstellungsvariation=\"false\"/>"
        "<produkt artNr=\"5002\" warenGruppe=\"E\" inhalt=\"1000\" breite=\"0\" laenge=\"0\" "
        "hoehe=\"0\" aufstellungsvariation=\"false\"/></produkte>";
    catalogue.files["aufstellvarianten.dta"] =
        "<aufstellvarianten><warengruppe typ=\"X\">"
        "<variante n=\"2\" hp=\"1\" up=\"0\" gL=\"50\" gT=\"50\" gR=\"50\" gB=\"50\"/>"
        "<variante n=\"2\" hp=\"1\" up=\"2\" gL=\"100\" gT=\"100\" gR=\"100\" gB=\"100\"/>"
        "</warengruppe><warengruppe typ=\"W\"><variante n=\"1\"/></warengruppe>"
        "</aufstellvarianten>";
    catalogue.files["zubehoer.dta"] =
        "X||||||9001|||\r\nX||||||952405|||\r\nX||||||9002|||true\r\n"
        "V||||||952400|||\r\nV||||||9001|||\r\n";
    catalogue.files["settings.dta"] =
        "3,0\r\n4.5\r\n2,2\r\n3000\r\n1,9\r\n0,8\r\n10\r\n12\r\n4\r\n5000\r\n500\r\n"
        "Tankanlage\r\n";
    return catalogue.write();
}

// The ten input texts and flags of one search, as the window would hand them over.
struct Suche {
    std::string tankart;
    std::string tankPosition = "OL";
    std::string eckePosition;
    std::string heizraumPosition;
    std::string raumBreite = "10";
    std::string raumLaenge = "12";
    std::string raumHoehe = "2,2";
    std::string sollVolumen = "2000";
    std::string einbringHoehe = "1,9";
    std::string einbringBreite = "0,8";
    std::string eckeBreite;
    std::string eckeLaenge;
    std::string heizraumBreite;
    std::string heizraumLaenge;
    bool heizraum = false;
    bool kessel = false;
    bool kessel10 = false;
    bool zuruecksetzen = true;
    // The warnings of the last run.
    std::vector<std::string> warnungen;

    void run(TDaten& daten) {
        const SuchErgebnis ergebnis = daten.sucheLoesung({.Tankart = tankart,
                                                          .TankPosition = tankPosition,
                                                          .EckePosition = eckePosition,
                                                          .HeizraumPosition = heizraumPosition,
                                                          .RaumBreite = {raumBreite},
                                                          .RaumLaenge = {raumLaenge},
                                                          .RaumHoehe = {raumHoehe},
                                                          .SollVolumen = {sollVolumen},
                                                          .EinbringHoehe = {einbringHoehe},
                                                          .EinbringBreite = {einbringBreite},
                                                          .EckeBreite = {eckeBreite},
                                                          .EckeLaenge = {eckeLaenge},
                                                          .HeizraumBreite = {heizraumBreite},
                                                          .HeizraumLaenge = {heizraumLaenge},
                                                          .VorgHeizraum = heizraum,
                                                          .VorgKessel = kessel,
                                                          .VorgKessel10 = kessel10,
                                                          .ZurueckSetzen = zuruecksetzen});
        const PlanInputs& neu = ergebnis.Eingaben;
        raumBreite = neu.roomWidth;
        raumLaenge = neu.roomLength;
        raumHoehe = neu.roomHeight;
        sollVolumen = neu.volume;
        einbringHoehe = neu.openingHeight;
        einbringBreite = neu.openingWidth;
        eckeBreite = neu.cornerWidth;
        eckeLaenge = neu.cornerLength;
        heizraumBreite = neu.boilerWidth;
        heizraumLaenge = neu.boilerLength;
        warnungen = ergebnis.Warnungen;
    }
};

std::vector<std::string> artikel(const TDaten& daten) {
    std::vector<std::string> result;
    for (const TProdukt* produkt : *daten.getLoesungsListe()) {
        result.push_back(produkt->getArtikelNr());
    }
    return result;
}

class TDatenSuche : public ::testing::Test {
protected:
    ScriptedHost host;
    CatalogueDirectory catalogue;
    TDaten daten{writeSearchCatalogue(catalogue), false};
    const TTempData& t = daten.getTempData();
};

TEST_F(TDatenSuche, DefaultsSignsAndLimitsRewriteTheTexts) {
    Suche s;
    s.raumBreite = "";
    s.raumLaenge = "20";
    s.raumHoehe = "-2,4";
    s.sollVolumen = "1e400";
    s.einbringHoehe = "nan";
    s.einbringBreite = "-0";
    s.run(daten);
    EXPECT_EQ(s.raumBreite, "3,00");
    EXPECT_EQ(s.raumLaenge, "12,00");
    EXPECT_EQ(s.raumHoehe, "2,40");
    EXPECT_EQ(s.sollVolumen, "3000,00");
    EXPECT_EQ(s.einbringHoehe, "1,90");
    EXPECT_EQ(s.einbringBreite, "0,80");
    // Empty corner and boiler fields show 0 afterwards.
    EXPECT_EQ(s.eckeBreite, "0,00");
    EXPECT_EQ(s.heizraumLaenge, "0,00");
    EXPECT_EQ(t.loesRaumBreite, "3000");
    EXPECT_EQ(t.loesRaumLaenge, "12000");
    EXPECT_EQ(t.loesRaumHoehe, "2400");
    EXPECT_EQ(t.loesSollVolumen, "3000");
    EXPECT_EQ(t.einbringBreite, "800");
    EXPECT_EQ(t.loesEckeBreite, "0");
    // Cutting the room to its limits is silent.
    EXPECT_FALSE(t.eckeFehler || t.heizraumFehler || t.einbringFehler);
}

TEST_F(TDatenSuche, HugeAndForeignInputsNeverOverflow) {
    Suche s;
    s.raumBreite = "99999999,9";
    s.sollVolumen = "99999999,9";
    s.eckeBreite = "99999999,9";
    s.eckeLaenge = "3 m";
    s.eckePosition = "UR";
    s.heizraumBreite = "1e400";
    s.heizraumLaenge = "99999999,9";
    s.heizraumPosition = "OL";
    s.heizraum = true;
    s.run(daten);
    EXPECT_EQ(s.raumBreite, "10,00");
    EXPECT_EQ(s.sollVolumen, "5000,00");
    EXPECT_EQ(s.eckeBreite, "8,00");
    EXPECT_EQ(t.loesEckeLaenge, "3000");
    // A boiler without width is no boiler.
    EXPECT_EQ(t.HeizraumPosition, "");
    EXPECT_EQ(s.heizraumLaenge, "0,00");
}

struct Korrektur {
    const char* name;
    std::string Suche::*feld;
    std::string eingabe;
    std::string erwartet;
    std::string TTempData::*recorded;
    std::string recordedErwartet;
    bool TTempData::*fehler;
    bool fehlerErwartet;
};

TEST_F(TDatenSuche, CornerBoilerAndOpeningAreCutToTheRoom) {
    const Korrektur faelle[] = {
        {"corner wider than room", &Suche::eckeBreite, "3", "2,00", &TTempData::loesEckeBreite,
         "2000", &TTempData::eckeFehler, true},
        {"corner as wide as room", &Suche::eckeBreite, "2,5", "2,00", &TTempData::loesEckeBreite,
         "2000", &TTempData::eckeFehler, true},
        {"corner narrower", &Suche::eckeBreite, "2,499", "2,50", &TTempData::loesEckeBreite, "2499",
         &TTempData::eckeFehler, false},
        {"boiler as wide as room", &Suche::heizraumBreite, "2,5", "2,50",
         &TTempData::loesHeizraumBreite, "2500", &TTempData::heizraumFehler, false},
        {"boiler 1 mm wider", &Suche::heizraumBreite, "2,501", "2,50",
         &TTempData::loesHeizraumBreite, "2500", &TTempData::heizraumFehler, true},
        {"opening not longer than room", &Suche::einbringBreite, "3,5", "3,5",
         &TTempData::einbringBreite, "3500", &TTempData::einbringFehler, false},
        {"opening longer than room", &Suche::einbringBreite, "4,5", "2,50",
         &TTempData::einbringBreite, "2500", &TTempData::einbringFehler, true},
        {"opening higher than room", &Suche::einbringHoehe, "3", "2,20", &TTempData::einbringHoehe,
         "2200", &TTempData::einbringFehler, true},
    };
    for (const Korrektur& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Suche s;
        s.raumBreite = "2,5";
        s.raumLaenge = "4";
        s.eckePosition = "UR";
        s.eckeBreite = "1";
        s.eckeLaenge = "1";
        s.heizraumPosition = "OL";
        s.heizraumBreite = "1";
        s.heizraumLaenge = "1";
        s.heizraum = true;
        s.*fall.feld = fall.eingabe;
        s.run(daten);
        EXPECT_EQ(s.*fall.feld, fall.erwartet);
        EXPECT_EQ(t.*fall.recorded, fall.recordedErwartet);
        EXPECT_EQ(t.*fall.fehler, fall.fehlerErwartet);
    }
}

TEST_F(TDatenSuche, BoilerRoomCutsTheTargetVolumeSilently) {
    Suche s;
    s.sollVolumen = "6000";
    s.heizraum = true;
    s.run(daten);
    EXPECT_EQ(s.sollVolumen, "5000,00");
    EXPECT_EQ(t.loesSollVolumen, "5000");
    EXPECT_EQ(t.error.find("Heizraum"), std::string::npos);
}

TEST_F(TDatenSuche, BoilerFitsTheCutOutOfThisSearch) {
    Suche ohneEcke;
    ohneEcke.run(daten);
    ASSERT_FALSE(t.eckeVorhanden);
    // Cut-out at UL and boiler at UR share the bottom wall: the boiler must leave the cut-out
    // free already in the search that first has the cut-out.
    Suche s;
    s.raumBreite = "3";
    s.raumLaenge = "4";
    s.eckePosition = "UL";
    s.eckeBreite = "1";
    s.eckeLaenge = "1";
    s.heizraumPosition = "UR";
    s.heizraumBreite = "2,5";
    s.heizraumLaenge = "1";
    s.heizraum = true;
    s.run(daten);
    EXPECT_TRUE(t.eckeVorhanden);
    EXPECT_TRUE(t.heizraumFehler);
    EXPECT_EQ(t.loesHeizraumBreite, "1600");
    EXPECT_EQ(s.heizraumBreite, "1,60");
    // The result names each warning once, as the message shows them line by line.
    ASSERT_EQ(s.warnungen.size(), 1u);
    EXPECT_NE(s.warnungen[0].find("Heizraum"), std::string::npos) << s.warnungen[0];
    EXPECT_EQ(s.warnungen[0] + "\r\n", t.error + "\r\n");
}

TEST_F(TDatenSuche, OutlinesLeaveOutCornerAndBoiler) {
    Suche ecke;
    ecke.raumBreite = "3";
    ecke.raumLaenge = "4";
    ecke.eckePosition = "UR";
    ecke.eckeBreite = "0,5";
    ecke.eckeLaenge = "0,7";
    ecke.run(daten);
    const TPoints mitEcke{{-1, 4001}, {-1, -1}, {2501, -1}, {2501, 699}, {3001, 699}, {3001, 4001}};
    EXPECT_EQ(daten.getRoomPosition(), mitEcke);
    EXPECT_EQ(daten.getRoomHzValidated(), mitEcke);

    Suche heizraum;
    heizraum.raumBreite = "3";
    heizraum.raumLaenge = "4";
    heizraum.heizraumPosition = "OL";
    heizraum.heizraumBreite = "0,8";
    heizraum.heizraumLaenge = "0,6";
    heizraum.heizraum = true;
    heizraum.kessel = true;
    heizraum.run(daten);
    EXPECT_EQ(t.getAbstandHeizraum(), 400);
    EXPECT_EQ(daten.getRoomPosition(),
              (TPoints{{799, 4001}, {799, 3401}, {-1, 3401}, {-1, -1}, {3001, -1}, {3001, 4001}}));
    EXPECT_EQ(
        daten.getRoomHzValidated(),
        (TPoints{{1199, 4001}, {1199, 3001}, {-1, 3001}, {-1, -1}, {3001, -1}, {3001, 4001}}));
}

TEST_F(TDatenSuche, ProductsFollowTypeAndVolumeTolerance) {
    Suche volumen;
    volumen.tankart = "Volumentanks";
    volumen.sollVolumen = "5000";
    volumen.einbringBreite = "2";
    volumen.run(daten);
    // 5000 l +- 500 l: 4500 l and 5500 l qualify, 5501 l does not.
    EXPECT_EQ(artikel(daten), (std::vector<std::string>{"3001", "3002"}));
    EXPECT_TRUE(t.loesung);

    Suche alle;
    alle.run(daten);
    // Groups in catalogue order; the tanks without variations stand in this room.
    EXPECT_EQ(artikel(daten), (std::vector<std::string>{"1001", "4001", "5001", "5002"}));

    Suche keine;
    keine.tankart = "Batterietanks";
    keine.sollVolumen = "9000";
    keine.run(daten);
    EXPECT_TRUE(artikel(daten).empty());
    EXPECT_FALSE(t.loesung);
    EXPECT_TRUE(t.loesungFehler);
    EXPECT_NE(t.error.find("keine Lösung"), std::string::npos);
    EXPECT_EQ(keine.warnungen.size(), 1u);
    EXPECT_TRUE(alle.warnungen.empty());
}

TEST_F(TDatenSuche, ASingleTankIsListedOnlyWhenItCouldStandInTheRoom) {
    struct Raum {
        const char* name;
        const char* breite;
        const char* laenge;
        const char* hoehe;
        std::vector<std::string> erwartet;
    };
    const Raum raeume[] = {
        {"fits", "3", "4", "2,2", {"5001", "5002"}},
        {"too high", "3", "4", "1,699", {"5002"}},
        {"too long one way, fits turned to the limits", "2,2", "1", "1,7", {"5001", "5002"}},
        {"too long both ways", "2", "2", "2,2", {"5002"}},
        {"cellar of 0,5 m", "0,5", "0,5", "0,5", {"5002"}},
    };
    for (const Raum& raum : raeume) {
        SCOPED_TRACE(raum.name);
        Suche s;
        s.tankart = "Einzeltanks";
        s.raumBreite = raum.breite;
        s.raumLaenge = raum.laenge;
        s.raumHoehe = raum.hoehe;
        // Neither volume nor bring-in opening is asked of a single tank.
        s.sollVolumen = "9000";
        s.einbringBreite = "0,1";
        s.run(daten);
        EXPECT_EQ(artikel(daten), raum.erwartet);
    }
}

TEST_F(TDatenSuche, AChosenProductTheRoomCannotTakeBlamesTheRoomNotThePosition) {
    const std::string raumZuKlein =
        "Der Raum ist für das ausgewählte Produkt \"Kellertank 3000 l\" zu klein: ";
    const std::string bitte =
        " nicht aus. Bitte wählen Sie ein anderes Produkt aus oder ändern Sie die Raummaße.";
    struct Fall {
        const char* name;
        const char* artNr;
        const char* breite;
        const char* laenge;
        const char* hoehe;
        std::string meldung;
    };
    const Fall faelle[] = {
        {"too narrow", "5001", "0,9", "5", "2,2", raumZuKlein + "die Raumbreite reicht" + bitte},
        {"too short", "5001", "5", "0,9", "2,2", raumZuKlein + "die Raumlänge reicht" + bitte},
        {"long side fits neither way", "5001", "2", "2", "2,2",
         raumZuKlein + "die Raumbreite und die Raumlänge reichen" + bitte},
        {"cellar of 0,5 m", "5001", "0,5", "0,5", "0,5",
         raumZuKlein + "die Raumbreite, die Raumlänge und die Raumhöhe reichen" + bitte},
        // One tank of the battery would fit: the battery may stand elsewhere.
        {"battery", "1001", "1", "1", "2,2",
         "Das ausgewählte Produkt kann an dieser Position nicht platziert werden. Bitte wählen "
         "Sie ein anderes Produkt aus."},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Suche gross;
        gross.run(daten);
        daten.setProdukt(fall.artNr, false);
        Suche s;
        s.zuruecksetzen = false;
        s.raumBreite = fall.breite;
        s.raumLaenge = fall.laenge;
        s.raumHoehe = fall.hoehe;
        s.run(daten);
        EXPECT_EQ(daten.getAktuellesProdukt(), nullptr);
        EXPECT_NE(std::find(s.warnungen.begin(), s.warnungen.end(), fall.meldung),
                  s.warnungen.end())
            << t.error;
    }
}

class TDatenAuswahl : public TDatenSuche {
protected:
    void SetUp() override {
        Suche s;
        s.tankart = "Batterietanks";
        s.run(daten);
        ASSERT_EQ(artikel(daten), std::vector<std::string>{"1001"});
    }
    const TProdukt& tank() const { return *daten.getLoesungsListe()->front(); }
    std::size_t aktuellerIndex() const {
        const auto& liste = tank().getMoeglicheAufstellVarianten();
        for (std::size_t i = 0; i < liste.size(); ++i) {
            if (liste[i].get() == tank().getAktuelleAufstellVariante()) {
                return i;
            }
        }
        return liste.size();
    }
    // The same search again, keeping the remembered choice.
    void sucheErneut() {
        Suche s;
        s.tankart = "Batterietanks";
        s.zuruecksetzen = false;
        s.run(daten);
    }
    std::vector<std::string> zubehoer() const {
        std::vector<std::string> result;
        for (const TZubehoer* z : daten.getAktuellesZubehoer()) {
            result.push_back(z->getArtNr());
        }
        return result;
    }
};

TEST_F(TDatenAuswahl, FreshSearchShowsNoProductAndSelectionIgnoresCase) {
    EXPECT_EQ(daten.getAktuellesProdukt(), nullptr);
    EXPECT_EQ(daten.sucheProdukt("1001"), 0u);
    EXPECT_EQ(daten.sucheProdukt("9999"), 1u);
    EXPECT_FALSE(daten.istInLoesungsListe(""));
    EXPECT_THROW(daten.setProdukt("9999", false), std::out_of_range);
    daten.setProdukt("1001", false);
    EXPECT_EQ(daten.getAktuellesProdukt(), &tank());
    EXPECT_EQ(t.tmpProdukt, "1001");
}

TEST_F(TDatenAuswahl, VariantCountersAndRestoreOfTheSimilarInstallation) {
    daten.setProdukt("1001", false);
    const auto& liste = tank().getMoeglicheAufstellVarianten();
    // Two variants "2" (A, B), each in both orientations, A first.
    ASSERT_EQ(liste.size(), 4u);
    EXPECT_EQ(daten.getGesamtVararianten(), 2);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        SCOPED_TRACE(i);
        daten.aendereAufstellung(i, false);
        EXPECT_EQ(daten.getAktuelleVariante(), i < 2 ? 1 : 2);
        EXPECT_EQ(daten.getVarianteIndex(), i);
        // Each remembered installation is found again by a repeated search.
        sucheErneut();
        ASSERT_EQ(daten.getAktuellesProdukt(), &tank());
        EXPECT_EQ(aktuellerIndex(), i);
    }
    EXPECT_TRUE(t.error.empty()) << t.error;
}

TEST_F(TDatenAuswahl, UnknownRememberedInstallationFallsBackToTheFirst) {
    daten.setProdukt("1001", false);
    daten.aendereAufstellung(3, false);
    // Group W's variant "1": not in this product's list, and no entry has its name.
    TAufstellvariante* w = nullptr;
    for (const auto& gruppe : daten.getProduktgruppenListe()) {
        if (gruppe->getWGBezeichnung() == "W") {
            w = gruppe->getAufstellvariantenListe().front().get();
        }
    }
    ASSERT_NE(w, nullptr);
    daten.getTempData().tmpVariante = w;
    EXPECT_EQ(daten.getVarianteIndex(), 0u);
    EXPECT_NE(t.error.find("Aufstellungsvariante"), std::string::npos);
    sucheErneut();
    EXPECT_EQ(aktuellerIndex(), 0u);
    EXPECT_NE(t.error.find("Aufstellungsvariante"), std::string::npos);
    // The restore remembers what it chose.
    EXPECT_EQ(t.tmpVariante, tank().getMoeglicheAufstellVarianten()[0]->getVariante());
}

TEST_F(TDatenAuswahl, RememberedProductMissingRaisesTheWarning) {
    daten.setProdukt("1001", false);
    Suche andere;
    andere.tankart = "Standtanks";
    andere.zuruecksetzen = false;
    andere.run(daten);
    EXPECT_TRUE(t.produktFehler);
    EXPECT_EQ(daten.getAktuellesProdukt(), nullptr);
    EXPECT_EQ(t.tmpProdukt, "");
    EXPECT_EQ(t.tmpVariante, nullptr);
}

TEST_F(TDatenAuswahl, FittingsFollowTheVariantCounts) {
    daten.setProdukt("1001", false);
    const auto& liste = tank().getMoeglicheAufstellVarianten();
    for (std::size_t i = 0; i < liste.size(); ++i) {
        daten.aendereAufstellung(i, false);
        SCOPED_TRACE(i);
        if (liste[i]->getVariante()->getUp() == 0) {
            EXPECT_EQ(zubehoer(), (std::vector<std::string>{"9001", "9002"}));
        } else {
            EXPECT_EQ(zubehoer(), (std::vector<std::string>{"9001", "952405", "9002"}));
        }
    }
    // Only the ticked optional line counts, once whatever its quantity.
    EXPECT_DOUBLE_EQ(daten.getOptZubehoerPreis(), 0.0);
    const TProdukt& p = tank();
    for (std::size_t i = 0; i < p.getZubehoerOptionalListeCount(); ++i) {
        p.getZubehoerOptionalListe(i).setChecked(true);
    }
    EXPECT_DOUBLE_EQ(daten.getOptZubehoerPreis(), 39.0);
}

TEST_F(TDatenAuswahl, ProductWithoutVariationsHasNoInstallation) {
    Suche s;
    s.tankart = "Standtanks";
    s.run(daten);
    daten.setProdukt("4001", false);
    const TProdukt* p = daten.getAktuellesProdukt();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->getAktuelleAufstellVariante(), nullptr);
    // No fittings without a variant; the other accessory once.
    EXPECT_EQ(zubehoer(), std::vector<std::string>{"9001"});
    ASSERT_EQ(p->getZubehoerOptionalListeCount(), 1u);
    EXPECT_EQ(p->getZubehoerOptionalListe(0).getAnzahl(), 1);
    EXPECT_EQ(daten.getAktuelleVariante(), 0);
    EXPECT_EQ(daten.getGesamtVararianten(), 0);
    EXPECT_EQ(daten.getVarianteIndex(), 0u);
    daten.aendereAufstellung(5, false);
    EXPECT_EQ(p->getAktuelleAufstellVariante(), nullptr);
    // A repeated search shows it again, without a warning.
    s.zuruecksetzen = false;
    s.run(daten);
    EXPECT_EQ(daten.getAktuellesProdukt(), p);
    EXPECT_TRUE(t.error.empty()) << t.error;
}

}  // namespace
}  // namespace velmora
