#include "window/HelpWindow.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora {

HelpWindow::HelpWindow(const QString& appPath, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHilfe"));
    setWindowTitle(QStringLiteral("Velmora – Anleitung"));
    resize(760, 640);
    browser_->setObjectName(QStringLiteral("txbHilfe"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    const QString path = guidePath(appPath);
    if (QFileInfo::exists(path)) {
        browser_->setSource(QUrl::fromLocalFile(path));
    } else {
        browser_->setHtml(QStringLiteral("<p>Die Anleitung wurde nicht gefunden:</p><p>%1</p>"
                                         "<p>Bitte installieren Sie Velmora neu.</p>")
                              .arg(path.toHtmlEscaped()));
    }
}

QString HelpWindow::guidePath(const QString& appPath) {
    return appPath + QStringLiteral("hilfe/velmora-hilfe.html");
}

void HelpWindow::showGuide(const QString& anchor) {
    if (!anchor.isEmpty()) {
        browser_->scrollToAnchor(anchor);
    }
    show();
    raise();
    activateWindow();
}

}  // namespace velmora
