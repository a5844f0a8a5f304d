#pragma once
// The table of balanced-design coefficients C1, C2, Po (Form6).
// For now the window's frame at its size, shown and hidden on command; its
// contents come later.

#include <QWidget>

namespace kovrel::gui {

class GuiSession;

class C1C2PoWindow : public QWidget {
  Q_OBJECT

 public:
  explicit C1C2PoWindow(GuiSession& session, QWidget* parent = nullptr);

 private:
  GuiSession& session_;
};

}  // namespace kovrel::gui
