// The planning sheet: the user's inputs, the proposed installation, prices, plan and notes.

#include <array>

#include "base/NumberFormat.h"
#include "catalogue/AnlagenPreis.h"
#include "catalogue/PreisText.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "catalogue/TankImRaum.h"
#include "drawing/PlacementDrawing.h"
#include "drawing/SideViewDrawing.h"
#include "drawing/TGrafik.h"
#include "printing/TAusdruck.h"

namespace velmora {

namespace {

constexpr TColor weiss = 0xFFFFFF;
constexpr TColor schwarz = 0x000000;
constexpr int schriftHoehe = 40;
constexpr int preisHoehe = 48;     // 40 / 5 + 40
constexpr int fussnoteHoehe = 32;  // 40 - 8
constexpr int bildtextHoehe = 27;  // 80 / 3
constexpr int seitenGrenze = 2720;
constexpr int seitenGrenzeKnapp = 2710;
constexpr int seitenansichtHoehe = 700;

std::string meter(int mm) {
    return TTempData::setzeNachkommastellen(mm / 1000.0, 3);
}

std::string masse(const std::string& a, const std::string& b, const std::string& c) {
    return a + " x " + b + " x " + c + " m";
}

std::string flaeche(int breite, int laenge) {
    return meter(breite) + " x " + meter(laenge) + " m";
}

std::string heizraumText(const TTempData& t) {
    if (!t.heizraum) {
        return "Nein";
    }
    std::string text = "Ja";
    if (t.safeKessel) {
        text += ", mit strahlungsgesch. Kessel";
        text +=
            t.zehnCm ? " mit 10 cm Mindestabstand zum Tank" : " mit 40 cm Mindestabstand zum Tank";
    }
    return text;
}

std::string eckeText(const Suchvorgaben& v) {
    return v.EckeBreite > 0 && v.EckeLaenge > 0 ? flaeche(v.EckeBreite, v.EckeLaenge)
                                                : "Nicht vorhanden";
}

// "a;b;c;d" with every separator read as centimetres: "a cm,b cm,c cm,d cm".
std::string abstandText(std::string text) {
    int ersetzt = 0;
    for (std::size_t p = text.find(';'); p != std::string::npos && ersetzt < 3;
         p = text.find(';', p)) {
        text.replace(p, 1, " cm,");
        ++ersetzt;
    }
    return text + " cm";
}

const std::array<const char*, 7> hinweisZeilen{
    "Neu Installationen und wesentliche Änderungen an",
    "Heizölverbraucheranlagen müssen durch Sachverständige",
    "abgenommen werden. Dafür und evtl. Wiederholungsprüfungen",
    "sollten die Typenschilder mit Serien- und Zulassungsnummer",
    "und jeder Tank einsehbar sein. Dies ist im Regelfall bei",
    "den von uns vorgeschlagenen Aufstellvarianten der Fall.",
    "Bitte Prüfzeugnisse und Zulassungen aufbewahren.",
};

}  // namespace

void TAusdruck::druckeLoesungsblatt(PrintTarget& Ziel, const std::string& ProjektName,
                                    double OptZubehoerPreis, const TProdukt& Produkt,
                                    const TTempData& T) {
    const int L = Start.X;
    const int R = Ende.X;
    const int W = R - L;

    seitenAnzahl = 0;
    FSeite = Seite{};
    neueSeite(Ziel, ProjektName);

    // Inputs.
    const Suchvorgaben& v = T.Vorgaben;
    int y = druckTop;
    ueberschrift(y, "Ihre Vorgaben");
    const int regel1 = y + 60 + 30;
    druckeTrennlinie(regel1);
    y = regel1 + 50;
    TPrintBox& vorgaben = FSeite.Blatt->AddPrintBox(L, y, R, y + 7 * 40 + 20, weiss, 0);
    zeilenpaare(
        vorgaben, W,
        {{"Tankart:", T.loesTankart},
         {"Soll-Volumen:", TTempData::setzeTausendertrennzeichen(v.SollVolumen, false) + " Liter"},
         {"Raummaße:", masse(meter(v.RaumBreite), meter(v.RaumLaenge), meter(v.RaumHoehe))},
         {"Ecke:", eckeText(v)},
         {"Einbringmaße:", flaeche(v.EinbringBreite, v.EinbringHoehe)},
         {"Heizraum:", heizraumText(T)}});
    int unten = y + 7 * 40 + 20;

    // Installation.
    y = unten + 100;
    ueberschrift(y, "Unser Vorschlag");
    const int regel2 = y + 60 + 30;
    druckeTrennlinie(regel2);
    y = regel2 + 60;
    const int erwartet = y + 53 + 10 + 7 * 40 + 6 * 20 - 10;
    y = passeSeiteAn(Ziel, ProjektName, y, erwartet, seitenGrenze);
    const int zeilenTop = y + 53 + 10;
    unten = y == druckTop && erwartet > seitenGrenze ? zeilenTop + 6 * 40 + 5 * 20 - 10
                                                     : zeilenTop + 7 * 40 + 6 * 20 - 10;
    if (!Produkt.getBild().empty()) {
        TPrintBox& bild = FSeite.Blatt->AddPrintBox(R - 466, y, R, zeilenTop + 463, weiss, 0);
        bild.AddPrintImage(AppPath + Produkt.getBild(), TRect{0, 0, 466, 403});
        zelle(bild, TRect{0, 423, 466, 453}, "Produktbeispiel", alignCenter, bildtextHoehe,
              fontStyle::italic);
    }
    balken(y, R - 516, "Aufstellung");
    const TAufstellung* aufstellung = Produkt.getAktuelleAufstellVariante();
    const bool einzeltank = !Produkt.getAufstellvariation();
    const std::string variante = !einzeltank && aufstellung && aufstellung->getVariante()
                                     ? aufstellung->getVariante()->getVariante()
                                     : std::string(kEinzeltank) + ", " + kKeineBatterieaufstellung;
    TPrintBox& zeilen =
        FSeite.Blatt->AddPrintBox(L, zeilenTop, R - 516, zeilenTop + 5 * 60 + 40, weiss, 0);
    zeilenpaare(
        zeilen, R - 516 - L,
        {{"Bezeichnung:", Produkt.getBezeichnung()},
         {"Anzahl:", std::to_string(Produkt.getAnzahlTanks())},
         {"Aufstellung:", variante},
         {"Abstand zur Wand:", einzeltank ? kKeineWandabstaende
                                          : abstandText(Produkt.getMindestAbstand(
                                                10, T.TankPosition, T.HeizraumPosition))},
         {"Gesamtmaße:", masse(meter(Produkt.getGesamtBreite()), meter(Produkt.getGesamtLaenge()),
                               meter(Produkt.getGesamtHoehe()))},
         {"Volumen:",
          TTempData::setzeTausendertrennzeichen(Produkt.getGesamtInhalt(), false) + " Liter"}});

    // Tank.
    y = passeSeiteAn(Ziel, ProjektName, unten + 60, unten + 60 + 53 + 10 + 110, seitenGrenze);
    balken(y, R, "Tank");
    const int tankTop = y + 53 + 10;
    TPrintBox& tank = FSeite.Blatt->AddPrintBox(L, tankTop, R, tankTop + 110, weiss, 0);
    const auto tankZeile = [&](int top, const std::string& nr, const std::string& text,
                               const std::string& masseText, const std::string& volumen,
                               const std::string& anzahl) {
        zelle(tank, TRect{0, top, 140, top + 40}, nr, alignLeft, schriftHoehe, 0);
        zelle(tank, TRect{190, top, 800, top + 40}, text, alignLeft, schriftHoehe, 0);
        zelle(tank, TRect{850, top, 1290, top + 40}, masseText, alignCenter, schriftHoehe, 0);
        zelle(tank, TRect{1340, top, 1590, top + 40}, volumen, alignCenter, schriftHoehe, 0);
        zelle(tank, TRect{1640, top, W, top + 40}, anzahl, alignRight, schriftHoehe, 0);
    };
    tankZeile(0, "Art.-Nr.", "Bezeichnung", "Tankmaße", "Volumen", "Anzahl");
    tank.AddPrintLine(TPoint{0, 50}, TPoint{W, 50}, schwarz, 1);
    tankZeile(
        60, Produkt.getArtikelNr(), Produkt.getBezeichnung(),
        masse(meter(Produkt.getBreite()), meter(Produkt.getLaenge()), meter(Produkt.getHoehe())),
        TTempData::setzeTausendertrennzeichen(Produkt.getInhalt(), false) + " Liter",
        std::to_string(Produkt.getAnzahlTanks()));
    for (int x : {165, 825, 1315, 1615}) {
        tank.AddPrintLine(TPoint{x, 0}, TPoint{x, 110}, schwarz, 1);
    }
    unten = tankTop + 110;

    // Accessories.
    std::vector<std::vector<std::string>> zubehoer;
    for (std::size_t i = 0; i < Produkt.getZubehoerOptionalListeCount(); ++i) {
        const TZubehoerItem& item = Produkt.getZubehoerOptionalListe(i);
        if (item.isChecked() && item.getZubehoer()) {
            zubehoer.push_back({item.getZubehoer()->getArtNr(),
                                item.getZubehoer()->getBezeichnung(),
                                std::to_string(item.getAnzahl())});
        }
    }
    const int n = std::max(static_cast<int>(zubehoer.size()), 1);
    y = passeSeiteAn(Ziel, ProjektName, unten + 60, unten + 60 + 53 + (n + 1) * 60 - 20 + 10,
                     seitenGrenze);
    balken(y, R, "Zubehör");
    unten = y + 53 + (n + 1) * 60 - 20 + 10;
    artikeltabelle(y + 53 + 10, zubehoer);

    // Prices.
    y = passeSeiteAn(Ziel, ProjektName, unten + 100, unten + 100 + 216, seitenGrenzeKnapp);
    const double netto = getAnlagenNettoPreis(Produkt, OptZubehoerPreis);
    TPrintBox& preis = FSeite.Blatt->AddPrintBox(L, y, R, y + 216, weiss, 0);
    const FontStyles fett = fontStyle::bold;
    // A sum that lacks a price shows no amount: the words take the amount's and the
    // currency's columns and as much of the label's as they need.
    const bool vollstaendig = hatAnlagenPreis(Produkt);
    const auto summe = [&](int top, const std::string& bezeichnung, double betrag,
                           const std::string& waehrung) {
        const int labelEnde = vollstaendig ? 1460 : 1060;
        zelle(preis, TRect{250, top, labelEnde, top + 48}, bezeichnung, alignRight, preisHoehe,
              fett);
        if (!vollstaendig) {
            zelle(preis, TRect{labelEnde + 50, top, W, top + 48}, summenText(false, ""), alignRight,
                  preisHoehe, fett);
            return;
        }
        zelle(preis, TRect{1510, top, 1710, top + 48},
              TTempData::setzeTausendertrennzeichen(betrag, true), alignRight, preisHoehe, fett);
        zelle(preis, TRect{1720, top, W, top + 48}, waehrung, alignLeft, preisHoehe, fett);
    };
    zelle(preis, TRect{0, 0, 200, 48}, "Gesamt:", alignLeft, preisHoehe, fett);
    summe(0, "Netto: ", netto, "€ *");
    preis.AddPrintLine(TPoint{0, 58}, TPoint{W, 58}, schwarz, 5);
    summe(68, "Brutto (incl. MwSt): ", getAnlagenBruttoPreis(netto), "€");
    zelle(preis, TRect{0, 136, 1460, 176},
          "* Preise zuzüglich Mehrwertsteuer. Änderungen vorbehalten.", alignLeft, fussnoteHoehe,
          0);
    // The legal lines get the full width: the first one is wider than the price columns.
    zelle(preis, TRect{0, 216, W, 256},
          "Heizölanlagen über 1000 Liter dürfen nur von Fachbetrieben nach Wasserrecht "
          "errichtet und",
          alignLeft, schriftHoehe, 0);
    zelle(preis, TRect{0, 276, W, 316}, "instandgesetzt werden (Vgl. AwSV und TRwS).", alignLeft,
          schriftHoehe, 0);
    unten = y + 216;

    // Plan.
    y = passeSeiteAn(Ziel, ProjektName, unten + 120, unten + 120 + 53 + 10 + W, seitenGrenze);
    balken(y, R, "Grafik");
    const int grafikTop = y + 53 + 10;
    zeichneBild(Ziel, grafikTop, W, [&](Canvas& bild) {
        TGrafik grafik(AppPath, bild, W, W, true, colors::white, colors::black);
        drawPlacement(grafik, T, &Produkt, false, true);
    });
    unten = grafikTop + W;

    // Side view.
    y = passeSeiteAn(Ziel, ProjektName, unten + 60, unten + 60 + 53 + 10 + seitenansichtHoehe,
                     seitenGrenze);
    balken(y, R, "Seitenansicht");
    const int seitenTop = y + 53 + 10;
    zeichneBild(Ziel, seitenTop, seitenansichtHoehe, [&](Canvas& bild) {
        drawSideView(bild, W, seitenansichtHoehe, T, &Produkt, true);
    });
    unten = seitenTop + seitenansichtHoehe;

    // Distances and note.
    y = passeSeiteAn(Ziel, ProjektName, unten + 50, unten + 50 + 280, seitenGrenzeKnapp);
    druckeAbstaendeUndHinweis(y, Produkt);

    zeichneNeueElemente();
    FSeite = Seite{};
}

void TAusdruck::zeichneBild(PrintTarget& Ziel, int y, int Hoehe,
                            const std::function<void(Canvas&)>& Zeichnung) {
    const int W = Ende.X - Start.X;
    zeichneNeueElemente();
    Canvas& seite = Ziel.canvas();
    const auto bild = seite.createRasterImage(W, Hoehe);
    Zeichnung(bild->canvas());
    seite.copyRect(TRect{Start.X, y, Ende.X, y + Hoehe}, *bild);
}

void TAusdruck::druckeAbstaendeUndHinweis(int y, const TProdukt& Produkt) {
    const int W = Ende.X - Start.X;
    TPrintBox& block = FSeite.Blatt->AddPrintBox(Start.X, y, Ende.X, y + 280, weiss, 0);
    zelle(block, TRect{0, 0, 750, 40}, "Mindestabstand zu den Wänden:", alignLeft, schriftHoehe,
          fontStyle::underline);

    const TAufstellung* aufstellung = Produkt.getAktuelleAufstellVariante();
    const bool horizontal = aufstellung ? aufstellung->getHorizontal() : true;
    const TRect a = Produkt.getMindestAbstaende(horizontal);
    const std::string kesselSeite = Produkt.getHeizraumAbstandSeite(horizontal);
    const std::array<std::pair<const char*, std::pair<int, const char*>>, 4> seiten{{
        {"Oben:", {a.Top, "o"}},
        {"Rechts:", {a.Right, "r"}},
        {"Unten:", {a.Bottom, "u"}},
        {"Links:", {a.Left, "l"}},
    }};
    int top = 60;
    for (const auto& [label, wert] : seiten) {
        std::string text = Produkt.getAufstellvariation()
                               ? formatFixed(wert.first / 10.0, 1) + " cm"
                               : std::string(kKeineWandabstaende);
        if (kesselSeite == wert.second) {
            text += "   (Heizkessel)";
        }
        zelle(block, TRect{0, top, 150, top + 40}, label, alignLeft, schriftHoehe, 0);
        zelle(block, TRect{150, top, 750, top + 40}, text, alignLeft, schriftHoehe, 0);
        top += 60;
    }

    zelle(block, TRect{750, 0, W, 40}, "Hinweis:", alignLeft, schriftHoehe, fontStyle::bold);
    top = 60;
    for (const char* zeile : hinweisZeilen) {
        zelle(block, TRect{750, top, W, top + 40}, zeile, alignLeft, schriftHoehe, 0);
        top += 60;
    }
    const std::array<TPoint, 5> rahmen{TPoint{740, -10}, TPoint{W + 10, -10}, TPoint{W + 10, 470},
                                       TPoint{740, 470}, TPoint{740, -10}};
    for (std::size_t i = 0; i + 1 < rahmen.size(); ++i) {
        block.AddPrintLine(rahmen[i], rahmen[i + 1], schwarz, 1);
    }
}

}  // namespace velmora
