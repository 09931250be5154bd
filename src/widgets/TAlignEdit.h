#pragma once

#include <QLineEdit>

namespace velmora {

// The numeric edit of the window: takes digits, a leading minus and one decimal separator
// ("," or "."), drops every other character (typed or pasted), shows numbers with a fixed
// count of decimals in the user's number format, and moves on to the next control on Enter.
// In a non-empty edit the keys "*", "+", "-" and "/" open the pocket calculator with the
// edit's value and that operator; a minus typed where a number starts (empty edit, or
// cursor at the start of an unsigned number) stays a sign.
class TAlignEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TAlignEdit(QWidget* parent = nullptr);

    // Text := value with decimals() fixed decimals and the user's decimal separator.
    void SetFloat(double value);
    // Default 2.
    int decimals() const;
    void setDecimals(int decimals);

signals:
    // The pocket calculator's result was taken into the edit: a value entered, as if typed
    // and left.
    void calculated();

protected:
    // Undo and redo keys with nothing to undo or redo in the edit go on to the window's
    // commands, so that they step through the plan after a value was entered.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool opensCalculator(const QKeyEvent& event) const;
    void openCalculator(const QString& operatorKey);

    int decimals_ = 2;
};

}  // namespace velmora
