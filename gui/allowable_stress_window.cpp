#include "gui/allowable_stress_window.h"
#include "gui/fixed_size.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "conditions/allowable_stresses.h"
#include "gui/control_binder.h"
#include "gui/gui_session.h"
#include "gui/layout_helpers.h"

namespace kovrel::gui {
namespace {

QPushButton* makeButton(const char* caption, const char* name) {
  auto* b = new QPushButton(QString::fromUtf8(caption));
  b->setObjectName(QString::fromUtf8(caption));
  b->setProperty("controlName", name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

AllowableStressWindow::AllowableStressWindow(GuiSession& session, QWidget* parent)
    : QWidget(parent, Qt::Dialog), session_(session), binder_(new ControlBinder(session, this)) {
  setObjectName("Form9");
  setWindowTitle("許容応力度");
  auto* v = tightBox(new QVBoxLayout(this));
  v->setContentsMargins(6, 6, 6, 6);

  auto* choices = tightBox(new QHBoxLayout);
  choices->setContentsMargins(0, 0, 0, 0);
  choices->addWidget(binder_->radio("Form9.RadioGroup1", 2));
  auto* kinds = tightBox(new QVBoxLayout);
  kinds->setContentsMargins(0, 0, 0, 0);
  kinds->addWidget(binder_->radio("Form9.RadioGroup2"));
  kinds->addWidget(binder_->radio("Form9.RadioGroup3"));
  choices->addLayout(kinds);
  choices->addWidget(binder_->radio("Form9.RadioGroup4"), 0, Qt::AlignTop);
  v->addLayout(choices);

  auto* values = tightBox(new QHBoxLayout);
  values->setContentsMargins(0, 0, 0, 0);
  auto valueGroup = [this](const char* title, std::initializer_list<const char*> names) {
    QGroupBox* g = titledGroup(QString::fromUtf8(title));
    QFormLayout* f = compactForm(g);
    for (const char* name : names) {
      addField(f, *binder_, name);
      // Read-only: the keypad, not the keyboard, changes a proposal.
      static_cast<QLineEdit*>(binder_->widget(name))->setReadOnly(true);
    }
    return g;
  };
  values->addWidget(
      valueGroup("ｺﾝｸﾘｰﾄ（N/mm2）", {"Form9.Edit1", "Form9.Edit2", "Form9.Edit3", "Form9.Edit5"}),
      0, Qt::AlignTop);
  values->addWidget(valueGroup("鉄筋（N/mm2）", {"Form9.Edit4"}), 0, Qt::AlignTop);
  v->addLayout(values);

  auto* buttons = tightBox(new QHBoxLayout);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch(1);
  QPushButton* transfer = makeButton("設計条件に転記", "SpeedButton2");
  QPushButton* cancel = makeButton("取　消", "SpeedButton1");
  buttons->addWidget(transfer);
  buttons->addWidget(cancel);
  v->addLayout(buttons);

  connect(transfer, &QPushButton::clicked, this, &AllowableStressWindow::transfer);
  connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
  connect(binder_, &ControlBinder::editPressed, this, &AllowableStressWindow::valuePressed);
  connect(&session_, &GuiSession::conditionsChanged, binder_, &ControlBinder::refresh);
  binder_->refresh();
  fixSizeToContents(this);
}

QPushButton* AllowableStressWindow::button(const QString& caption) const {
  return findChild<QPushButton*>(caption);
}

void AllowableStressWindow::valuePressed(const QString& name, QLineEdit* edit) {
  if (!session_.openKeypad(name.toStdString())) return;
  emit keypadRequested(edit->mapToGlobal(QPoint(0, edit->height() + 2)));
}

void AllowableStressWindow::transfer() {
  session_.change([](Session& s) { transferAllowableStresses(s.conditions); });
  hide();
}

}  // namespace kovrel::gui
