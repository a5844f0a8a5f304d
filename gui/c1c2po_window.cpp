#include "gui/c1c2po_window.h"

#include "gui/gui_session.h"

namespace kovrel::gui {

C1C2PoWindow::C1C2PoWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session) {
  setObjectName("Form6");
  setWindowTitle("単鉄筋長方形ばりC1,C2,Po表");
  setFixedSize(300, 220);
}

}  // namespace kovrel::gui
