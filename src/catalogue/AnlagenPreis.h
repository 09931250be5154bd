#pragma once

namespace velmora {

class TProdukt;

// Net price of the installation as the window ("Anlagenpreis") and the planning sheet show
// it: the battery (tanks and the variant's fittings, getGesamtPreis) plus the sum of the
// ticked optional accessories. Euros.
double getAnlagenNettoPreis(const TProdukt& Produkt, double OptZubehoerPreis);
// False when the net price lacks a price: of the battery or of a ticked optional accessory.
bool hatAnlagenPreis(const TProdukt& Produkt);

// The gross price: net plus 19 % value-added tax.
double getAnlagenBruttoPreis(double Netto);

}  // namespace velmora
