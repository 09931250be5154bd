#include "catalogue/BatteryMeasures.h"

#include <algorithm>

#include "catalogue/TAufstellvariante.h"

namespace velmora {

namespace {

// n items of size s with a gap g between neighbours.
long long row(long long n, long long s, long long g) {
    return n * s + (n - 1) * g;
}

}  // namespace

BatteryMeasures batteryMeasures(const TankDimensions& tank, const TAufstellvariante& variante) {
    const long long r1 = variante.getReihe1();
    const long long r2 = variante.getReihe2();
    const bool quer = variante.getZwReihWaag();
    BatteryMeasures m;
    m.b1 = row(r1, tank.Breite, tank.ZusBreite);
    m.L2 = quer ? row(r2, tank.Laenge, tank.ZusLaenge) : row(r2, tank.Breite, tank.ZusBreite);
    m.W = r2 == 0 ? m.b1 : std::max(m.b1, m.L2);
    if (r2 == 0) {
        m.D = tank.Laenge;
    } else if (quer) {
        m.D = static_cast<long long>(tank.Laenge) + tank.ZusSpezLaenge + tank.Breite;
    } else {
        m.D = 2LL * tank.Laenge + tank.ZusLaenge;
    }
    m.Y2 = quer ? static_cast<long long>(tank.Breite) + tank.ZusSpezLaenge
                : static_cast<long long>(tank.Laenge) + tank.ZusLaenge;
    return m;
}

}  // namespace velmora
