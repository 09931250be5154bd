#include "window/PlanFileDialogs.h"

#include <QFileDialog>

namespace velmora {

namespace {

const QString kPlanFilter = QStringLiteral("Velmora-Pläne (*.velmora)");

}  // namespace

PlanFileDialogs qtPlanFileDialogs() {
    PlanFileDialogs dialogs;
    dialogs.openFile = [](QWidget* parent, const QString& suggestion) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Plan öffnen"), suggestion,
                                            kPlanFilter);
    };
    dialogs.saveFile = [](QWidget* parent, const QString& suggestion) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Plan speichern"), suggestion,
                                            kPlanFilter);
    };
    dialogs.exportMaterial = [](QWidget* parent, const QString& suggestion) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Materialliste exportieren"),
                                            suggestion, QStringLiteral("CSV-Dateien (*.csv)"));
    };
    dialogs.exportPdf = [](QWidget* parent, const QString& suggestion) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF erstellen"), suggestion,
                                            QStringLiteral("PDF-Dateien (*.pdf)"));
    };
    return dialogs;
}

}  // namespace velmora
