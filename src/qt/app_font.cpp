#include "qt/app_font.h"

#include <QApplication>
#include <QFont>

#include "render/font_family.h"

namespace quorvel {

QString useChineseApplicationFont() {
  const QString family = chineseFontFamily();
  QFont font = QApplication::font();
  if (!family.isEmpty()) font.setFamily(family);
  font.setPointSizeF(9);
  QApplication::setFont(font);
  return family;
}

}  // namespace quorvel
