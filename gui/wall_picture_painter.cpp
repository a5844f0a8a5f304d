#include "gui/wall_picture_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace kovrel::gui {
namespace {

const QColor kOlive(128, 128, 0);     // soil
const QColor kNavy(0, 0, 128);        // surcharge
const QColor kMaroon(128, 0, 0);      // wall hatch
const QColor kSilver(192, 192, 192);  // outside the picture
const QColor kGrey(128, 128, 128);
const QColor kAqua(0, 255, 255);  // water

// Thickness of the surcharge band above the backfill surface, in pixels.
const double kBandHeight = 6;
// The ground in front of the wall lies this far above the base top.
const double kFrontGroundAboveBase = 19;

QPointF pt(const TWaLLImage& o, int i) {
  return QPointF(o.x[size_t(i)], o.y[size_t(i)]);
}

// A guide line: white with a black copy one pixel below (horizontal) or to
// the right (otherwise), so it looks cut into the picture.
void engraved(QPainter& p, QPointF a, QPointF b) {
  const bool horizontal = std::abs(b.y() - a.y()) < std::abs(b.x() - a.x());
  const QPointF offset = horizontal ? QPointF(0, 1) : QPointF(1, 0);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(a + offset, b + offset);
  p.setPen(QPen(Qt::white, 1));
  p.drawLine(a, b);
}

// A dimension: the engraved line with a short tick across each end.
void dimension(QPainter& p, QPointF a, QPointF b) {
  engraved(p, a, b);
  const bool horizontal = std::abs(b.y() - a.y()) < std::abs(b.x() - a.x());
  const QPointF tick = horizontal ? QPointF(0, 3) : QPointF(3, 0);
  engraved(p, a - tick, a + tick);
  engraved(p, b - tick, b + tick);
}

// A leader from an edit laid over the picture to what it measures.
void leader(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(Qt::black, 0.7, Qt::DotLine));
  p.drawLine(from, to);
}

// The backfill surface from the stem's back top corner (point 5) to the
// right edge: level, rising one in three, or rising 30 pixels to 20 short of
// the heel end and level from there.
QPolygonF backfillSurface(const TWaLLImage& o, int tab, double width) {
  const QPointF top = pt(o, 5);
  QPolygonF line;
  line << top;
  if (tab == 1) {
    line << QPointF(width, top.y() - (width - top.x()) / 3.0);
  } else if (tab == 2) {
    const double crest = o.x[8] - 20;
    line << QPointF(crest, top.y() - 30) << QPointF(width, top.y() - 30);
  } else {
    line << QPointF(width, top.y());
  }
  return line;
}

// The height of the surface polyline at x.
double surfaceY(const QPolygonF& line, double x) {
  for (int i = 1; i < line.size(); ++i) {
    if (x <= line[i].x() || i == line.size() - 1) {
      const QPointF a = line[i - 1], b = line[i];
      if (b.x() == a.x()) return b.y();
      return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    }
  }
  return line.back().y();
}

// The front face's x at height y (between points 3 and 4).
double frontFaceX(const TWaLLImage& o, double y) {
  const QPointF a = pt(o, 3), b = pt(o, 4);
  if (b.y() == a.y()) return a.x();
  return a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
}

void paintSoil(QPainter& p, const TWaLLImage& o, const QPolygonF& surface, QSizeF size) {
  const double groundY = o.y[3] - kFrontGroundAboveBase;
  QPolygonF soil;
  soil << QPointF(0, groundY) << QPointF(frontFaceX(o, groundY), groundY) << pt(o, 4);
  for (const QPointF& s : surface) soil << s;
  soil << QPointF(size.width(), size.height()) << QPointF(0, size.height());
  p.setPen(Qt::NoPen);
  p.setBrush(kOlive);
  p.drawPolygon(soil);
  for (int i = 1; i < surface.size(); ++i) engraved(p, surface[i - 1], surface[i]);
  engraved(p, QPointF(0, groundY), QPointF(frontFaceX(o, groundY), groundY));
}

