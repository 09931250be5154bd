#pragma once

class QCoreApplication;

namespace velmora {

// Qt's own texts (the print and file dialogs, standard buttons, context menus) in German, as
// the rest of the program; from the system's Qt translations. False when they are missing,
// and Qt's texts stay English.
bool installGermanQtTranslation(QCoreApplication& application);

}  // namespace velmora
