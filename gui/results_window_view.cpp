#include "gui/results_window_view.h"

#include <QCloseEvent>

#include "gui/gui_session.h"

namespace kovrel::gui {

ResultsWindowView::ResultsWindowView(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session) {
  setObjectName("Form2");
  setWindowTitle("計算結果");
  setFixedSize(960, 680);
  connect(&session_, &GuiSession::visibilityChanged, this, &ResultsWindowView::syncVisibility);
}

void ResultsWindowView::syncVisibility() {
  if (session_.results().visible) {
    show();
    raise();
  } else if (isVisible()) {
    hide();
  }
}

void ResultsWindowView::closeEvent(QCloseEvent* event) {
  session_.setResultsWindowVisible(false);
  event->accept();
}

}  // namespace kovrel::gui
