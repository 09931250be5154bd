#pragma once

#include <QLineEdit>

namespace velmora {

// The numeric edit of the window: takes digits, a leading minus and one decimal separator
// ("," or "."), drops every other character (typed or pasted), shows numbers with a fixed
// count of decimals in the user's number format, and moves on to the next control on Enter.
class TAlignEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TAlignEdit(QWidget* parent = nullptr);

    // Text := value with decimals() fixed decimals and the user's decimal separator.
    void SetFloat(double value);
    // Default 2.
    int decimals() const;
    void setDecimals(int decimals);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int decimals_ = 2;
};

}  // namespace velmora
