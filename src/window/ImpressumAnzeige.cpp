#include "window/ImpressumAnzeige.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "base/Host.h"

namespace velmora {

namespace {

struct Kontakt {
    const char* firma;
    const char* strasse;
    const char* ort;
    const char* telefon;
    const char* telefax;
    const char* mail;
    const char* web;
};

const Kontakt kHersteller{"HALVEX Tanksysteme GmbH", "Werkstraße 21",    "59494 Soest",
                          "+49 2921 5580-0",         "+49 2921 5580-99", "info@halvex.example",
                          "www.halvex.example"};
const Kontakt kSoftware{"Velmora Software GmbH", "Hafenweg 8",        "48155 Münster",
                        "+49 251 703 44-0",      "+49 251 703 44-19", "support@velmora.example",
                        "www.velmora.example"};

QGroupBox* kontaktGruppe(const char* name, const QString& titel, const Kontakt& kontakt,
                         QWidget* parent) {
    auto* gruppe = new QGroupBox(titel, parent);
    gruppe->setObjectName(QString::fromLatin1(name));
    auto* layout = new QGridLayout(gruppe);
    layout->setContentsMargins(16, 8, 16, 10);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(3);
    const QString mail = QString::fromUtf8(kontakt.mail);
    const QString web = QString::fromUtf8(kontakt.web);
    const std::pair<QString, QString> zeilen[] = {
        {QStringLiteral("Anschrift:"), QString::fromUtf8(kontakt.firma) + QStringLiteral("<br>") +
                                           QString::fromUtf8(kontakt.strasse) +
                                           QStringLiteral("<br>") + QString::fromUtf8(kontakt.ort)},
        {QStringLiteral("Telefon:"), QString::fromUtf8(kontakt.telefon)},
        {QStringLiteral("Telefax:"), QString::fromUtf8(kontakt.telefax)},
        {QStringLiteral("E-Mail:"), QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(mail)},
        {QStringLiteral("Internet:"), QStringLiteral("<a href=\"https://%1\">%1</a>").arg(web)},
    };
    int row = 0;
    for (const auto& [beschriftung, wert] : zeilen) {
        auto* caption = new QLabel(beschriftung, gruppe);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* value = new QLabel(wert, gruppe);
        value->setTextFormat(Qt::RichText);
        value->setOpenExternalLinks(false);
        layout->addWidget(caption, row, 0);
        layout->addWidget(value, row, 1);
        ++row;
    }
    layout->setColumnStretch(1, 1);
    return gruppe;
}

}  // namespace

ImpressumAnzeige::ImpressumAnzeige(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnlImpressum"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    hide();
}

void ImpressumAnzeige::erstelleInhalt() {
    lblImpHeader = new QLabel(QStringLiteral("Impressum"), this);
    lblImpHeader->setObjectName(QStringLiteral("lblImpHeader"));
    QFont header = lblImpHeader->font();
    header.setPointSize(14);
    header.setBold(true);
    lblImpHeader->setFont(header);
    lblImpHeader->adjustSize();
    gboImpHersteller =
        kontaktGruppe("gboImpHersteller", QStringLiteral("Hersteller: "), kHersteller, this);
    gboImpSoftware = kontaktGruppe("gboImpSoftware", QStringLiteral("Software: "), kSoftware, this);
    for (QGroupBox* gruppe : {gboImpHersteller, gboImpSoftware}) {
        for (QLabel* wert : gruppe->findChildren<QLabel*>()) {
            connect(wert, &QLabel::linkActivated, this, &ImpressumAnzeige::oeffneLink);
        }
    }
    btnImpOK = new QPushButton(QStringLiteral("OK"), this);
    btnImpOK->setObjectName(QStringLiteral("btnImpOK"));
    btnImpOK->setFixedSize(100, 30);
    connect(btnImpOK, &QPushButton::clicked, this, &QWidget::hide);
    // Made now, "OK" would come last in the window's tab order; it takes the panel's place.
    QWidget* vorher = previousInFocusChain();
    while (vorher != this && vorher->focusPolicy() == Qt::NoFocus) {
        vorher = vorher->previousInFocusChain();
    }
    if (vorher != this) {
        QWidget::setTabOrder(vorher, btnImpOK);
    }
}

void ImpressumAnzeige::ordneAn(const QRect& bereich) {
    setGeometry(bereich);
    if (btnImpOK != nullptr) {
        ordneInhaltAn();
    }
}

void ImpressumAnzeige::ordneInhaltAn() {
    const int breite = width();
    lblImpHeader->move((breite - lblImpHeader->width()) / 2, 30);
    int oben = lblImpHeader->geometry().bottom() + 1 + 40;
    for (QGroupBox* gruppe : {gboImpHersteller, gboImpSoftware}) {
        const int hoehe = gruppe->sizeHint().height();
        gruppe->setGeometry(25, oben, breite - 50, hoehe);
        oben += hoehe + 40;
    }
    const int frei = gboImpSoftware->geometry().bottom() + 1;
    btnImpOK->move((breite - btnImpOK->width()) / 2,
                   frei + (height() - frei - btnImpOK->height()) / 2);
}

void ImpressumAnzeige::umschalten() {
    // The contents are made when first shown: the window's start does without them.
    if (btnImpOK == nullptr) {
        erstelleInhalt();
        ordneInhaltAn();
    }
    setVisible(isHidden());
    if (!isHidden()) {
        raise();
        btnImpOK->setFocus();
    }
}

void ImpressumAnzeige::oeffneLink(const QString& link) {
    if (QDesktopServices::openUrl(QUrl(link))) {
        return;
    }
    host().showError(link.startsWith(QStringLiteral("mailto:"))
                         ? "Anwendung konnte nicht gestartet werden!"
                         : "Internetseite konnte nicht geöffnet werden!");
}

}  // namespace velmora
