#include "window/VorgabenGruppe.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "app/EingabeRegeln.h"
#include "widgets/TAlignEdit.h"

namespace velmora {

namespace {

constexpr int kEditWidth = 62;

// The light colour of a disabled boiler edit.
const QColor kGesperrtFarbe(166, 203, 240);

// Keys that an input field types rather than passes to the window's commands.
bool tippTaste(const QKeyEvent& key) {
    return key.modifiers().testFlag(Qt::KeypadModifier) || key.key() == Qt::Key_Backspace;
}

}  // namespace

TAlignEdit* VorgabenGruppe::neuesEdit(const char* name) {
    auto* edit = new TAlignEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(kEditWidth);
    edit->installEventFilter(this);
    connect(edit, &TAlignEdit::calculated, this, [this, edit] { emit eingabeVerlassen(edit); });
    return edit;
}

VorgabenGruppe::VorgabenGruppe(QWidget* parent) : QGroupBox(QStringLiteral("Vorgaben: "), parent) {
    setObjectName(QStringLiteral("gboVorgaben"));
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(10, 6, 10, 8);
    outer->setSpacing(24);

    edtVorgRaumBreite = neuesEdit("edtVorgRaumBreite");
    edtVorgRaumLaenge = neuesEdit("edtVorgRaumLaenge");
    edtVorgRaumHoehe = neuesEdit("edtVorgRaumHoehe");
    edtVorgEckeBreite = neuesEdit("edtVorgEckeBreite");
    edtVorgEckeLaenge = neuesEdit("edtVorgEckeLaenge");
    edtVorgSollVolumen = neuesEdit("edtVorgSollVolumen");
    edtVorgHeizraumBreite = neuesEdit("edtVorgHeizraumBreite");
    edtVorgheizraumLaenge = neuesEdit("edtVorgheizraumLaenge");
    edtVorgEinbringHoehe = neuesEdit("edtVorgEinbringHoehe");
    edtVorgEinbringBreite = neuesEdit("edtVorgEinbringBreite");

    // Measures: one row per thing, the edits of a column aligned.
    auto* masse = new QGridLayout;
    masse->setHorizontalSpacing(6);
    masse->setVerticalSpacing(4);
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    masse->addWidget(new QLabel(QStringLiteral("Raum:"), this), 0, 0);
    masse->addWidget(new QLabel(QStringLiteral("Breite"), this), 0, 1, right);
    masse->addWidget(edtVorgRaumBreite, 0, 2);
    masse->addWidget(new QLabel(QStringLiteral("Länge"), this), 0, 3, right);
    masse->addWidget(edtVorgRaumLaenge, 0, 4);
    masse->addWidget(new QLabel(QStringLiteral("Höhe"), this), 0, 5, right);
    masse->addWidget(edtVorgRaumHoehe, 0, 6);
    masse->addWidget(new QLabel(QStringLiteral("m"), this), 0, 7);
    masse->addWidget(new QLabel(QStringLiteral("Ecke:"), this), 1, 0);
    masse->addWidget(edtVorgEckeBreite, 1, 2);
    masse->addWidget(new QLabel(QStringLiteral("x"), this), 1, 3, Qt::AlignCenter);
    masse->addWidget(edtVorgEckeLaenge, 1, 4);
    masse->addWidget(new QLabel(QStringLiteral("m"), this), 1, 5);
    masse->addWidget(new QLabel(QStringLiteral("Kesselmaße:"), this), 2, 0);
    masse->addWidget(new QLabel(QStringLiteral("Breite"), this), 2, 1, right);
    masse->addWidget(edtVorgHeizraumBreite, 2, 2);
    masse->addWidget(new QLabel(QStringLiteral("Länge"), this), 2, 3, right);
    masse->addWidget(edtVorgheizraumLaenge, 2, 4);
    masse->addWidget(new QLabel(QStringLiteral("m"), this), 2, 5);
    masse->addWidget(new QLabel(QStringLiteral("Einbringmaße:"), this), 3, 0);
    masse->addWidget(new QLabel(QStringLiteral("Höhe"), this), 3, 1, right);
    masse->addWidget(edtVorgEinbringHoehe, 3, 2);
    masse->addWidget(new QLabel(QStringLiteral("Breite"), this), 3, 3, right);
    masse->addWidget(edtVorgEinbringBreite, 3, 4);
    masse->addWidget(new QLabel(QStringLiteral("m"), this), 3, 5);
    outer->addLayout(masse);

    // Tank type, volume and the boiler room.
    cboVorgTankart = new QComboBox(this);
    cboVorgTankart->setObjectName(QStringLiteral("cboVorgTankart"));
    cboVorgTankart->setMinimumWidth(220);
    chkVorgHeizraum = new QCheckBox(QStringLiteral("Aufstellung Heizraum"), this);
    chkVorgHeizraum->setObjectName(QStringLiteral("chkVorgHeizraum"));
    chkVorgKessel = new QCheckBox(QStringLiteral("Strahlungsgeschützter Kessel"), this);
    chkVorgKessel->setObjectName(QStringLiteral("chkVorgKessel"));
    rboVorgKessel40 = new QRadioButton(QStringLiteral("40 cm"), this);
    rboVorgKessel40->setObjectName(QStringLiteral("rboVorgKessel40"));
    rboVorgKessel10 = new QRadioButton(QStringLiteral("10 cm"), this);
    rboVorgKessel10->setObjectName(QStringLiteral("rboVorgKessel10"));

    auto* auswahl = new QGridLayout;
    auswahl->setHorizontalSpacing(6);
    auswahl->setVerticalSpacing(4);
    auswahl->addWidget(new QLabel(QStringLiteral("Tankart:"), this), 0, 0);
    auswahl->addWidget(cboVorgTankart, 0, 1, 1, 3);
    auswahl->addWidget(new QLabel(QStringLiteral("Soll-Volumen:"), this), 1, 0);
    auswahl->addWidget(edtVorgSollVolumen, 1, 1);
    auswahl->addWidget(new QLabel(QStringLiteral("Liter"), this), 1, 2, 1, 2);
    auswahl->addWidget(chkVorgHeizraum, 2, 0, 1, 4);
    auswahl->addWidget(chkVorgKessel, 3, 0, 1, 2);
    auswahl->addWidget(rboVorgKessel40, 3, 2);
    auswahl->addWidget(rboVorgKessel10, 3, 3);
    outer->addLayout(auswahl);
    outer->addStretch(1);

    bbnVorgLoesungen = new QPushButton(QStringLiteral("Lösungen"), this);
    bbnVorgLoesungen->setObjectName(QStringLiteral("bbnVorgLoesungen"));
    bbnVorgLoeschen = new QPushButton(QStringLiteral("Werte löschen"), this);
    bbnVorgLoeschen->setObjectName(QStringLiteral("bbnVorgLoeschen"));
    bbnVorgLoesungen->setDefault(true);
    auto* befehle = new QVBoxLayout;
    befehle->setSpacing(6);
    befehle->addStretch(1);
    for (QPushButton* command : {bbnVorgLoesungen, bbnVorgLoeschen}) {
        command->setFixedSize(130, 30);
        befehle->addWidget(command);
    }
    befehle->addStretch(1);
    outer->addLayout(befehle);

    // Enter and Tab walk every input: the room and its corner, the type and the wanted
    // storage, the boiler, the opening, then the two commands.
    eingabeReihenfolge = {edtVorgRaumBreite,     edtVorgRaumLaenge,    edtVorgRaumHoehe,
                          edtVorgEckeBreite,     edtVorgEckeLaenge,    cboVorgTankart,
                          edtVorgSollVolumen,    chkVorgHeizraum,      chkVorgKessel,
                          rboVorgKessel40,       rboVorgKessel10,      edtVorgHeizraumBreite,
                          edtVorgheizraumLaenge, edtVorgEinbringHoehe, edtVorgEinbringBreite,
                          bbnVorgLoesungen,      bbnVorgLoeschen};
    for (qsizetype index = 1; index < eingabeReihenfolge.size(); ++index) {
        setTabOrder(eingabeReihenfolge[index - 1], eingabeReihenfolge[index]);
    }
    for (QWidget* feld :
         {static_cast<QWidget*>(cboVorgTankart), static_cast<QWidget*>(chkVorgHeizraum),
          static_cast<QWidget*>(chkVorgKessel), static_cast<QWidget*>(rboVorgKessel40),
          static_cast<QWidget*>(rboVorgKessel10)}) {
        feld->installEventFilter(this);
    }

    connect(chkVorgHeizraum, &QCheckBox::clicked, this, [this] {
        zeigeHeizraum(chkVorgHeizraum->isChecked());
        aktualisiereKesselRadios();
        emit heizraumGeklickt();
    });
    connect(chkVorgKessel, &QCheckBox::clicked, this, [this] {
        aktualisiereKesselRadios();
        emit kesselGeklickt();
    });
    connect(rboVorgKessel40, &QRadioButton::clicked, this, &VorgabenGruppe::kesselGeklickt);
    connect(rboVorgKessel10, &QRadioButton::clicked, this, &VorgabenGruppe::kesselGeklickt);
    connect(cboVorgTankart, &QComboBox::activated, this, &VorgabenGruppe::tankartGewaehlt);
}

std::string VorgabenGruppe::tankart() const {
    return cboVorgTankart->currentIndex() <= 0 ? std::string()
                                               : cboVorgTankart->currentText().toStdString();
}

namespace {

// The fields of the ten texts, paired with their place in the record.
template <typename Gruppe>
auto eingabeFelder(Gruppe& g) {
    return std::array{
        std::pair{g.edtVorgRaumBreite, &PlanInputs::roomWidth},
        std::pair{g.edtVorgRaumLaenge, &PlanInputs::roomLength},
        std::pair{g.edtVorgRaumHoehe, &PlanInputs::roomHeight},
        std::pair{g.edtVorgSollVolumen, &PlanInputs::volume},
        std::pair{g.edtVorgEinbringHoehe, &PlanInputs::openingHeight},
        std::pair{g.edtVorgEinbringBreite, &PlanInputs::openingWidth},
        std::pair{g.edtVorgEckeBreite, &PlanInputs::cornerWidth},
        std::pair{g.edtVorgEckeLaenge, &PlanInputs::cornerLength},
        std::pair{g.edtVorgHeizraumBreite, &PlanInputs::boilerWidth},
        std::pair{g.edtVorgheizraumLaenge, &PlanInputs::boilerLength},
    };
}

}  // namespace

PlanInputs VorgabenGruppe::eingaben() const {
    PlanInputs eingaben;
    for (const auto& [edit, feld] : eingabeFelder(*this)) {
        eingaben.*feld = edit->text().toStdString();
    }
    return eingaben;
}

void VorgabenGruppe::setzeEingaben(const PlanInputs& eingaben) {
    for (const auto& [edit, feld] : eingabeFelder(*this)) {
        edit->setText(QString::fromStdString(eingaben.*feld));
    }
}

void VorgabenGruppe::zeigeHeizraum(bool checked) {
    chkVorgKessel->setEnabled(checked);
    for (TAlignEdit* edit : {edtVorgHeizraumBreite, edtVorgheizraumLaenge}) {
        edit->setEnabled(checked);
        QPalette palette = QApplication::palette(edit);
        if (checked) {
            if (const auto standard = kesselmassBeimEinschalten(edit->text().toStdString())) {
                edit->SetFloat(*standard);
            }
        } else {
            edit->clear();
            palette.setColor(QPalette::Base, kGesperrtFarbe);
        }
        edit->setPalette(palette);
    }
}

void VorgabenGruppe::aktualisiereKesselRadios() {
    const bool enabled = chkVorgKessel->isEnabled() && chkVorgKessel->isChecked();
    rboVorgKessel40->setEnabled(enabled);
    rboVorgKessel10->setEnabled(enabled);
}

bool VorgabenGruppe::weiterMitEnter(QWidget* feld) {
    const qsizetype index = eingabeReihenfolge.indexOf(feld);
    for (qsizetype next = index + 1; next < eingabeReihenfolge.size(); ++next) {
        QWidget* ziel = eingabeReihenfolge[next];
        if (ziel->isEnabled() && ziel->isVisible()) {
            ziel->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

bool VorgabenGruppe::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<TAlignEdit*>(watched);
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Number-block keys and Backspace typed into an input belong to it.
            if ((edit != nullptr || watched == cboVorgTankart) &&
                tippTaste(*static_cast<QKeyEvent*>(event))) {
                event->accept();
            }
            return false;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            // The combo box and the check and radio buttons pass Enter on, as the edits do.
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            auto* feld = qobject_cast<QWidget*>(watched);
            if (enter && edit == nullptr && eingabeReihenfolge.contains(feld) &&
                !(watched == cboVorgTankart && cboVorgTankart->view()->isVisible())) {
                return weiterMitEnter(feld);
            }
            return false;
        }
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Leaving for another window is no edit left; the two commands search themselves.
            const QWidget* ziel = QApplication::focusWidget();
            if (edit && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                ziel != bbnVorgLoesungen && ziel != bbnVorgLoeschen) {
                emit eingabeVerlassen(edit);
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace velmora
