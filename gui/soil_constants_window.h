#pragma once
// The soil-constant window "土質定数" (Form4): the guideline's soil and foundation tables, a chosen
// row copied into the design conditions. For now the window's frame at its size, shown and hidden
// on command; its contents come later.

#include <QWidget>

namespace kovrel::gui {

class GuiSession;

class SoilConstantsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SoilConstantsWindow(GuiSession& session, QWidget* parent = nullptr);

 private:
  GuiSession& session_;
};

}  // namespace kovrel::gui
