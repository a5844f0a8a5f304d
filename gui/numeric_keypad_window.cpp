#include "gui/numeric_keypad_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/gui_session.h"

namespace kovrel::gui {

NumericKeypadWindow::NumericKeypadWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowDoesNotAcceptFocus), session_(session) {
  setObjectName("Form24");
  setWindowTitle("設計条件入力");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 4, 4, 4);
  auto* group = new QGroupBox("Ten_Key");
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setSpacing(3);
  display_ = new QLineEdit;
  display_->setReadOnly(true);
  display_->setFocusPolicy(Qt::NoFocus);
  display_->setAlignment(Qt::AlignRight);
  grid->addWidget(display_, 0, 0, 1, 4);
  struct Key {
    const char* caption;
    int row, col;
  };
  const Key keys[] = {{"7", 1, 0}, {"8", 1, 1},    {"9", 1, 2},    {"CLS", 1, 3}, {"4", 2, 0},
                      {"5", 2, 1}, {"6", 2, 2},    {"取消", 2, 3}, {"1", 3, 0},   {"2", 3, 1},
                      {"3", 3, 2}, {"転記", 3, 3}, {"0", 4, 0},    {".", 4, 1}};
  for (const Key& k : keys) {
    auto* b = new QPushButton(QString::fromUtf8(k.caption));
    b->setObjectName(QString("key.") + QString::fromUtf8(k.caption));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setFixedSize(k.col == 3 ? 46 : 34, 28);
    if (std::string(k.caption) == ".") b->setToolTip("少数点");
    const std::string caption = k.caption;
    connect(b, &QPushButton::clicked, this, [this, caption] { session_.pressKey(caption); });
    grid->addWidget(b, k.row, k.col);
  }
  v->addWidget(group);
  connect(&session_, &GuiSession::keypadChanged, this, &NumericKeypadWindow::refresh);
  setFixedSize(sizeHint());
}

QPushButton* NumericKeypadWindow::key(const QString& caption) const {
  return findChild<QPushButton*>("key." + caption);
}

void NumericKeypadWindow::showAt(QPoint at) {
  move(at);
  show();
  raise();
}

void NumericKeypadWindow::closeEvent(QCloseEvent* event) {
  if (session_.keypad().isOpen()) session_.pressKey("取消");
  event->accept();
}

void NumericKeypadWindow::refresh() {
  const QString text = QString::fromStdString(session_.keypad().text());
  if (display_->text() != text) display_->setText(text);
  if (!session_.keypad().isOpen() && isVisible()) hide();
}

}  // namespace kovrel::gui