// The band of states 1 (flat part only), 2 (whole surface) and 3 (beyond
// the heel end, nothing on the virtual back face).
void paintSurcharge(QPainter& p, const TWaLLImage& o, const QPolygonF& surface, int tab, int state,
                    double width) {
  if (state < 1 || state > 3) return;
  double from = o.x[5];
  if (state == 1 && tab == 2) from = o.x[8] - 20;
  if (state == 3) from = o.x[9];
  QPolygonF band;
  QPolygonF top;
  band << QPointF(from, surfaceY(surface, from));
  for (const QPointF& s : surface) {
    if (s.x() > from) band << s;
  }
  band << QPointF(width, surfaceY(surface, width));
  for (int i = band.size() - 1; i >= 0; --i) top << band[i] - QPointF(0, kBandHeight);
  band << top;
  p.setPen(QPen(kNavy, 1));
  p.setBrush(QBrush(kNavy, Qt::VerPattern));
  p.drawPolygon(band);
}

void paintWall(QPainter& p, const TWaLLImage& o) {
  QPolygonF wall;
  for (int i = 0; i < 14; ++i) wall << pt(o, i);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(wall);
  p.setBrush(QBrush(kMaroon, Qt::BDiagPattern));
  p.drawPolygon(wall);
  // Raised edges: the toe side and the top lit (grey inside a white edge),
  // the back and the underside in shadow (black).
  for (int i = 0; i < 14; ++i) {
    const QPointF a = pt(o, i), b = pt(o, (i + 1) % 14);
    if (a == b) continue;
    const bool lit = i < 5;
    p.setPen(QPen(lit ? kGrey : Qt::black, 1));
    p.drawLine(a, b);
  }
}

void paintDimensionGuides(QPainter& p, const TWaLLImage& o, bool lType) {
  // Batters and crest above the stem, heights on the left, toe, heel and
  // base width below the base, the formwork strip beside the back foot.
  const double chainY = 56;
  dimension(p, QPointF(o.x[3], chainY), QPointF(o.x[6], chainY));
  for (int i : {4, 5})
    engraved(p, QPointF(o.x[size_t(i)], chainY - 3), QPointF(o.x[size_t(i)], chainY + 3));
  const double chainX = 84;
  dimension(p, QPointF(chainX, o.y[4]), QPointF(chainX, o.y[0]));
  for (int i : {2, 1})
    engraved(p, QPointF(chainX - 3, o.y[size_t(i)]), QPointF(chainX + 3, o.y[size_t(i)]));
  engraved(p, QPointF(chainX, o.y[4]), QPointF(o.x[4], o.y[4]));
  // Below the deepest key (y 198), so a key never crosses the chains.
  const double lowY = 202;
  if (!lType) dimension(p, QPointF(o.x[0], lowY), QPointF(o.x[3], lowY));
  dimension(p, QPointF(o.x[6], lowY), QPointF(o.x[9], lowY));
  dimension(p, QPointF(o.x[0], 225), QPointF(o.x[9], 225));
  for (const DimensionEditSlot& slot : dimensionEditSlots()) {
    const char* name = lType ? slot.lType : slot.invertedT;
    if (!name) continue;
    const QRectF r = slot.rect;
    QPointF target;
    const std::string n = name;
    if (n == "Edit10" || n == "Edit6") target = QPointF((o.x[3] + o.x[4]) / 2.0, chainY);
    if (n == "Edit11" || n == "Edit22") target = QPointF((o.x[4] + o.x[5]) / 2.0, chainY);
    if (n == "Edit29" || n == "Edit32") target = QPointF((o.x[5] + o.x[6]) / 2.0, chainY);
    if (n == "Edit12" || n == "Edit44") target = QPointF(chainX, (o.y[4] + o.y[2]) / 2.0);
    if (n == "Edit5" || n == "Edit45") target = QPointF(chainX, (o.y[2] + o.y[1]) / 2.0);
    if (n == "Edit3" || n == "Edit46") target = QPointF(chainX, (o.y[1] + o.y[0]) / 2.0);
    if (n == "Edit8") target = QPointF((o.x[0] + o.x[3]) / 2.0, lowY);
    if (n == "Edit9" || n == "Edit47") target = QPointF((o.x[6] + o.x[9]) / 2.0, lowY);
    if (n == "Edit7" || n == "Edit48") continue;  // sits on its own line
    if (n == "Edit4" || n == "Edit49") target = QPointF((o.x[6] + o.x[7]) / 2.0, o.y[6]);
    QPointF from(r.center().x(), target.y() < r.top() ? r.top() : r.bottom());
    if (target.x() > r.right()) from = QPointF(r.right(), r.center().y());
    if (target.x() < r.left()) from = QPointF(r.left(), r.center().y());
    leader(p, from, target);
  }
}

