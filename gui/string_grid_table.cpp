#include "gui/string_grid_table.h"

#include <QFont>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

#include "gui/fonts.h"

namespace kovrel::gui {
namespace {

// Draws a cell as a string grid does: the text 2 px from the left edge, no
// ellipsis. A text wider than its column (a narrow column of the window's
// design in a wider font than it was designed for) is squeezed to fit, so
// every digit stays readable instead of being cut off.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect, selected                          ? option.palette.highlight()
                                   : background.canConvert<QBrush>() ? background.value<QBrush>()
                                                                     : option.palette.base());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    const QRectF room = QRectF(option.rect).adjusted(2, 0, -1, 0);
    const QFontMetricsF metrics(option.font);
    const double width = metrics.horizontalAdvance(text);
    const double squeeze = width > room.width() && width > 0 ? room.width() / width : 1;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    // Fixed cells are disabled items; their text stays as dark as the rest.
    painter->setPen(selected ? option.palette.color(QPalette::Active, QPalette::HighlightedText)
                             : option.palette.color(QPalette::Active, QPalette::Text));
    painter->translate(room.left(), room.center().y());
    painter->scale(squeeze, 1);
    const double baseline = (metrics.ascent() - metrics.descent()) / 2;
    painter->drawText(QPointF(0, baseline), text);
    painter->restore();
  }
};

// Fixed rows and columns as set at creation, kept on the table.
const char* const kFixedRows = "fixedRows";
const char* const kFixedCols = "fixedCols";

void resizeTable(QTableWidget* table, int cols, int rows) {
  if (table->columnCount() == cols && table->rowCount() == rows) return;
  const int fixedRows = table->property(kFixedRows).toInt();
  const int fixedCols = table->property(kFixedCols).toInt();
  const int oldRows = table->rowCount(), oldCols = table->columnCount();
  table->setColumnCount(cols);
  table->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      if (r < oldRows && c < oldCols) continue;
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      // Fixed cells are neither selected nor clicked, as in a string grid.
      if (r < fixedRows || c < fixedCols) {
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(kFixedCellColour);
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      table->setItem(r, c, item);
    }
  }
}

void setText(QTableWidget* table, int col, int row, const std::string& text) {
  QTableWidgetItem* item = table->item(row, col);
  const QString wanted = QString::fromStdString(text);
  if (item->text() != wanted) item->setText(wanted);
}

void setWidths(QTableWidget* table, const std::vector<int>& widths, bool fitContents) {
  int total = 2 * table->frameWidth();
  for (int c = 0; c < table->columnCount(); ++c) {
    const int w =
        c < int(widths.size()) && widths[size_t(c)] > 0 ? widths[size_t(c)] : kDefaultColumnWidth;
    if (table->columnWidth(c) != w) table->setColumnWidth(c, w);
    total += w;
  }
  if (!fitContents) return;
  // As high as its rows, or less with a scroll bar where the page has no
  // room for a long table; as wide as its columns and that scroll bar.
  const int height = table->rowCount() * kGridRowHeight + 2 * table->frameWidth();
  const bool tall = table->rowCount() > kRowsWithoutScrolling;
  if (tall) total += table->verticalScrollBar()->sizeHint().width();
  if (table->minimumWidth() != total || table->maximumWidth() != total) table->setFixedWidth(total);
  const int lowest =
      tall ? kRowsWithoutScrolling * kGridRowHeight + 2 * table->frameWidth() : height;
  if (table->minimumHeight() != lowest) table->setMinimumHeight(lowest);
  if (table->maximumHeight() != height) table->setMaximumHeight(height);
}

}  // namespace

QTableWidget* makeGridTable(const QString& objectName, int fixedRows, int fixedCols) {
  auto* table = new QTableWidget;
  table->setObjectName(objectName);
  table->setProperty(kFixedRows, fixedRows);
  table->setProperty(kFixedCols, fixedCols);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  table->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  table->horizontalHeader()->setMinimumSectionSize(4);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setWordWrap(false);
  table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->setItemDelegate(new GridCellDelegate(table));
  return table;
}

void fillGridTable(QTableWidget* table, const StringGrid& grid, bool fitContents) {
  QSignalBlocker block(table);
  resizeTable(table, grid.colCount(), grid.rowCount());
  for (int r = 0; r < grid.rowCount(); ++r) {
    for (int c = 0; c < grid.colCount(); ++c) setText(table, c, r, grid.cell(c, r));
  }
  setWidths(table, grid.colWidths, fitContents);
}

void fillGridTable(QTableWidget* table, const std::vector<std::vector<std::string>>& rows,
                   const std::vector<int>& widths, bool fitContents) {
  QSignalBlocker block(table);
  int cols = 0;
  for (const auto& row : rows) cols = std::max(cols, int(row.size()));
  resizeTable(table, cols, int(rows.size()));
  for (int r = 0; r < int(rows.size()); ++r) {
    const auto& row = rows[size_t(r)];
    for (int c = 0; c < cols; ++c) setText(table, c, r, c < int(row.size()) ? row[size_t(c)] : "");
  }
  setWidths(table, widths, fitContents);
}

QListWidget* makeReportList(const QString& objectName) {
  auto* list = new QListWidget;
  list->setObjectName(objectName);
  QFont font(QString::fromUtf8(kFixedFont));
  font.setPointSize(9);
  font.setStyleHint(QFont::TypeWriter);
  list->setFont(font);
  // Long lines scroll sideways; none is cut short.
  list->setTextElideMode(Qt::ElideNone);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  return list;
}

void fillReportList(QListWidget* list, const std::vector<std::string>& lines) {
  bool same = list->count() == int(lines.size());
  for (int i = 0; same && i < list->count(); ++i) {
    same = list->item(i)->text() == QString::fromStdString(lines[size_t(i)]);
  }
  if (same) return;
  QStringList texts;
  texts.reserve(qsizetype(lines.size()));
  for (const std::string& line : lines) texts << QString::fromStdString(line);
  QSignalBlocker block(list);
  list->clear();
  list->addItems(texts);
}

void fitColumnsToContents(QTableWidget* table) {
  std::vector<int> widths;
  const QFontMetrics metrics(table->font());
  for (int c = 0; c < table->columnCount(); ++c) {
    int widest = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
      if (const QTableWidgetItem* item = table->item(r, c)) {
        widest = std::max(widest, metrics.horizontalAdvance(item->text()));
      }
    }
    // The text's 2 px indent and a little air on the right.
    widths.push_back(widest + 8);
  }
  setWidths(table, widths, true);
}

}  // namespace kovrel::gui
