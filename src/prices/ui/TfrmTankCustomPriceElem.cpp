#include "prices/ui/TfrmTankCustomPriceElem.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "base/LenientNumber.h"
#include "base/NumberFormat.h"
#include "prices/TTankCustomPrice.h"
#include "widgets/TAlignEdit.h"

namespace velmora {

namespace {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

constexpr int priceColumnWidth = 110;

}  // namespace

TfrmTankCustomPriceElem::TfrmTankCustomPriceElem(QWidget* parent)
    : QWidget(parent),
      lblArtNrVal(namedLabel("lblArtNrVal", QString(), this)),
      lblOriginalPrice(namedLabel("lblOriginalPrice", QString(), this)),
      chkCustomPrice(new QCheckBox(QStringLiteral("Eigenen Preis verwenden"), this)),
      edtCustomPrice(new TAlignEdit(this)) {
    setFixedHeight(panelHeight);
    QFont bold = lblArtNrVal->font();
    bold.setBold(true);
    lblArtNrVal->setFont(bold);
    lblArtNrVal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblOriginalPrice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOriginalPrice->setFixedWidth(priceColumnWidth);
    chkCustomPrice->setObjectName(QStringLiteral("chkCustomPrice"));
    edtCustomPrice->setObjectName(QStringLiteral("edtCustomPrice"));
    edtCustomPrice->setFixedWidth(priceColumnWidth);
    edtCustomPrice->setDecimals(2);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 4, 12, 4);
    layout->setHorizontalSpacing(6);
    layout->addWidget(namedLabel("Label1", QStringLiteral("Art-Nr: "), this), 0, 0);
    layout->addWidget(lblArtNrVal, 0, 1);
    layout->addWidget(namedLabel("Label2", QStringLiteral("Original-Preis"), this), 0, 2);
    layout->addWidget(lblOriginalPrice, 0, 3);
    layout->addWidget(namedLabel("Label6", QStringLiteral("€"), this), 0, 4);
    layout->addWidget(chkCustomPrice, 1, 0, 1, 2);
    auto* priceLabel = namedLabel("Label3", QStringLiteral("Preis"), this);
    priceLabel->setBuddy(edtCustomPrice);
    layout->addWidget(priceLabel, 1, 2);
    layout->addWidget(edtCustomPrice, 1, 3);
    layout->addWidget(namedLabel("Label4", QStringLiteral("€"), this), 1, 4);
    layout->setColumnStretch(1, 1);

    connect(chkCustomPrice, &QCheckBox::clicked, this,
            &TfrmTankCustomPriceElem::customPriceClicked);
    connect(edtCustomPrice, &QLineEdit::editingFinished, this,
            &TfrmTankCustomPriceElem::priceFieldLeft);
}

void TfrmTankCustomPriceElem::setData(TTankCustomPrice* AElem) {
    FElem = AElem;
    fill();
}

void TfrmTankCustomPriceElem::fill() {
    if (FElem == nullptr) {
        return;
    }
    FDoNothing = true;
    lblArtNrVal->setText(QString::fromStdString(FElem->ArticleNo()));
    lblOriginalPrice->setText(QString::fromStdString(formatGrouped(FElem->OriginalPrice(), 2)));
    chkCustomPrice->setChecked(FElem->UseCustomPrice());
    edtCustomPrice->setEnabled(FElem->UseCustomPrice());
    edtCustomPrice->SetFloat(FElem->UseCustomPrice() ? FElem->CustomPrice()
                                                     : FElem->OriginalPrice());
    FDoNothing = false;
}

void TfrmTankCustomPriceElem::customPriceClicked(bool checked) {
    if (FDoNothing || FElem == nullptr) {
        return;
    }
    FElem->setUseCustomPrice(checked);
    fill();
}

void TfrmTankCustomPriceElem::priceFieldLeft() {
    if (FDoNothing || FElem == nullptr || !edtCustomPrice->isEnabled()) {
        return;
    }
    FElem->setCustomPrice(parseLenient(edtCustomPrice->text().toStdString()));
    fill();
}

void TfrmTankCustomPriceElem::takeTypedPrice() {
    if (edtCustomPrice->isModified()) {
        priceFieldLeft();
    }
}

}  // namespace velmora
