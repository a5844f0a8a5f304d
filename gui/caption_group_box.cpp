#include "gui/caption_group_box.h"

#include <QStyleOptionGroupBox>

namespace kovrel::gui {

CaptionGroupBox::CaptionGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {}

void CaptionGroupBox::setCaptionColour(const QColor& colour) {
  if (colour_ == colour) return;
  colour_ = colour;
  update();
}

void CaptionGroupBox::initStyleOption(QStyleOptionGroupBox* option) const {
  QGroupBox::initStyleOption(option);
  // Styles differ in what they take the caption's colour from: some the
  // option's text colour, others its window text. Only this option changes,
  // so the children's palette stays as it was.
  option->textColor = colour_;
  option->palette.setColor(QPalette::WindowText, colour_);
}

}  // namespace kovrel::gui
