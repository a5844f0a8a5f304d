#pragma once
// The earth-pressure and bearing-capacity factor window "土圧係数" (Form3).
// For now its frame and its four pages, empty; the main window's commands
// show it with exactly the earth-pressure page or the three bearing-factor
// pages.

#include <QWidget>

class QTabWidget;

namespace kovrel::gui {

class GuiSession;

enum class FactorPages { EarthPressure, BearingFactors };

class FactorTablesWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FactorTablesWindow(GuiSession& session, QWidget* parent = nullptr);

  // Shows only the asked pages, the first of them active, and brings the
  // window to the front.
  void showPages(FactorPages pages);
  QTabWidget* pages() const { return pages_; }

 private:
  GuiSession& session_;
  QTabWidget* pages_;
};

}  // namespace kovrel::gui
