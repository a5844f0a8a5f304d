#pragma once
// The table of balanced-design coefficients "単鉄筋長方形ばりC1,C2,Po表"
// (Form6): C1, C2 and Po of a singly reinforced rectangular beam for
// σsa = 1600 kgf/cm2 and σca = 70 to 100 kgf/cm2, computed by the core and
// filled each time the window is shown. The calculation never uses it.

#include <QWidget>

class QTableWidget;

namespace kovrel::gui {

class GuiSession;

class C1C2PoWindow : public QWidget {
  Q_OBJECT

 public:
  explicit C1C2PoWindow(GuiSession& session, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fill();

  GuiSession& session_;
  QTableWidget* table_;
};

}  // namespace kovrel::gui
