#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>

namespace velmora {

namespace {

// The core ends message lines with CR LF; a Qt label would show the CR.
QString qt(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The window a dialog opens over, centred: the active one, or, where the window system has
// activated none (a bare X server), the program's main window.
QWidget* dialogParent() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->parentWidget() == nullptr &&
            window->windowType() == Qt::Window) {
            return window;
        }
    }
    return nullptr;
}

void showMessage(QMessageBox::Icon icon, const QString& title, const std::string& text) {
    QMessageBox box(icon, title, qt(text), QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace

void QtHost::showError(const std::string& text) {
    showMessage(QMessageBox::Critical, QStringLiteral("Fehler"), text);
}

void QtHost::showInformation(const std::string& text) {
    showMessage(QMessageBox::Information, QStringLiteral("Information"), text);
}

void QtHost::showInformationWithLink(const std::string& text, const std::string& url) {
    const QString address = qt(url).toHtmlEscaped();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    qt(text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                        QStringLiteral("<br><a href=\"%1\">%1</a>").arg(address),
                    QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::RichText);
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtHost::askWarningYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warnung"), qt(text),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    return box.exec() == QMessageBox::Yes;
}

UnsavedAnswer QtHost::askSaveDiscardCancel(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warnung"), qt(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, dialogParent());
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Speichern"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Abbrechen"));
    // Enter saves; Escape and the close box keep the work.
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
    }
}

std::optional<std::string> QtHost::inputText(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) {
    QInputDialog dialog(dialogParent());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(qt(caption));
    dialog.setLabelText(qt(prompt));
    dialog.setTextValue(qt(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue().toStdString();
}

void QtHost::setWaitCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtHost::processEvents() {
    QCoreApplication::processEvents();
}

void QtHost::requestQuit() {
    // A queued call survives until the loop runs; quit() alone is lost before exec(). exit()
    // rather than quit(): quit() first asks every window to close, and the main window would
    // ask its close question after a start-up error.
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            application, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
}

}  // namespace velmora
