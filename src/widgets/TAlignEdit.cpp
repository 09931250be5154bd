#include "widgets/TAlignEdit.h"

#include <QKeyEvent>
#include <QValidator>

#include "base/LenientNumber.h"
#include "base/NumberFormat.h"
#include "calculator/CalculatorExpression.h"
#include "widgets/CalculatorDialog.h"

namespace velmora {

namespace {

bool isDecimalSeparator(QChar c) {
    return c == QLatin1Char(',') || c == QLatin1Char('.');
}

// Filters instead of rejecting, so that a pasted "12 m" still gives "12": keeps digits, a
// minus at the very start and the first decimal separator; the cursor keeps its place
// among the kept characters.
class NumericFilter : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        bool hasSeparator = false;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            bool keep = false;
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
                keep = true;
            } else if (c == QLatin1Char('-')) {
                keep = kept.isEmpty();
            } else if (isDecimalSeparator(c)) {
                keep = !hasSeparator;
                hasSeparator = true;
            }
            if (keep) {
                kept.append(c);
                if (i < position) {
                    ++keptBeforeCursor;
                }
            }
        }
        input = kept;
        position = keptBeforeCursor;
        return Acceptable;
    }
};

}  // namespace

TAlignEdit::TAlignEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new NumericFilter(this));
}

void TAlignEdit::SetFloat(double value) {
    setText(QString::fromStdString(formatFixed(value, decimals_)));
}

int TAlignEdit::decimals() const {
    return decimals_;
}

void TAlignEdit::setDecimals(int decimals) {
    decimals_ = decimals < 0 ? 0 : decimals;
}

bool TAlignEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
            (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
            event->ignore();
            return false;
        }
    }
    return QLineEdit::event(event);
}

void TAlignEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        event->accept();
        return;
    }
    if (opensCalculator(*event)) {
        openCalculator(event->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool TAlignEdit::opensCalculator(const QKeyEvent& event) const {
    const QString key = event.text();
    if (key.size() != 1 || !QStringLiteral("*+-/").contains(key) || text().isEmpty() ||
        isReadOnly() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    const bool startsANumber = key == QLatin1String("-") && cursorPosition() == 0 &&
                               !hasSelectedText() && !text().startsWith(QLatin1Char('-'));
    return !startsANumber;
}

void TAlignEdit::openCalculator(const QString& operatorKey) {
    // A lone sign or separator is no number to calculate with: start from its value, 0.
    const std::string current = text().toStdString();
    const QString start =
        evaluateCalculatorExpression(current).ok
            ? text()
            : QString::fromStdString(formatFixed(parseLenient(current), decimals_));
    auto* calculator = new CalculatorDialog(start + operatorKey, decimals_, this);
    calculator->setAttribute(Qt::WA_DeleteOnClose);
    connect(calculator, &QDialog::accepted, this, [this, calculator] {
        SetFloat(calculator->result());
        setModified(true);
        emit calculated();
    });
    calculator->open();
}

}  // namespace velmora
