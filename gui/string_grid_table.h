#pragma once
// Read-only tables and lists of the results and reference windows: a string
// grid becomes a QTableWidget without Qt's own headers (its first rows and
// columns drawn as fixed cells), a list box a QListWidget in the fixed-pitch
// Japanese font, so the report's padded columns line up. The fill functions
// touch only what differs from the model, so a refresh after a run that
// changed nothing costs next to nothing.

#include <QColor>
#include <QString>
#include <string>
#include <vector>

#include "results/results_window.h"

class QListWidget;
class QTableWidget;

namespace kovrel::gui {

// The background of a fixed cell.
inline const QColor kFixedCellColour(224, 224, 224);
// Row height of every displayed grid, pixels.
inline constexpr int kGridRowHeight = 18;
// The width of a column the model gives no width, pixels.
inline constexpr int kDefaultColumnWidth = 64;
// A grid of more rows may be shown shorter, with a vertical scroll bar.
inline constexpr int kRowsWithoutScrolling = 16;

QTableWidget* makeGridTable(const QString& objectName, int fixedRows = 1, int fixedCols = 1);
// Size, column widths and cells of the grid. With `fitContents` the table
// is as wide as its columns and as high as its rows; one of more than
// kRowsWithoutScrolling rows may be shortened by the page, and scrolls.
void fillGridTable(QTableWidget* table, const StringGrid& grid, bool fitContents = true);
// Rows of texts, row 0 first; the column widths as given (the rest default).
void fillGridTable(QTableWidget* table, const std::vector<std::vector<std::string>>& rows,
                   const std::vector<int>& widths, bool fitContents = true);

// Every column as wide as its widest text, the table as wide as its columns
// (the reference tables, whose design gives no widths).
void fitColumnsToContents(QTableWidget* table);

QListWidget* makeReportList(const QString& objectName);
void fillReportList(QListWidget* list, const std::vector<std::string>& lines);

}  // namespace kovrel::gui
