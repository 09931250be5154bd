#pragma once

namespace velmora {

class TAufstellvariante;
class TZubehoer;

// One accessory line of a product in its current arrangement: which accessory, whether it
// is included in the price (Checked) and whether the user may change that (Enabled).
class TZubehoerItem {
public:
    // Zubehoer and Variante are not owned; Variante may be null (quantity 1).
    TZubehoerItem(TZubehoer* Zubehoer, TAufstellvariante* Variante, bool Checked, bool Enabled)
        : Checked(Checked), Enabled(Enabled), Zubehoer(Zubehoer), Variante(Variante) {}

    bool isChecked() const { return Checked; }
    bool isEnabled() const { return Enabled; }
    // Only the user's tick on an enabled line changes it.
    void setChecked(bool AChecked) { Checked = AChecked; }
    TZubehoer* getZubehoer() const { return Zubehoer; }
    TAufstellvariante* getVariante() const { return Variante; }

    // The variant's count for a fitting article, else 1.
    int getAnzahl() const;

private:
    bool Checked;
    bool Enabled;
    TZubehoer* Zubehoer;
    TAufstellvariante* Variante;
};

}  // namespace velmora
