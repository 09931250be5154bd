#include "widgets/CalculatorDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Host.h"
#include "base/NumberFormat.h"
#include "calculator/CalculatorExpression.h"

namespace velmora {

CalculatorDialog::CalculatorDialog(const QString& expression, int decimals, QWidget* parent)
    : QDialog(parent),
      edtAusdruck_(new QLineEdit(expression, this)),
      lblErgebnis_(new QLabel(this)),
      decimals_(decimals) {
    setWindowTitle(QStringLiteral("Taschenrechner"));
    setObjectName(QStringLiteral("frmTaschenrechner"));

    auto* prompt =
        new QLabel(QStringLiteral("&Rechnung (+, \u2212, \u00D7, \u00F7 und Klammern):"), this);
    prompt->setBuddy(edtAusdruck_);
    edtAusdruck_->setObjectName(QStringLiteral("edtAusdruck"));
    edtAusdruck_->setMinimumWidth(280);
    QFont bigger = edtAusdruck_->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.25);
    edtAusdruck_->setFont(bigger);

    lblErgebnis_->setObjectName(QStringLiteral("lblErgebnis"));
    lblErgebnis_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bigger.setBold(true);
    lblErgebnis_->setFont(bigger);
    lblErgebnis_->setMinimumHeight(lblErgebnis_->fontMetrics().height() + 4);

    auto* buttons = new QDialogButtonBox(this);
    auto* take = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("bbnUebernehmen"));
    take->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("bbnAbbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CalculatorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CalculatorDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(edtAusdruck_);
    layout->addWidget(lblErgebnis_);
    layout->addSpacing(4);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(edtAusdruck_, &QLineEdit::textChanged, this, &CalculatorDialog::showPreview);
    showPreview();
    edtAusdruck_->setFocus();
}

void CalculatorDialog::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // Showing focuses the line as if tabbed to, which selects it all; the user goes on
    // typing after the operator instead.
    if (visible) {
        edtAusdruck_->end(false);
    }
}

void CalculatorDialog::showPreview() {
    const CalculatorResult evaluated =
        evaluateCalculatorExpression(edtAusdruck_->text().toStdString());
    lblErgebnis_->setText(evaluated.ok ? QStringLiteral("= ") + QString::fromStdString(formatFixed(
                                                                    evaluated.value, decimals_))
                                       : QString());
}

void CalculatorDialog::accept() {
    const CalculatorResult evaluated =
        evaluateCalculatorExpression(edtAusdruck_->text().toStdString());
    if (!evaluated.ok) {
        host().showError(evaluated.message);
        edtAusdruck_->setFocus();
        return;
    }
    result_ = evaluated.value;
    QDialog::accept();
}

}  // namespace velmora
