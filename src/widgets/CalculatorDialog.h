#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace velmora {

// The pocket calculator: one line for the calculation, its result shown as it is typed.
// Accepting (Enter, "Übernehmen") takes the result, or explains through the host what is
// wrong with the calculation and stays open; Escape cancels.
class CalculatorDialog : public QDialog {
    Q_OBJECT
public:
    // The result is previewed with `decimals` fixed decimals.
    CalculatorDialog(const QString& expression, int decimals, QWidget* parent = nullptr);

    // The value of the accepted calculation; 0 before.
    double result() const { return result_; }

    void accept() override;
    void setVisible(bool visible) override;

private:
    void showPreview();

    QLineEdit* edtAusdruck_;
    QLabel* lblErgebnis_;
    int decimals_;
    double result_ = 0.0;
};

}  // namespace velmora
