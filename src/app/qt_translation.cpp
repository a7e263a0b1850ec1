// Installs Qt's own zh_CN translation at start.
#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace curvanta {

QTranslator* InstallQtChineseTranslation(QCoreApplication* app) {
  if (app == nullptr) return nullptr;
  auto* translator = new QTranslator(app);
  if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace curvanta
