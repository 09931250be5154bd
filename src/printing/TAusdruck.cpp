#include "printing/TAusdruck.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "base/Rounding.h"
#include "datanorm/FieldValues.h"

namespace velmora {

namespace {

constexpr TColor weiss = 0xFFFFFF;
constexpr TColor grau = 0xEEEEEE;
constexpr TColor schwarz = 0x000000;
constexpr int schriftHoehe = 40;
constexpr int balkenHoehe = 53;        // 40 / 3 + 40
constexpr int ueberschriftHoehe = 60;  // 40 / 2 + 40
constexpr int maxBezeichnungsBreite = 1400;

// The byte length of the first `count` UTF-8 characters of text.
std::size_t utf8Prefix(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            ++i;
        }
    }
    return i;
}

std::size_t utf8Length(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

const std::string TAusdruck::EMailZeile = "E-Mail: info@halvex.example";
const std::string TAusdruck::InternetZeile = "Internet: www.halvex.example";

TAusdruck::TAusdruck(std::string AppPath) : AppPath(std::move(AppPath)) {}

TAusdruck::~TAusdruck() = default;

void TAusdruck::setDruckvorschau(PrintTargetFactory Fabrik) {
    FFabrik = std::move(Fabrik);
}

void TAusdruck::LoesungDruck(const std::string& ProjektName, double OptZubehoerPreis,
                             const TProdukt& Produkt, const TTempData& TempData) {
    FVorschau.reset();
    if (FFabrik) {
        FVorschau = FFabrik();
        LoesungDruck(*FVorschau, ProjektName, OptZubehoerPreis, Produkt, TempData);
    }
}

void TAusdruck::DatanormDruck(const std::string& ProjektName, const TProdukt& Produkt) {
    FVorschau.reset();
    if (FFabrik) {
        FVorschau = FFabrik();
        DatanormDruck(*FVorschau, ProjektName, Produkt);
    }
}

void TAusdruck::LoesungDruck(PrintTarget& Ziel, const std::string& ProjektName,
                             double OptZubehoerPreis, const TProdukt& Produkt,
                             const TTempData& TempData) {
    Ziel.beginDoc("Druck Velmora");
    druckeLoesungsblatt(Ziel, ProjektName, OptZubehoerPreis, Produkt, TempData);
    Ziel.endDoc();
}

void TAusdruck::DatanormDruck(PrintTarget& Ziel, const std::string& ProjektName,
                              const TProdukt& Produkt) {
    Ziel.beginDoc("Datanorm-Druck Velmora");
    druckeDatanormblatt(Ziel, ProjektName, Produkt);
    Ziel.endDoc();
}

void TAusdruck::neueSeite(PrintTarget& Ziel, const std::string& ProjektName) {
    if (FSeite.Blatt) {
        zeichneNeueElemente();
        FSeite = Seite{};
        Ziel.newPage();
    }
    FSeite.Blatt = std::make_unique<TPrintSheet>(Ziel.canvas());
    druckeSeitenkopf(*FSeite.Blatt, ProjektName);
    druckeSeitenfuss(*FSeite.Blatt);
}

void TAusdruck::zeichneNeueElemente() {
    // Items already on the page are not drawn again: a second copy of every text would
    // show up twice when the text of a printed PDF is copied or searched.
    TPrintSheet& blatt = *FSeite.Blatt;
    for (; FSeite.gezeichnet < blatt.ItemCount(); ++FSeite.gezeichnet) {
        blatt.GetItems(FSeite.gezeichnet).Draw();
    }
}

void TAusdruck::druckeSeitenkopf(TPrintSheet& Blatt, const std::string& ProjektName) {
    const int L = Start.X;
    const int R = Ende.X;
    const int W = R - L;
    TPrintBox& band = Blatt.AddPrintBox(L, Start.Y, R, 230, weiss, 0);
    TPrintBox& logo = band.AddPrintBox(0, 0, 874, 170, weiss, 0);
    logo.AddPrintImage(AppPath + "images/halvex-logo.jpg", TRect{0, 0, 874, 170});
    band.AddPrintBox(924, 0, W, 170, grau, 0);
    ++seitenAnzahl;
    zelle(Blatt, TRect{L + 924, 230, R, 270}, "Seite " + std::to_string(seitenAnzahl), alignRight,
          schriftHoehe, fontStyle::bold);
    zelle(Blatt, TRect{L, 230, L + 874, 270}, "Projekt: " + ProjektName, alignLeft, schriftHoehe,
          fontStyle::bold);
    druckTop = Start.Y + 270;
}

void TAusdruck::druckeSeitenfuss(TPrintSheet& Blatt) {
    const int L = Start.X;
    const int R = Ende.X;
    const int t = roundHalfToEven((R - L) / 3.0);
    const int oben = Ende.Y + footerAbstand;
    const int unten = oben + footerSize;
    zelle(Blatt, TRect{L, oben, L + t - 5, unten}, EMailZeile, alignLeft, footerSize,
          fontStyle::italic);
    zelle(Blatt, TRect{L + t + 5, oben, L + 2 * t - 15, unten}, heutigesDatum(), alignCenter,
          footerSize, fontStyle::bold);
    zelle(Blatt, TRect{L + 2 * t - 5, oben, R, unten}, InternetZeile, alignRight, footerSize,
          fontStyle::italic);
}

void TAusdruck::druckeTrennlinie(int y) {
    const int x1 = Start.X;
    const int x2 = Ende.X;
    const int s = std::max(roundHalfToEven((x2 - x1) / 60.0), 1);
    for (int n = 0; n * s < x2 - x1; ++n) {
        FSeite.Blatt->AddPrintLine(TPoint{x1 + n * s, y}, TPoint{std::min(x1 + (n + 1) * s, x2), y},
                                   n % 2 == 0 ? schwarz : weiss, 1);
    }
}

std::string TAusdruck::heutigesDatum() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    const auto datum = datanorm::dateValue(lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday);
    return datum ? datanorm::formatShortDate(*datum) : std::string();
}

