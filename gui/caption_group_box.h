#pragma once
// A group box whose caption has a colour of its own, as the judgement
// captions of the stability page do (blue "OK", red "NO"), while the lists
// and grids inside keep the ordinary text colour.

#include <QColor>
#include <QGroupBox>

namespace kovrel::gui {

class CaptionGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit CaptionGroupBox(const QString& title = QString(), QWidget* parent = nullptr);

  QColor captionColour() const { return colour_; }
  void setCaptionColour(const QColor& colour);

 protected:
  void initStyleOption(QStyleOptionGroupBox* option) const override;

 private:
  QColor colour_ = Qt::black;
};

}  // namespace kovrel::gui
