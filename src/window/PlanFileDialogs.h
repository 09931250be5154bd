#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace velmora {

// The file dialogs of the plan commands. The window uses Qt's; tests put in answers, so that
// no real modal dialog ever opens. An empty text means the user cancelled.
struct PlanFileDialogs {
    // parent, suggested file or directory; returns the chosen file.
    using Ask = std::function<QString(QWidget* parent, const QString& suggestion)>;
    Ask openFile;
    Ask saveFile;
    Ask exportMaterial;
    Ask exportPdf;
};

// Qt's file dialogs with German captions and the plan (*.velmora), CSV or PDF filter.
PlanFileDialogs qtPlanFileDialogs();

}  // namespace velmora
