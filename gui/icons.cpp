#include "gui/icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Q_INIT_RESOURCE declares a function and must stand outside any namespace.
static void registerIconResources() {
  Q_INIT_RESOURCE(icons);
}

namespace kovrel::gui {

QIcon programIcon(const char* name) {
  // A static library's resources are registered by hand, once.
  static const bool registered = [] {
    registerIconResources();
    return true;
  }();
  (void)registered;
  QSvgRenderer renderer(QString(":/icons/%1.svg").arg(name));
  if (!renderer.isValid()) return QIcon();
  QIcon icon;
  for (int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace kovrel::gui
