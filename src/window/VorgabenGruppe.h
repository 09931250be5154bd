#pragma once

#include <QGroupBox>
#include <QList>

#include <string>

#include "app/PlanInputs.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace velmora {

class TAlignEdit;

// The input area ("Vorgaben: "): room, corner, boiler and opening measures, tank type, wanted
// volume, the boiler options and the two commands. It keeps its own controls consistent (the
// boiler edits and radio buttons follow their check boxes; Enter walks every input) and says
// when an input was entered; what that means for the search is the window's.
class VorgabenGruppe : public QGroupBox {
    Q_OBJECT

public:
    explicit VorgabenGruppe(QWidget* parent = nullptr);

    // The selected product group; empty for "Alle Tanks".
    std::string tankart() const;
    // The ten input texts as the fields hold them.
    PlanInputs eingaben() const;
    // Puts the ten texts into the fields as they stand.
    void setzeEingaben(const PlanInputs& eingaben);
    // Enabling, colours and the boiler edits' values for a boiler-room state.
    void zeigeHeizraum(bool checked);
    void aktualisiereKesselRadios();

    // The controls, by the names the user's documentation uses.
    TAlignEdit* edtVorgRaumBreite = nullptr;
    TAlignEdit* edtVorgRaumLaenge = nullptr;
    TAlignEdit* edtVorgRaumHoehe = nullptr;
    TAlignEdit* edtVorgEckeBreite = nullptr;
    TAlignEdit* edtVorgEckeLaenge = nullptr;
    QComboBox* cboVorgTankart = nullptr;
    TAlignEdit* edtVorgSollVolumen = nullptr;
    QCheckBox* chkVorgHeizraum = nullptr;
    QCheckBox* chkVorgKessel = nullptr;
    QRadioButton* rboVorgKessel40 = nullptr;
    QRadioButton* rboVorgKessel10 = nullptr;
    TAlignEdit* edtVorgHeizraumBreite = nullptr;
    TAlignEdit* edtVorgheizraumLaenge = nullptr;
    TAlignEdit* edtVorgEinbringHoehe = nullptr;
    TAlignEdit* edtVorgEinbringBreite = nullptr;
    QPushButton* bbnVorgLoesungen = nullptr;
    QPushButton* bbnVorgLoeschen = nullptr;

signals:
    // A value was entered into edit: typed and left, or taken from the calculator.
    void eingabeVerlassen(TAlignEdit* edit);
    // The user changed the boiler-room box (after the panel updated its controls).
    void heizraumGeklickt();
    // The user changed the protected-boiler box or its clearance.
    void kesselGeklickt();
    void tankartGewaehlt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TAlignEdit* neuesEdit(const char* name);
    bool weiterMitEnter(QWidget* feld);

    // The inputs in the order Enter and Tab walk them.
    QList<QWidget*> eingabeReihenfolge;
};

}  // namespace velmora
