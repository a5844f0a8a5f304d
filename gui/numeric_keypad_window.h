#pragma once
// The numeric keypad "設計条件入力" (Form24): opens below the edit clicked in
// the design-conditions window, builds a text from its keys and "転記"
// copies it into that edit. It never takes the keyboard focus: the user may
// go on typing in the edit while it is open.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace kovrel::gui {

class GuiSession;

class NumericKeypadWindow : public QWidget {
  Q_OBJECT

 public:
  explicit NumericKeypadWindow(GuiSession& session, QWidget* parent = nullptr);

  QPushButton* key(const QString& caption) const;
  QLineEdit* display() const { return display_; }
  // Shows the keypad with its top-left at a screen point, without activating it.
  void showAt(QPoint at);

 protected:
  // Closing the keypad by its frame cancels it, as "取消" does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void refresh();

  GuiSession& session_;
  QLineEdit* display_;
};

}  // namespace kovrel::gui
