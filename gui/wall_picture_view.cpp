#include "gui/wall_picture_view.h"

#include <QPainter>

#include "gui/gui_session.h"
#include "gui/wall_picture_painter.h"

namespace kovrel::gui {

WallPictureView::WallPictureView(GuiSession& session, std::string picture, double scale,
                                 QWidget* parent)
    : QWidget(parent), session_(session), picture_(std::move(picture)), scale_(scale) {
  setObjectName(QString::fromStdString(picture_));
  setFixedSize((wallPictureSize(picture_) * scale_).toSize());
  for (const PictureLabelSlot& slot : pictureLabelSlots()) {
    if (picture_ != slot.picture) continue;
    auto* l = new QLabel(QString::fromUtf8(slot.caption), this);
    l->setObjectName(objectName() + "." + l->text());
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A label stands on its own white ground, readable over soil and lines.
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    l->setContentsMargins(1, 0, 1, 0);
    l->adjustSize();
    place(l, slot.at);
    labels_.emplace_back(slot.caption, l);
  }
  connect(&session_, &GuiSession::conditionsChanged, this, [this] {
    refreshLabels();
    update();
  });
  refreshLabels();
}

void WallPictureView::place(QWidget* child, QPointF logical) {
  child->setParent(this);
  child->move((logical * scale_).toPoint());
}

void WallPictureView::place(QWidget* child, const QRectF& logical) {
  child->setParent(this);
  const QRectF r(logical.topLeft() * scale_, logical.size() * scale_);
  child->setGeometry(r.toRect());
}

QLabel* WallPictureView::label(const std::string& caption) const {
  for (const auto& [text, l] : labels_) {
    if (text == caption) return l;
  }
  return nullptr;
}

void WallPictureView::refreshLabels() {
  const auto& shown = session_.designWindow().pictureLabels;
  for (const auto& [caption, l] : labels_) {
    auto it = shown.find(caption);
    const bool visible = it == shown.end() || it->second;
    if (l->isVisibleTo(this) != visible) l->setVisible(visible);
  }
}

void WallPictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintWallPicture(painter, rect(), session_.designWindow().pictures, picture_);
}

}  // namespace kovrel::gui
