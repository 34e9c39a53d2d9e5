// The program's pictures, drawn from the vector files of the resources at the screen's density.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Pictures {

// ":/pictures/<name>.svg" rendered at size, for the given device pixel ratio.
QPixmap pixmap(const QString &name, QSize size, qreal devicePixelRatio = 1.0);

// Normal and greyed states; the greyed one comes from "<name>-disabled.svg" when there is one.
QIcon icon(const QString &name, QSize size);

} // namespace Pictures
