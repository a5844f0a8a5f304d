#include "gui/soil_constants_window.h"

#include "gui/gui_session.h"

namespace kovrel::gui {

SoilConstantsWindow::SoilConstantsWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session) {
  setObjectName("Form4");
  setWindowTitle("土質定数");
  setFixedSize(720, 560);
}

}  // namespace kovrel::gui
