#include "drawing/SideViewDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/Rounding.h"
#include "catalogue/BatteryMeasures.h"
#include "catalogue/TAufstellung.h"
#include "catalogue/TAufstellvariante.h"
#include "catalogue/TProdukt.h"
#include "catalogue/TTempData.h"
#include "drawing/PlanFont.h"
#include "drawing/PlanPosition.h"

namespace velmora {

namespace {

using plan::meterText;

constexpr Color tankFarbe{240, 228, 176};
constexpr Color hintereReiheFarbe{220, 220, 214};
constexpr Color zusatzFarbe{128, 128, 128};
constexpr Color bauteilFarbe{96, 96, 96};

// One row of tanks seen from the side: Anzahl tanks of Breite with Abstand between them.
struct Reihe {
    int Anzahl = 0;
    int Breite = 0;
    int Abstand = 0;
};

// A dimension segment from Von to Bis (mm above the floor) with its label.
struct Mass {
    double Von = 0;
    double Bis = 0;
    std::string Text;
};

class SideView {
public:
    SideView(Canvas& canvas, int width, int height, bool printout)
        : c_(canvas), width_(width), height_(height), printout_(printout) {}

    void draw(const TTempData& TempData, const TProdukt* Produkt);

private:
    int px(double mm) const { return roundHalfToEven(mm * scale_); }
    int y(double mm) const { return floorY_ - px(mm); }
    void setPen(Color color) { c_.setPen(Pen{color, lineWidth_}); }
    void fill(const TRect& rect, Color color);
    void line(TPoint a, TPoint b);
    void text(int left, int top, const std::string& Text);
    void drawRow(int left, const Reihe& reihe, int hoehe, Color farbe);
    // A vertical dimension line at x with ticks of the given length at every segment end
    // and each label right of it, moved apart where segments are too short for them.
    void drawChain(int x, int tick, const std::vector<Mass>& masse);

