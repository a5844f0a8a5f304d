#pragma once
// The design-conditions window "設計条件" (Form5): every control of the
// design conditions in its section, page or tab, bound by name to the model;
// the wall pictures; the seismic page; and the buttons "δ説明",
// "地盤定数一覧表", "許容応力度" and "計算開始". It holds no design logic:
// a click goes to GuiSession (the core's rules), and refresh() redraws every
// widget from the model.

#include <QPoint>
#include <QWidget>
#include <map>
#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kovrel::gui {

class ControlBinder;
class GuiSession;
class SeismicPage;
class WallPictureView;

class DesignConditionsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DesignConditionsWindow(GuiSession& session, QWidget* parent = nullptr);

  ControlBinder& binder() { return *binder_; }
  // Load pages "(1)自重", "(2)背面土形状、載荷重、土圧", "(3)その他の荷重",
  // "(4)設計震度".
  QTabWidget* loadPages() const { return loadPages_; }
  // Reinforcement tabs "たて壁", "つま先", "踵", "突起".
  QTabWidget* rebarTabs() const { return rebarTabs_; }
  SeismicPage* seismicPage() const { return seismicPage_; }
  WallPictureView* picture(const std::string& name) const;
  QPushButton* button(const QString& caption) const;
  QGroupBox* group(const QString& objectName) const;

  // Every widget from the model; runs on each conditionsChanged.
  void refresh();

 signals:
  // "地盤定数一覧表" and "許容応力度": the windows to show at these screen points.
  void soilConstantsRequested(QPoint at);
  void allowableStressesRequested(QPoint at);
  // The numeric keypad opened for an edit: show it at this screen point.
  void keypadRequested(QPoint at);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* backfillColumn();
  QWidget* loadSection();
  QWidget* stressColumn();
  QWidget* selfWeightPage();
  QWidget* backfillPage();
  QWidget* otherLoadsPage();
  QWidget* shapePicture(const char* picture, bool lType);
  QPushButton* makeButton(const QString& caption);
  WallPictureView* makePicture(const char* name, double scale);
  QPoint loadPanelPoint(int dx, int dy) const;
  void editPressed(const QString& name, QLineEdit* edit);

  GuiSession& session_;
  ControlBinder* binder_;
  QGroupBox* loadPanel_ = nullptr;
  QTabWidget* loadPages_ = nullptr;
  QTabWidget* rebarTabs_ = nullptr;
  SeismicPage* seismicPage_ = nullptr;
  QGroupBox* radioGroup4_ = nullptr;
  std::map<std::string, WallPictureView*> pictures_;
};

}  // namespace kovrel::gui
