#include "prices/ui/TfrmTankCustomPrice.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <string>

#include "base/Host.h"
#include "prices/PriceStoreLock.h"
#include "prices/TTankCustomPrice.h"
#include "prices/ui/TfrmTankCustomPriceElem.h"

namespace velmora {

namespace {

constexpr int clientWidth = 504;
constexpr int clientHeight = 362;
constexpr int bottomMargin = 50;
constexpr int stackSpacing = 5;

std::vector<TTankCustomPrice*> withoutNulls(std::vector<TTankCustomPrice*> list) {
    std::erase(list, nullptr);
    return list;
}

}  // namespace

void TfrmTankCustomPrice::openForm(QWidget* AOwner, std::vector<TTankCustomPrice*> AList) {
    AList = withoutNulls(std::move(AList));
    if (AList.empty()) {
        return;
    }
    TfrmTankCustomPrice window(AList, AOwner);
    window.exec();
}

TfrmTankCustomPrice* TfrmTankCustomPrice::showForm(QWidget* AOwner,
                                                   std::vector<TTankCustomPrice*> AList) {
    AList = withoutNulls(std::move(AList));
    if (AList.empty()) {
        return nullptr;
    }
    auto* window = new TfrmTankCustomPrice(AList, AOwner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
    return window;
}

TfrmTankCustomPrice::TfrmTankCustomPrice(const std::vector<TTankCustomPrice*>& AList,
                                         QWidget* parent)
    : QDialog(parent),
      scbContent(new QScrollArea(this)),
      bbnClose(new QPushButton(QStringLiteral("Schließen"), this)) {
    setObjectName(QStringLiteral("frmTankCustomPrice"));
    setWindowTitle(QStringLiteral("Produkt-Preise"));
    setFixedSize(clientWidth, clientHeight);

    scbContent->setObjectName(QStringLiteral("scbContent"));
    scbContent->setGeometry(0, 0, clientWidth, clientHeight - bottomMargin);
    scbContent->setWidgetResizable(true);
    scbContent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scbContent->setFrameShape(QFrame::NoFrame);

    auto* content = new QWidget;
    auto* stack = new QVBoxLayout(content);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(stackSpacing);
    for (std::size_t i = 0; i < AList.size(); ++i) {
        if (i > 0) {
            auto* bevel = new QFrame(content);
            bevel->setFrameStyle(QFrame::HLine | QFrame::Raised);
            bevel->setFixedHeight(1);
            stack->addWidget(bevel);
        }
        auto* panel = new TfrmTankCustomPriceElem(content);
        panel->setObjectName(QStringLiteral("frmTankCustomPriceElem%1").arg(i + 1));
        panel->setData(AList[i]);
        stack->addWidget(panel);
        FList.push_back(panel);
    }
    stack->addStretch(1);
    scbContent->setWidget(content);

    bbnClose->setObjectName(QStringLiteral("bbnClose"));
    bbnClose->adjustSize();
    bbnClose->resize(std::max(bbnClose->width(), 90), bbnClose->height());
    bbnClose->move(clientWidth - bbnClose->width() - 12,
                   clientHeight - bottomMargin + (bottomMargin - bbnClose->height()) / 2);
    connect(bbnClose, &QPushButton::clicked, this, &TfrmTankCustomPrice::accept);
}

void TfrmTankCustomPrice::done(int result) {
    saveEntries();
    QDialog::done(result);
}

void TfrmTankCustomPrice::saveEntries() {
    if (FSaved) {
        return;
    }
    FSaved = true;
    // Entries the user left alone are not written: the tool or another window may have
    // changed their files since they were read.
    std::vector<TTankCustomPrice*> changed;
    for (TfrmTankCustomPriceElem* panel : FList) {
        panel->takeTypedPrice();
        TTankCustomPrice* entry = panel->entry();
        if (entry->isChanged() && std::ranges::find(changed, entry) == changed.end()) {
            changed.push_back(entry);
        }
    }
    std::erase_if(changed, [](const TTankCustomPrice* entry) { return entry->filePath().empty(); });
    if (changed.empty()) {
        return;
    }
    const std::filesystem::path directory = changed.front()->filePath().parent_path();
    const PriceStoreLock lock(directory);
    std::string reasons;
    for (TTankCustomPrice* entry : changed) {
        const WriteResult written =
            lock.isHeld() ? entry->saveChanges() : WriteResult{lock.error()};
        if (!written) {
            reasons += "\n" + entry->ArticleNo() + ": " + written.error;
        }
    }
    if (!reasons.empty()) {
        host().showError("Die eigenen Preise dieser Artikel konnten nicht gespeichert werden:" +
                         reasons);
    }
}

// Wheel turns over the button strip below the scroll box scroll it too.
void TfrmTankCustomPrice::wheelEvent(QWheelEvent* event) {
    QCoreApplication::sendEvent(scbContent->verticalScrollBar(), event);
}

}  // namespace velmora
