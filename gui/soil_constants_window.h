#pragma once
// The soil-constant window "土質定数" (Form4): the guideline's tables of
// backfill and natural-ground unit weights and strengths and of the
// foundation ground, filled from the core each time the window is shown. A
// click on a row asks (through GuiDialogs) whether to copy it into the design
// conditions; Yes copies it through the core's rule.
//
// Both unit-weight tables copy the row selected in the backfill table, as
// the window always did: a click in the natural-ground table proposes the
// backfill soil selected above it (the first one when none was chosen).

#include <QWidget>

class QLabel;
class QTableWidget;

namespace kovrel::gui {

class GuiSession;

class SoilConstantsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SoilConstantsWindow(GuiSession& session, QWidget* parent = nullptr);

  // StringGrid1 (backfill), StringGrid3 (natural ground), StringGrid2
  // (foundation ground).
  QTableWidget* grid(const QString& name) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* tableGroup(size_t index);
  void fill();
  void unitWeightClicked(QTableWidget* grid, int row);
  void foundationClicked(int row);

  GuiSession& session_;
};

// A note as the window's narrow label broke it: a run of two or more
// full-width blanks is where its line ended, and the next line starts under
// the text after the note's mark ("注１）", "注）").
QString noteLines(const std::string& note);

}  // namespace kovrel::gui
