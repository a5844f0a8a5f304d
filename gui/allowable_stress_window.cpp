#include "gui/allowable_stress_window.h"

#include "gui/gui_session.h"

namespace kovrel::gui {

AllowableStressWindow::AllowableStressWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session) {
  setObjectName("Form9");
  setWindowTitle("許容応力度");
  setFixedSize(420, 330);
}

}  // namespace kovrel::gui
