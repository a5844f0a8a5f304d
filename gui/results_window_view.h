#pragma once
// The results window "計算結果" (Form2). For now an empty frame of its final
// size that shows and hides with the model (session().results.visible); the
// pages, lists, grids and charts of the results window fill it later.

#include <QWidget>

namespace kovrel::gui {

class GuiSession;

class ResultsWindowView : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsWindowView(GuiSession& session, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void syncVisibility();

  GuiSession& session_;
};

}  // namespace kovrel::gui
