#include "gui/fixed_size.h"

#include <QLayout>
#include <QWidget>

namespace kovrel::gui {

void fixSizeToContents(QWidget* window) {
  for (QLayout* l : window->findChildren<QLayout*>()) l->invalidate();
  if (QLayout* top = window->layout()) top->invalidate();
  window->setFixedSize(window->sizeHint());
}

}  // namespace kovrel::gui
