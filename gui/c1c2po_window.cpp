#include "gui/c1c2po_window.h"
#include "gui/fixed_size.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QTableWidget>

#include "conditions/allowable_stresses.h"
#include "gui/gui_session.h"
#include "gui/string_grid_table.h"

namespace kovrel::gui {

C1C2PoWindow::C1C2PoWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session), table_(makeGridTable("StringGrid1")) {
  setObjectName("Form6");
  setWindowTitle("単鉄筋長方形ばりC1,C2,Po表");
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(8, 8, 8, 8);
  v->addWidget(new QLabel("σsa=1600kgf/cm2"));
  v->addWidget(table_, 0, Qt::AlignLeft);
  fill();
  fixSizeToContents(this);
}

void C1C2PoWindow::fill() {
  std::vector<std::vector<std::string>> rows;
  for (const auto& row : balancedDesignTable()) rows.emplace_back(row.begin(), row.end());
  fillGridTable(table_, rows, {80, 60, 60, 60});
}

void C1C2PoWindow::showEvent(QShowEvent* event) {
  fill();
  QWidget::showEvent(event);
}

}  // namespace kovrel::gui
