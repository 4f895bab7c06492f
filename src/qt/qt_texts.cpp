#include "qt/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvel {

bool useChineseQtTexts() {
  auto* texts = new QTranslator(QCoreApplication::instance());
  if (!texts->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete texts;
    return false;
  }
  QCoreApplication::installTranslator(texts);
  return true;
}

}  // namespace quorvel