void paintKeyGuides(QPainter& p, const TWaLLImage& o) {
  // (1) from the toe end to the key, (2) across the key, (3) down its side.
  dimension(p, QPointF(o.x[0], o.y[12] + 8), QPointF(o.x[12], o.y[12] + 8));
  dimension(p, QPointF(o.x[12], o.y[12] + 16), QPointF(o.x[11], o.y[12] + 16));
  dimension(p, QPointF(o.x[11] + 8, o.y[10]), QPointF(o.x[11] + 8, o.y[11]));
}

// The barrier on the stem top that carries wind or a collision, 50 high.
QRectF barrier(const TWaLLImage& o) {
  const double left = o.x[4] + 2, right = o.x[5] - 2;
  return QRectF(QPointF(left, o.y[4] - 50), QPointF(right, o.y[4]));
}

void paintOtherLoads(QPainter& p, const WallPicture& pic, QSizeF size) {
  const TWaLLImage& o = pic.outline;
  const double bottom = std::max(o.y[0], o.y[11]);
  if (pic.passive) {
    // The virtual ground surface in front of the wall, and Ho up to it.
    const double virtualY = o.y[3] - 8;
    p.setPen(QPen(Qt::white, 1.5, Qt::DotLine));
    p.drawLine(QPointF(0, virtualY), QPointF(frontFaceX(o, virtualY), virtualY));
    dimension(p, QPointF(20, virtualY), QPointF(20, o.y[0]));
  }
  if (pic.water) {
    // A level line 80 wide near the heel, 60 below the stem top, two shorter
    // lines under it and a small triangle standing on it.
    const double y = o.y[4] + 60;
    const double left = o.x[8] - 30;
    p.setPen(QPen(kAqua, 2));
    p.drawLine(QPointF(left, y), QPointF(left + 80, y));
    p.drawLine(QPointF(left + 12, y + 5), QPointF(left + 68, y + 5));
    p.drawLine(QPointF(left + 24, y + 10), QPointF(left + 56, y + 10));
    QPolygonF mark;
    mark << QPointF(left + 40, y - 1) << QPointF(left + 34, y - 9) << QPointF(left + 46, y - 9);
    p.setBrush(kAqua);
    p.drawPolygon(mark);
    dimension(p, QPointF(size.width() - 12, y), QPointF(size.width() - 12, bottom));
  }
  if (pic.wind || pic.collision) {
    const QRectF b = barrier(o);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kGrey);
    p.drawRect(b);
    if (pic.wind) dimension(p, QPointF(b.left() - 14, b.top()), QPointF(b.left() - 14, b.bottom()));
    if (pic.collision) {
      // H3: the collision acts at half the barrier's height.
      const double y = b.bottom() - 25;
      dimension(p, QPointF(b.right() + 10, y), QPointF(b.right() + 10, b.bottom()));
      p.setPen(QPen(Qt::red, 1.5));
      p.drawLine(QPointF(b.right() + 26, y), QPointF(b.right() + 1, y));
      p.drawLine(QPointF(b.right() + 1, y), QPointF(b.right() + 6, y - 3));
      p.drawLine(QPointF(b.right() + 1, y), QPointF(b.right() + 6, y + 3));
    }
  }
}

void paintGroundGuides(QPainter& p, const TWaLLImage& o, QSizeF size) {
  // The top of the supporting ground (dotted), the base underside (dashed),
  // Df from the planned ground down to the base underside, Df' from the
  // supporting ground down to it.
  const double groundY = o.y[3] - kFrontGroundAboveBase;
  const double supportY = o.y[0] - 12;
  p.setPen(QPen(Qt::white, 1.5, Qt::DotLine));
  p.drawLine(QPointF(0, supportY), QPointF(size.width(), supportY));
  p.setPen(QPen(Qt::black, 1, Qt::DashLine));
  p.drawLine(QPointF(0, o.y[0]), QPointF(size.width(), o.y[0]));
  dimension(p, QPointF(o.x[0] - 6, groundY), QPointF(o.x[0] - 6, o.y[0]));
  dimension(p, QPointF(o.x[9] + 10, supportY), QPointF(o.x[9] + 10, o.y[0]));
}