    Canvas& c_;
    int width_;
    int height_;
    bool printout_;
    int lineWidth_ = 1;
    double scale_ = 0;
    int floorY_ = 0;
    int textHeight_ = 0;
};

std::vector<Reihe> reihen(const TProdukt& Produkt) {
    const TAufstellung* aufstellung = Produkt.getAktuelleAufstellVariante();
    if (!Produkt.getAufstellvariation() || aufstellung == nullptr) {
        return {Reihe{1, Produkt.getBreite(), 0}};
    }
    const TAufstellvariante& v = *aufstellung->getVariante();
    std::vector<Reihe> r{
        Reihe{std::max(v.getReihe1(), 1), Produkt.getBreite(), Produkt.getZusBreite()}};
    if (v.getReihe2() > 0) {
        // A crosswise second row shows the tanks' other side.
        r.push_back(v.getZwReihWaag()
                        ? Reihe{v.getReihe2(), Produkt.getLaenge(), Produkt.getZusLaenge()}
                        : Reihe{v.getReihe2(), Produkt.getBreite(), Produkt.getZusBreite()});
    }
    return r;
}

int batterieBreite(const TProdukt& Produkt) {
    const TAufstellung* aufstellung = Produkt.getAktuelleAufstellVariante();
    if (!Produkt.getAufstellvariation() || aufstellung == nullptr) {
        return Produkt.getBreite();
    }
    const TankDimensions tank{Produkt.getBreite(), Produkt.getLaenge(), Produkt.getZusBreite(),
                              Produkt.getZusLaenge(), Produkt.getZusSpezLaenge()};
    return clampToInt(batteryMeasures(tank, *aufstellung->getVariante()).W);
}

void SideView::fill(const TRect& rect, Color color) {
    c_.setBrush(Brush{color, BrushStyle::Solid});
    c_.fillRect(rect);
}

void SideView::line(TPoint a, TPoint b) {
    c_.moveTo(a);
    c_.lineTo(b);
}

void SideView::text(int left, int top, const std::string& Text) {
    c_.setBrush(Brush{colors::white, BrushStyle::Clear});
    const int w = c_.textWidth(Text);
    c_.textRect(TRect{left, top, left + w, top + textHeight_}, TPoint{left, top}, Text);
}

void SideView::drawRow(int left, const Reihe& reihe, int hoehe, Color farbe) {
    setPen(colors::black);
    c_.setBrush(Brush{farbe, BrushStyle::Solid});
    const int rundung = std::max(px(100), 2);
    for (int i = 0; i < reihe.Anzahl; ++i) {
        const double von = static_cast<double>(i) * (reihe.Breite + reihe.Abstand);
        c_.roundRect(TRect{left + px(von), y(hoehe), left + px(von + reihe.Breite), floorY_ + 1},
                     rundung, rundung);
    }
}

void SideView::drawChain(int x, int tick, const std::vector<Mass>& masse) {
    setPen(colors::black);
    double unten = 0;
    double oben = 0;
    for (const Mass& m : masse) {
        unten = std::min({unten, m.Von, m.Bis});
        oben = std::max({oben, m.Von, m.Bis});
        for (const double h : {m.Von, m.Bis}) {
            line(TPoint{x - tick, y(h)}, TPoint{x + tick + 1, y(h)});
        }
    }
    line(TPoint{x, y(oben)}, TPoint{x, y(unten) + 1});

    // Labels from the floor up: each stays above the one below it, the top one inside.
    std::vector<int> tops;
    for (const Mass& m : masse) {
        int top = (y(m.Von) + y(m.Bis) - textHeight_) / 2;
        if (!tops.empty()) {
            top = std::min(top, tops.back() - textHeight_);
        }
        tops.push_back(top);
    }
    for (std::size_t i = tops.size(); i-- > 0;) {
        const int grenze = i + 1 < tops.size() ? tops[i + 1] + textHeight_ : 0;
        tops[i] = std::max(tops[i], grenze);
    }
    for (std::size_t i = 0; i < masse.size(); ++i) {
        text(x + tick + textHeight_ / 4, tops[i], masse[i].Text);
    }
}

void SideView::draw(const TTempData& TempData, const TProdukt* Produkt) {
    fill(TRect{0, 0, width_, height_}, colors::white);
    const double raumHoehe = TempData.Vorgaben.RaumHoehe;
    if (raumHoehe <= 0) {
        return;
    }
    c_.setFont(planLabelFont(c_, printout_));
    textHeight_ = c_.textHeight("0");
    lineWidth_ = printout_ ? 3 : 1;
    const int luft = std::max(textHeight_ / 2, 2);
    const int band = luft;

    // An opening without size is left out rather than drawn.
    const double oeffnungHoehe = std::max(TempData.Vorgaben.EinbringHoehe, 0);
    const double oeffnungBreite =
        oeffnungHoehe > 0 ? std::max(TempData.Vorgaben.EinbringBreite, 0) : 0;
    const bool oeffnung = oeffnungBreite > 0;
    const int tankHoehe = Produkt ? Produkt->getHoehe() : 0;
    const int gesamtHoehe = Produkt ? Produkt->getGesamtHoehe() : 0;
    const int breite = Produkt ? batterieBreite(*Produkt) : 0;

    std::vector<Mass> kette;
    if (Produkt) {
        kette.push_back(Mass{0, static_cast<double>(tankHoehe), "Tank " + meterText(tankHoehe)});
        if (gesamtHoehe != tankHoehe) {
            kette.push_back(Mass{static_cast<double>(tankHoehe), static_cast<double>(gesamtHoehe),
                                 "Zusatz " + meterText(gesamtHoehe - tankHoehe)});
        }
        kette.push_back(Mass{static_cast<double>(gesamtHoehe), raumHoehe,
                             "frei " + meterText(raumHoehe - gesamtHoehe)});
    }
    const std::string raumText = "Raum " + meterText(raumHoehe);
    const std::string oeffnungText = "Öffnung " + meterText(oeffnungHoehe);
    int ketteBreite = 0;
    for (const Mass& m : kette) {
        ketteBreite = std::max(ketteBreite, c_.textWidth(m.Text));
    }
    const int tick = luft;

    // Left to right: room height, battery, its chain, the opening and its height.
    const int raumLinks = c_.textWidth(raumText) + 2 * tick + luft;
    const int festBreite =
        raumLinks + luft + (Produkt ? 3 * luft + 2 * tick + ketteBreite : 0) +
        (oeffnung ? luft + 2 * tick + luft / 2 + c_.textWidth(oeffnungText) + luft : 0) + luft;
    const double masseBreite = breite + (oeffnung ? oeffnungBreite : 0);
    const double masseHoehe =
        std::max({raumHoehe, static_cast<double>(gesamtHoehe), oeffnungHoehe});
    const int hoeheFrei = height_ - 2 * (luft + band);
    const int breiteFrei = width_ - festBreite;
    if (hoeheFrei <= 0 || breiteFrei <= 0) {
        return;
    }
    scale_ = hoeheFrei / masseHoehe;
    if (masseBreite > 0) {
        scale_ = std::min(scale_, breiteFrei / masseBreite);
    }
    floorY_ = height_ - luft - band - (hoeheFrei - px(masseHoehe)) / 2;
    const int links = (breiteFrei - px(masseBreite)) / 2;

    const int raumX = links + raumLinks - tick;
    const int batterieX = raumX + tick + luft;
    const int ketteX = batterieX + px(breite) + luft + tick;
    const int oeffnungX = Produkt ? ketteX + tick + ketteBreite + 2 * luft : batterieX;
    const int rechts = oeffnung ? oeffnungX + px(oeffnungBreite) + luft : ketteX + tick + luft;

    // The room between floor and ceiling, the two as solid bands.
    fill(TRect{raumX, y(raumHoehe), rechts, floorY_}, colors::silver);
    fill(TRect{raumX, y(raumHoehe) - band, rechts, y(raumHoehe)}, bauteilFarbe);
    fill(TRect{raumX, floorY_, rechts, floorY_ + band}, bauteilFarbe);
    setPen(colors::black);
    line(TPoint{raumX, y(raumHoehe)}, TPoint{raumX, floorY_ + 1});
    for (const int h : {y(raumHoehe), floorY_}) {
        line(TPoint{raumX - tick, h}, TPoint{raumX + tick + 1, h});
    }
    text(raumX - tick - luft / 2 - c_.textWidth(raumText),
         (y(raumHoehe) + floorY_ - textHeight_) / 2, raumText);

    if (Produkt) {
        const std::vector<Reihe> r = reihen(*Produkt);
        if (gesamtHoehe > tankHoehe) {
            c_.setBrush(Brush{zusatzFarbe, BrushStyle::CrossHatch});
            setPen(zusatzFarbe);
            c_.rectangle(
                TRect{batterieX, y(gesamtHoehe), batterieX + px(breite) + 1, y(tankHoehe) + 1});
        }
        for (std::size_t i = r.size(); i-- > 0;) {
            drawRow(batterieX, r[i], tankHoehe, i == 0 ? tankFarbe : hintereReiheFarbe);
        }
        drawChain(ketteX, tick, kette);
    }

    if (oeffnung) {
        setPen(colors::black);
        c_.setBrush(Brush{colors::white, BrushStyle::Solid});
        const int oeffnungRechts = oeffnungX + px(oeffnungBreite);
        c_.rectangle(TRect{oeffnungX, y(oeffnungHoehe), oeffnungRechts + 1, floorY_ + 1});
        drawChain(oeffnungRechts + luft + tick, tick, {Mass{0, oeffnungHoehe, oeffnungText}});
    }
}

}  // namespace

void drawSideView(Canvas& canvas, int width, int height, const TTempData& TempData,
                  const TProdukt* Produkt, bool printout) {
    // The canvas may be shared with a plan surface, which relies on its own state.
    const Brush brush = canvas.brush();
    const Pen pen = canvas.pen();
    const Font font = canvas.font();
    SideView(canvas, width, height, printout).draw(TempData, Produkt);
    canvas.setBrush(brush);
    canvas.setPen(pen);
    canvas.setFont(font);
}

}  // namespace velmora
