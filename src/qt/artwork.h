#pragma once
// The program's pictures, drawn as SVG files in art/ and built into the program as
// Qt resources (":/art/NAME.svg").
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace quorvel {

// The picture NAME at the given size in device-independent pixels (sharp on screens
// of any pixel ratio); a null pixmap when there is no such picture.
QPixmap artPixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0);
// An icon of NAME with 16-, 24- and 32-pixel renderings.
QIcon artIcon(const QString& name);
// The toolbar's image list in order: image 1 is the first picture, 0 none.
QIcon toolbarImage(int image);
inline constexpr int kToolbarImageCount = 14;

}  // namespace quorvel
