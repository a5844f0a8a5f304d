#include "gui/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/icons.h"

namespace kovrel::gui {

AboutBox::AboutBox(QWidget* parent)
    : QWidget(parent, Qt::Dialog), first_(new QLabel), second_(new QLabel) {
  setObjectName("Form7");
  setWindowTitle("このシステムは");
  auto* v = new QVBoxLayout(this);
  auto* icon = new QLabel;
  icon->setPixmap(programIcon("kovrel").pixmap(48, 48));
  v->addWidget(icon, 0, Qt::AlignHCenter);
  QFont big = first_->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  first_->setFont(big);
  for (QLabel* l : {first_, second_}) {
    l->setAlignment(Qt::AlignHCenter);
    v->addWidget(l);
  }
  auto* ok = new QPushButton("O.K");
  ok->setObjectName("O.K");
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  v->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedSize(320, 190);
}

void AboutBox::setLines(const QString& caption, const QString& date) {
  first_->setText(caption);
  second_->setText(date);
}

QString AboutBox::firstLine() const {
  return first_->text();
}
QString AboutBox::secondLine() const {
  return second_->text();
}

}  // namespace kovrel::gui
