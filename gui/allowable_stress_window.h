#pragma once
// The allowable-stresses window "許容応力度" (Form9), opened by the
// design-conditions window's button "許容応力度": radio groups for the
// concrete strength, the structure, the bar grade and the load case, whose
// clicks make the core propose σca, σcat, τa1, τo and σsa; the five values,
// read-only, each keyed in through the numeric keypad; "設計条件に転記"
// copies them into the design conditions, "取　消" only closes. Its controls
// are design conditions ("Form9.*"), bound by a ControlBinder.

#include <QPoint>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace kovrel::gui {

class ControlBinder;
class GuiSession;

class AllowableStressWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AllowableStressWindow(GuiSession& session, QWidget* parent = nullptr);

  ControlBinder& binder() { return *binder_; }
  QPushButton* button(const QString& caption) const;

 signals:
  // The numeric keypad opened for one of the values: show it at this point.
  void keypadRequested(QPoint at);

 private:
  void valuePressed(const QString& name, QLineEdit* edit);
  void transfer();

  GuiSession& session_;
  ControlBinder* binder_;
};

}  // namespace kovrel::gui
