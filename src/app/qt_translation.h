// Qt's own texts (colour and file choosers, standard buttons) in Chinese, like the rest of
// the program.
#pragma once

class QCoreApplication;
class QTranslator;

namespace curvanta {

// Loads Qt's zh_CN translation from Qt's translations folder into the application.
// Returns the installed translator (owned by the application), or nullptr when the
// translation is not there; the program then runs with Qt's English texts.
QTranslator* InstallQtChineseTranslation(QCoreApplication* app);

}  // namespace curvanta
