#pragma once
// One wall picture of the design-conditions window as a widget: it paints the
// picture from the model at a fixed scale, carries the widgets laid over it
// (dimension edits, picture labels) at their logical positions, and repaints
// whenever the design conditions change.

#include <QLabel>
#include <QWidget>
#include <string>
#include <vector>

namespace kovrel::gui {

class GuiSession;

class WallPictureView : public QWidget {
  Q_OBJECT

 public:
  WallPictureView(GuiSession& session, std::string picture, double scale,
                  QWidget* parent = nullptr);

  const std::string& picture() const { return picture_; }
  double scale() const { return scale_; }
  // Lays a widget over the picture with its top-left at a logical point.
  void place(QWidget* child, QPointF logical);
  void place(QWidget* child, const QRectF& logical);
  // The picture's labels (fixed captions and those the load switches show).
  QLabel* label(const std::string& caption) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void refreshLabels();

  GuiSession& session_;
  std::string picture_;
  double scale_;
  std::vector<std::pair<std::string, QLabel*>> labels_;
};

}  // namespace kovrel::gui
