#include "gui/soil_constants_window.h"
#include "gui/fixed_size.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "conditions/soil_constants.h"
#include "gui/fonts.h"
#include "gui/gui_session.h"
#include "gui/string_grid_table.h"

namespace kovrel::gui {
namespace {

const QString kBlank = QString::fromUtf8("　");

QString boxText(const std::string& question) {
  return QString::fromStdString(question).replace('\r', '\n');
}

}  // namespace

QString noteLines(const std::string& note) {
  const QString text = QString::fromStdString(note);
  const int mark = text.indexOf(QString::fromUtf8("）"));
  const QString indent = mark < 0 ? QString() : kBlank.repeated(mark + 1);
  QStringList lines;
  QString line;
  for (int i = 0; i < text.size();) {
    int run = 0;
    while (i + run < text.size() && text[i + run] == kBlank[0]) ++run;
    if (run >= 2) {
      lines << line;
      line = indent;
      i += run;
      continue;
    }
    line += text.mid(i, std::max(run, 1));
    i += std::max(run, 1);
  }
  lines << line;
  return lines.join('\n');
}

SoilConstantsWindow::SoilConstantsWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session) {
  setObjectName("Form4");
  setWindowTitle("土質定数");
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(6);
  auto* left = new QVBoxLayout;
  left->addWidget(tableGroup(0));
  left->addWidget(tableGroup(1));
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(tableGroup(2));
  right->addStretch(1);
  auto* close = new QPushButton("閉じる");
  close->setObjectName("閉じる");
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  right->addWidget(close, 0, Qt::AlignRight);
  columns->addLayout(left);
  columns->addLayout(right);
  fill();
  fixSizeToContents(this);
}

QWidget* SoilConstantsWindow::tableGroup(size_t index) {
  const ReferenceGrid& g = soilConstantGrids()[index];
  auto* box = new QGroupBox(QString::fromStdString(g.group));
  auto* v = new QVBoxLayout(box);
  v->setContentsMargins(6, 4, 6, 6);
  v->setSpacing(3);
  for (const std::string& caption : g.captions)
    v->addWidget(new QLabel(QString::fromStdString(caption)));
  QTableWidget* table = makeGridTable(QString::fromStdString(g.name), 1, 1);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setToolTip(QString::fromStdString(g.hint));
  v->addWidget(table, 0, Qt::AlignLeft);
  QFont fixed(QString::fromUtf8(kFixedFont));
  fixed.setPointSize(9);
  for (const std::string& note : g.notes) {
    auto* label = new QLabel(noteLines(note));
    label->setFont(fixed);
    v->addWidget(label);
  }
  if (index == 2) {
    connect(table, &QTableWidget::cellClicked, this,
            [this](int row, int) { foundationClicked(row); });
  } else {
    connect(table, &QTableWidget::cellClicked, this,
            [this, table](int row, int) { unitWeightClicked(table, row); });
  }
  return box;
}

QTableWidget* SoilConstantsWindow::grid(const QString& name) const {
  return findChild<QTableWidget*>(name);
}

void SoilConstantsWindow::fill() {
  for (const ReferenceGrid& g : soilConstantGrids()) {
    QTableWidget* table = grid(QString::fromStdString(g.name));
    fillGridTable(table, g.rows, {});
    fitColumnsToContents(table);
  }
}

void SoilConstantsWindow::showEvent(QShowEvent* event) {
  // The tables are filled each time the window opens, the first soil chosen.
  fill();
  grid("StringGrid1")->setCurrentCell(1, 0);
  QWidget::showEvent(event);
}

void SoilConstantsWindow::unitWeightClicked(QTableWidget* table, int row) {
  if (row < 1) return;  // the heading row
  QTableWidget* backfill = grid("StringGrid1");
  if (table == backfill) backfill->setCurrentCell(row, 0);
  const int chosen = std::max(backfill->currentRow(), 1);
  const std::string question = soilCopyQuestion(chosen);
  if (question.empty() || !session_.dialogs().askYesNo(boxText(question))) return;
  session_.change([chosen](Session& s) { copySoilConstants(s.conditions, chosen); });
}

void SoilConstantsWindow::foundationClicked(int row) {
  const std::string question = foundationCopyQuestion(row);
  if (question.empty() || !session_.dialogs().askYesNo(boxText(question))) return;
  session_.change([row](Session& s) { copyFoundationConstants(s.conditions, row); });
  hide();
}

}  // namespace kovrel::gui
