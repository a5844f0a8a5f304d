#pragma once
// Paints one schematic wall picture of the design-conditions window from the
// core's picture model: the outline case, the backfill shape, the surcharge
// band, the hatch of the wall body and the extras each picture shows. The
// pictures are fixed pixel art (y down) in their own logical size; the
// painter scales them into any rectangle, so the screen, a test's QImage
// and a screenshot all come from the same code.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <string>
#include <vector>

#include "conditions/wall_pictures.h"

class QPainter;

namespace kovrel::gui {

// The logical size of a picture ("Image1", "Image3", "Image6", "Image8",
// "Image5", "Image4").
QSizeF wallPictureSize(const std::string& picture);

// Paints `picture` of `model` into `target`: the picture scaled to fit,
// centred, the rest of `target` silver. Nothing is drawn outside `target`.
void paintWallPicture(QPainter& painter, const QRectF& target, const WallPictures& model,
                      const std::string& picture);

// Where the wall dimension edits sit over the shape pictures (Image1 for the
// inverted T, Image3 for the L type) and which point of the outline each
// one's guide line reaches. `lType` is null where the L type has no edit.
struct DimensionEditSlot {
  const char* invertedT;
  const char* lType;
  QRectF rect;  // logical pixels of the picture
};
const std::vector<DimensionEditSlot>& dimensionEditSlots();

// Where the picture labels stand, in the picture's logical pixels.
struct PictureLabelSlot {
  const char* picture;
  const char* caption;
  QPointF at;
};
const std::vector<PictureLabelSlot>& pictureLabelSlots();

}  // namespace kovrel::gui
