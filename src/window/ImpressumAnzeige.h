#pragma once

#include <QFrame>

class QGroupBox;
class QLabel;
class QPushButton;

namespace velmora {

// The imprint panel: the maker's and the software maker's contact data over the input and
// solution areas. An e-mail address opens the mail program, a web address the browser.
class ImpressumAnzeige : public QFrame {
    Q_OBJECT

public:
    explicit ImpressumAnzeige(QWidget* parent = nullptr);

    // The panel over bereich: header centred, the two address groups below it, "OK" centred in
    // the space left.
    void ordneAn(const QRect& bereich);
    // Shows the hidden panel (focus on "OK") or hides the shown one.
    void umschalten();

private:
    void erstelleInhalt();
    void ordneInhaltAn();
    void oeffneLink(const QString& link);

    QLabel* lblImpHeader = nullptr;
    QGroupBox* gboImpHersteller = nullptr;
    QGroupBox* gboImpSoftware = nullptr;
    QPushButton* btnImpOK = nullptr;
};

}  // namespace velmora
