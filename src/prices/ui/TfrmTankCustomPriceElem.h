#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace velmora {

class TAlignEdit;
class TTankCustomPrice;

// One entry of the price window: article number, catalogue price, "Eigenen Preis
// verwenden" and the price field. Changes go straight into the bound entry, so every price
// in the program follows them at once; writing the entry's file is left to the window.
class TfrmTankCustomPriceElem : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelHeight = 65;

    explicit TfrmTankCustomPriceElem(QWidget* parent = nullptr);

    // Binds the panel to the entry (not owned; must outlive the panel) and fills it.
    void setData(TTankCustomPrice* AElem);
    TTankCustomPrice* entry() const { return FElem; }

    // Takes a price typed but not yet confirmed by leaving the field, as leaving would.
    void takeTypedPrice();

private:
    void fill();
    void customPriceClicked(bool checked);
    void priceFieldLeft();

    QLabel* lblArtNrVal;
    QLabel* lblOriginalPrice;
    QCheckBox* chkCustomPrice;
    TAlignEdit* edtCustomPrice;
    bool FDoNothing = false;
    TTankCustomPrice* FElem = nullptr;
};

}  // namespace velmora
