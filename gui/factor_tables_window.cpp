#include "gui/factor_tables_window.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/gui_session.h"

namespace kovrel::gui {

FactorTablesWindow::FactorTablesWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session), pages_(new QTabWidget) {
  setObjectName("Form3");
  setWindowTitle("土圧係数");
  auto* v = new QVBoxLayout(this);
  for (const char* caption : {"土圧係数", "支持力係数　Nc", "支持力係数　Nq", "支持力係数　Nγ"}) {
    pages_->addTab(new QWidget, QString::fromUtf8(caption));
  }
  v->addWidget(pages_);
  setFixedSize(820, 600);
}

void FactorTablesWindow::showPages(FactorPages which) {
  const bool earth = which == FactorPages::EarthPressure;
  pages_->setTabVisible(0, earth);
  for (int i = 1; i < 4; ++i) pages_->setTabVisible(i, !earth);
  pages_->setCurrentIndex(earth ? 0 : 1);
  show();
  raise();
}

}  // namespace kovrel::gui