int TAusdruck::passeSeiteAn(PrintTarget& Ziel, const std::string& ProjektName, int y, int Unten,
                            int Grenze) {
    if (Unten <= Grenze) {
        return y;
    }
    neueSeite(Ziel, ProjektName);
    return druckTop;
}

TPrintBox& TAusdruck::ueberschrift(int y, const std::string& Text) {
    return zelle(*FSeite.Blatt, TRect{Start.X, y, Ende.X, y + ueberschriftHoehe}, Text, alignLeft,
                 ueberschriftHoehe, fontStyle::bold);
}

TPrintBox& TAusdruck::balken(int y, int Rechts, const std::string& Titel) {
    TPrintBox& bar = FSeite.Blatt->AddPrintBox(Start.X, y, Rechts, y + balkenHoehe, grau, 0);
    bar.AddPrintText(Titel, TRect{}, 0, alignLeft, balkenHoehe, schwarz, "Arial", 0, clNoColor);
    return bar;
}

TPrintBox& TAusdruck::zelle(TPrintItem& Eltern, const TRect& Rect, const std::string& Text,
                            int Ausrichtung, int Hoehe, FontStyles Stil) {
    TPrintBox& box = Eltern.AddPrintBox(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, weiss, 0);
    box.AddPrintText(Text, TRect{}, 0, Ausrichtung, Hoehe, schwarz, "Arial", Stil, clNoColor);
    return box;
}

void TAusdruck::zeilenpaare(TPrintItem& Block, int Breite,
                            const std::vector<std::pair<std::string, std::string>>& Zeilen) {
    int y = 0;
    for (const auto& [label, wert] : Zeilen) {
        zelle(Block, TRect{0, y, 300, y + schriftHoehe}, label, alignLeft, schriftHoehe, 0);
        zelle(Block, TRect{350, y, Breite, y + schriftHoehe}, wert, alignLeft, schriftHoehe, 0);
        y += 60;
    }
}

std::string TAusdruck::kuerzeBezeichnung(const std::string& Text) {
    Canvas& canvas = *FSeite.Blatt->GetCanvas();
    Font font = canvas.font();
    font.name = "Arial";
    font.height = schriftHoehe;
    font.style = 0;
    font.escapement = 0;
    canvas.setFont(font);
    if (canvas.textWidth(Text) <= maxBezeichnungsBreite) {
        return Text;
    }
    // Widths grow with the prefix, so the longest fitting one is the last that fits.
    const std::size_t laenge = utf8Length(Text);
    std::size_t passend = 0;
    while (passend < laenge && canvas.textWidth(Text.substr(0, utf8Prefix(Text, passend + 1))) <=
                                   maxBezeichnungsBreite) {
        ++passend;
    }
    // Three characters make room for the dots.
    return Text.substr(0, utf8Prefix(Text, passend > 3 ? passend - 3 : 0)) + "...";
}

TPrintBox& TAusdruck::artikeltabelle(int y, const std::vector<std::vector<std::string>>& Zeilen) {
    const int W = Ende.X - Start.X;
    const int zeilen = std::max(static_cast<int>(Zeilen.size()), 1);
    const int letzteUnten = zeilen * 60 + schriftHoehe;
    TPrintBox& tabelle = FSeite.Blatt->AddPrintBox(Start.X, y, Ende.X, y + letzteUnten, weiss, 0);
    const auto zeile = [&](int top, const std::string& nr, const std::string& text,
                           const std::string& anzahl) {
        zelle(tabelle, TRect{0, top, 140, top + schriftHoehe}, nr, alignLeft, schriftHoehe, 0);
        zelle(tabelle, TRect{190, top, 1590, top + schriftHoehe}, text, alignLeft, schriftHoehe, 0);
        zelle(tabelle, TRect{1640, top, W, top + schriftHoehe}, anzahl, alignRight, schriftHoehe,
              0);
    };
    zeile(0, "Art.-Nr.", "Bezeichnung", "Anzahl");
    tabelle.AddPrintLine(TPoint{0, 50}, TPoint{W, 50}, schwarz, 1);
    for (std::size_t i = 0; i < Zeilen.size(); ++i) {
        const auto& z = Zeilen[i];
        zeile(60 * (static_cast<int>(i) + 1), z.at(0), kuerzeBezeichnung(z.at(1)), z.at(2));
    }
    for (int x : {165, 1615}) {
        tabelle.AddPrintLine(TPoint{x, 0}, TPoint{x, letzteUnten + 10}, schwarz, 1);
    }
    return tabelle;
}

}  // namespace velmora
