// The DATANORM printout: the material list and the article texts of the tank and of every
// ticked accessory.

#include "base/Rounding.h"
#include "catalogue/TProdukt.h"
#include "printing/TAusdruck.h"

namespace velmora {

namespace {

constexpr TColor weiss = 0xFFFFFF;
constexpr int schriftHoehe = 40;
constexpr int seitenGrenze = 2720;

// The ticked accessory lines of the product, in list order.
std::vector<const TZubehoerItem*> angehakt(const TProdukt& Produkt) {
    std::vector<const TZubehoerItem*> items;
    for (std::size_t i = 0; i < Produkt.getZubehoerOptionalListeCount(); ++i) {
        const TZubehoerItem& item = Produkt.getZubehoerOptionalListe(i);
        if (item.isChecked() && item.getZubehoer()) {
            items.push_back(&item);
        }
    }
    return items;
}

}  // namespace

void TAusdruck::druckeDatanormblatt(PrintTarget& Ziel, const std::string& ProjektName,
                                    const TProdukt& Produkt) {
    seitenAnzahl = 0;
    FSeite = Seite{};
    neueSeite(Ziel, ProjektName);

    ueberschrift(druckTop, "Datanorm-Ausdruck");
    const int regel1 = druckTop + 60 + 30;
    druckeTrennlinie(regel1);
    const int materialUnten = druckeMaterialliste(Ziel, ProjektName, regel1, Produkt);
    const int regel2 = materialUnten + 50;
    druckeTrennlinie(regel2);
    int unten = druckeProduktblock(Ziel, ProjektName, regel2, Produkt.getBezeichnung(),
                                   Produkt.getBezeichnung_kt2(), 50);
    unten =
        druckeProduktbeschreibung(Ziel, ProjektName, unten, Produkt.getProduktbeschreibung(), 50);
    druckeDimensionstext(Ziel, ProjektName, unten, Produkt.getDimensionstext(), 50);

    for (const TZubehoerItem* item : angehakt(Produkt)) {
        const TZubehoer& zubehoer = *item->getZubehoer();
        neueSeite(Ziel, ProjektName);
        unten = druckeProduktblock(Ziel, ProjektName, druckTop, zubehoer.getBezeichnung(), "", 0);
        unten = druckeProduktbeschreibung(Ziel, ProjektName, unten,
                                          zubehoer.getProduktbeschreibung(), 50);
        druckeDimensionstext(Ziel, ProjektName, unten, zubehoer.getDimensionstext(), 50);
    }

    zeichneNeueElemente();
    FSeite = Seite{};
}

TPrintBox& TAusdruck::abschnitt(PrintTarget& Ziel, const std::string& ProjektName, int y,
                                int Abstand, const std::string& Titel, int BoxHoehe) {
    const int top =
        passeSeiteAn(Ziel, ProjektName, y + Abstand, y + Abstand + 63 + BoxHoehe, seitenGrenze);
    balken(top, Ende.X, Titel);
    return FSeite.Blatt->AddPrintBox(Start.X, top + 63, Ende.X, top + 63 + BoxHoehe, weiss, 0);
}

int TAusdruck::druckeMaterialliste(PrintTarget& Ziel, const std::string& ProjektName, int y,
                                   const TProdukt& Produkt) {
    std::vector<std::vector<std::string>> zeilen{{Produkt.getArtikelNr(), Produkt.getBezeichnung(),
                                                  std::to_string(Produkt.getAnzahlTanks())}};
    for (const TZubehoerItem* item : angehakt(Produkt)) {
        zeilen.push_back({item->getZubehoer()->getArtNr(), item->getZubehoer()->getBezeichnung(),
                          std::to_string(item->getAnzahl())});
    }
    if (zeilen.size() == 1) {
        zeilen.push_back({"", "", ""});
    }
    const int n = static_cast<int>(zeilen.size()) - 1;
    // The bar and the table are placed like a section whose box is the table.
    const int top =
        passeSeiteAn(Ziel, ProjektName, y + 50, y + 50 + 53 + (n + 2) * 60 - 10, seitenGrenze);
    balken(top, Ende.X, "Materialauflistung");
    artikeltabelle(top + 63, zeilen);
    return top + 53 + (n + 2) * 60 - 10;
}

int TAusdruck::druckeProduktblock(PrintTarget& Ziel, const std::string& ProjektName, int y,
                                  const std::string& Text1, const std::string& Text2, int Abstand) {
    TPrintBox& box = abschnitt(Ziel, ProjektName, y, Abstand, "Produkt", 160);
    const int W = Ende.X - Start.X;
    zelle(box, TRect{0, 60, W, 100}, Text1, alignLeft, schriftHoehe, 0);
    if (!Text2.empty()) {
        zelle(box, TRect{0, 120, W, 160}, Text2, alignLeft, schriftHoehe, 0);
    }
    return box.Rect().Bottom;
}

int TAusdruck::druckeProduktbeschreibung(PrintTarget& Ziel, const std::string& ProjektName, int y,
                                         const Artikeltext& Text, int Abstand) {
    if (!Text) {
        return y;
    }
    const std::vector<std::string>& Zeilen = *Text;
    const int h = roundHalfToEven(static_cast<double>(Zeilen.size()) / 2.0);
    TPrintBox& box =
        abschnitt(Ziel, ProjektName, y, Abstand, "Produktbeschreibung", (h + 2) * 60 - 20);
    const int W = Ende.X - Start.X;
    for (std::size_t i = 0; i < Zeilen.size(); ++i) {
        const int index = static_cast<int>(i);
        const bool links = index <= h;
        const int top = 60 + 60 * (links ? index : index - h - 1);
        const TRect spalte =
            links ? TRect{0, top, W / 2 - 5, top + 40} : TRect{W / 2 + 5, top, W, top + 40};
        zelle(box, spalte, Zeilen[i], alignLeft, schriftHoehe, 0);
    }
    return box.Rect().Bottom;
}

int TAusdruck::druckeDimensionstext(PrintTarget& Ziel, const std::string& ProjektName, int y,
                                    const Artikeltext& Text, int Abstand) {
    if (!Text) {
        return y;
    }
    const std::vector<std::string>& Zeilen = *Text;
    const int anzahl = static_cast<int>(Zeilen.size());
    TPrintBox& box =
        abschnitt(Ziel, ProjektName, y, Abstand, "Dimensionstext", (anzahl + 2) * 60 - 20);
    const int W = Ende.X - Start.X;
    int top = 60;
    for (const std::string& zeile : Zeilen) {
        TPrintBox& zelleBox = box.AddPrintBox(0, top, W, top + 40, weiss, 0);
        zelleBox.AddPrintText(zeile, TRect{}, 0, alignLeft, schriftHoehe, 0x000000, "Courier New",
                              0, clNoColor);
        top += 60;
    }
    return box.Rect().Bottom;
}

}  // namespace velmora