const WallPicture* findPicture(const WallPictures& model, const std::string& name) {
  for (const WallPicture& pic : model.pictures) {
    if (pic.name == name) return &pic;
  }
  return nullptr;
}

}  // namespace

QSizeF wallPictureSize(const std::string& picture) {
  if (picture == "Image1" || picture == "Image3") return {300, 246};
  if (picture == "Image6") return {200, 100};
  if (picture == "Image8") return {240, 205};
  if (picture == "Image5") return {260, 230};
  if (picture == "Image4") return {320, 230};
  return {300, 230};
}

void paintWallPicture(QPainter& painter, const QRectF& target, const WallPictures& model,
                      const std::string& picture) {
  painter.save();
  painter.setClipRect(target);
  painter.fillRect(target, kSilver);
  const QSizeF size = wallPictureSize(picture);
  const double scale = std::min(target.width() / size.width(), target.height() / size.height());
  const QSizeF drawn = size * scale;
  painter.translate(target.left() + (target.width() - drawn.width()) / 2,
                    target.top() + (target.height() - drawn.height()) / 2);
  painter.scale(scale, scale);
  const QRectF frame(QPointF(0, 0), size);
  painter.setClipRect(frame, Qt::IntersectClip);
  painter.fillRect(frame, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, true);

  if (const WallPicture* pic = findPicture(model, picture)) {
    const TWaLLImage& o = pic->outline;
    const QPolygonF surface = backfillSurface(o, model.backfillTab, size.width());
    paintSoil(painter, o, surface, size);
    paintSurcharge(painter, o, surface, model.backfillTab, model.surcharge, size.width());
    paintWall(painter, o);
    const bool lType =
        model.outline == OutlineCase::LType || model.outline == OutlineCase::LTypeWithKey;
    if (pic->dimensionGuides) paintDimensionGuides(painter, o, lType);
    if (pic->keyGuides) paintKeyGuides(painter, o);
    paintOtherLoads(painter, *pic, size);
    if (pic->groundGuides) paintGroundGuides(painter, o, size);
  }
  painter.setPen(QPen(kGrey, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
  painter.restore();
}

const std::vector<DimensionEditSlot>& dimensionEditSlots() {
  // Edits are 38 x 15 logical pixels; the shape pictures are shown at 1.4.
  static const std::vector<DimensionEditSlot> table = {
      {"Edit10", "Edit6", QRectF(62, 34, 38, 15)},   {"Edit11", "Edit22", QRectF(106, 34, 38, 15)},
      {"Edit29", "Edit32", QRectF(150, 34, 38, 15)}, {"Edit12", "Edit44", QRectF(30, 108, 38, 15)},
      {"Edit5", "Edit45", QRectF(30, 146, 38, 15)},  {"Edit3", "Edit46", QRectF(30, 166, 38, 15)},
      {"Edit8", nullptr, QRectF(56, 206, 38, 15)},   {"Edit9", "Edit47", QRectF(146, 206, 38, 15)},
      {"Edit7", "Edit48", QRectF(124, 228, 38, 15)}, {"Edit4", "Edit49", QRectF(210, 140, 38, 15)},
  };
  return table;
}

const std::vector<PictureLabelSlot>& pictureLabelSlots() {
  static const std::vector<PictureLabelSlot> table = {
      {"Image1", "単位（mm）", {4, 4}},     {"Image3", "単位（mm）", {4, 4}},
      {"Image6", "(1)", {12, 74}},          {"Image6", "(2)", {34, 82}},
      {"Image6", "(3)", {57, 46}},          {"Image5", "仮想地盤面 ----", {2, 172}},
      {"Image5", "Ho", {25, 188}},          {"Image5", "H1", {226, 172}},
      {"Image5", "H2", {48, 52}},           {"Image5", "H3", {100, 64}},
      {"Image4", "計画地盤面", {4, 132}},   {"Image4", "Df (根入深)", {22, 151}},
      {"Image4", "支持地盤 ---", {2, 166}}, {"Image4", "Df ' (支持地盤根入)", {192, 190}},
  };
  return table;
}

}  // namespace kovrel::gui
