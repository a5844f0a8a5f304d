#pragma once
// The allowable-stresses window "許容応力度" (Form9), opened by the design-conditions window's
// button "許容応力度". For now the window's frame at its size, shown and hidden on command; its
// contents come later.

#include <QWidget>

namespace kovrel::gui {

class GuiSession;

class AllowableStressWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AllowableStressWindow(GuiSession& session, QWidget* parent = nullptr);

 private:
  GuiSession& session_;
};

}  // namespace kovrel::gui
