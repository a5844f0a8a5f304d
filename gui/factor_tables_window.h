#pragma once
// The earth-pressure and bearing-capacity factor window "土圧係数" (Form3).
// Its page "土圧係数" tabulates and plots Ka, Kah, Kav of sloped embankments
// for the wall type, soil and load case chosen on it, computed by the core
// with the calculation's own trial wedge; its three pages "支持力係数 Nc/Nq/Nγ"
// show the bearing-capacity factors reduced for the load inclination. The
// main window's commands show it with exactly the earth-pressure page or the
// three bearing-factor pages.
//
// The window's own controls live in a core model (EarthPressureWindow); the
// widgets show it and every click goes to it, then the widgets are refreshed.

#include <QWidget>
#include <array>

#include "reference/bearing_factor_tables.h"
#include "reference/earth_pressure_table.h"

class QButtonGroup;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace kovrel {
class ChartView;
}

namespace kovrel::gui {

class GuiSession;

enum class FactorPages { EarthPressure, BearingFactors };

class FactorTablesWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FactorTablesWindow(GuiSession& session, QWidget* parent = nullptr);

  // Shows only the asked pages, the first of them active, and brings the
  // window to the front. The earth-pressure table is computed afresh when
  // the window opens on it (the first wall-type tab active); the
  // bearing-factor pages are filled each time they are asked for.
  void showPages(FactorPages pages);
  QTabWidget* pages() const { return pages_; }

  const EarthPressureWindow& earthPressureWindow() const { return earth_; }
  const EarthPressureTable& earthPressureTable() const { return table_; }
  const BearingFactorPage& bearingFactorPage(int i) const { return bearing_[size_t(i)]; }

  // "表示": the table for the window's current settings; a message instead
  // on the tab "逆Ｔ型" or when a setting is no usable number.
  void compute();

 private:
  QWidget* earthPressurePage();
  QWidget* bearingFactorPageWidget(int index);
  QComboBox* combo(const char* name, std::initializer_list<const char*> items,
                   const char* hint = nullptr);
  void refresh();

  GuiSession& session_;
  QTabWidget* pages_;
  EarthPressureWindow earth_;
  EarthPressureTable table_;
  std::array<BearingFactorPage, 3> bearing_;
  bool tableShown_ = false;

  QTabWidget* wallTabs_ = nullptr;
  QButtonGroup* soil_ = nullptr;
  QButtonGroup* seismic_ = nullptr;
  QTableWidget* grid_ = nullptr;
  ChartView* chart_ = nullptr;
  std::array<QTableWidget*, 3> bearingGrids_{};
  std::array<ChartView*, 3> bearingCharts_{};
};

}  // namespace kovrel::gui
