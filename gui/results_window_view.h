#pragma once
// The results window "計算結果" (Form2): every page, inner page, group box,
// list box, grid and chart of the results model, grouped as the window was
// designed, bound by name through a ResultsBinder. It holds nothing of its
// own: after a run (resultsChanged) one refresh copies the whole model into
// the widgets; a chart repaints from the model whenever it is shown or
// resized. It shows and hides with the model (session().results.visible).

#include <QWidget>
#include <string>

namespace kovrel::gui {

class GuiSession;
class ResultsBinder;

class ResultsWindowView : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsWindowView(GuiSession& session, QWidget* parent = nullptr);

  ResultsBinder& binder() { return *binder_; }
  // The widget of a target, page or page control by its name, or null.
  QWidget* target(const std::string& name) const;

  // Every widget from the model; runs on each resultsChanged.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* designConditionsPage();
  QWidget* selfWeightPages();
  QWidget* loadsPage();
  QWidget* stabilityPage();
  QWidget* loadDiagramPage();
  QWidget* stemPages();
  QWidget* baseSlabPages();
  QWidget* toePage();
  QWidget* heelPage();
  QWidget* keyPage();
  void syncVisibility();

  GuiSession& session_;
  ResultsBinder* binder_;
};

}  // namespace kovrel::gui
