// The wall pictures as painted from the model: the surcharge band where its
// state puts it, the extras of the other loads only when switched on, the
// outline of the wall type and key, nothing outside the target rectangle,
// and the picture on the window redrawn after a click.
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <memory>

#include "app/start_up.h"
#include "conditions/control_input.h"
#include "fake_dialogs.h"
#include "gui/control_binder.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/program.h"
#include "gui/wall_picture_painter.h"
#include "gui/wall_picture_view.h"

using namespace kovrel;
using namespace kovrel::gui;

namespace {

// Pictures are painted at twice their pixel size.
const double kScale = 2;

bool isNavy(QRgb c) {
  return qBlue(c) > 90 && qRed(c) < 90 && qGreen(c) < 90;
}
bool isAqua(QRgb c) {
  return qBlue(c) > 200 && qGreen(c) > 200 && qRed(c) < 90;
}
bool isOlive(QRgb c) {
  return qRed(c) == 128 && qGreen(c) == 128 && qBlue(c) == 0;
}
bool isGreyBarrier(QRgb c) {
  return qRed(c) == 128 && qGreen(c) == 128 && qBlue(c) == 128;
}

QImage paint(const Session& s, const char* picture) {
  const QSizeF size = wallPictureSize(picture) * kScale;
  QImage image(size.toSize(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  paintWallPicture(painter, QRectF(QPointF(0, 0), size), s.designWindow.pictures, picture);
  return image;
}

const WallPicture& pictureOf(const Session& s, const char* name) {
  for (const WallPicture& p : s.designWindow.pictures.pictures) {
    if (p.name == name) return p;
  }
  throw std::runtime_error(name);
}

// Whether any pixel of a logical row between two x satisfies `test`.
template <class Test>
bool anyInRow(const QImage& image, double y, double x0, double x1, Test test) {
  const int row = int(y * kScale);
  for (int x = int(x0 * kScale); x < int(x1 * kScale) && x < image.width(); ++x) {
    if (row >= 0 && row < image.height() && test(image.pixel(x, row))) return true;
  }
  return false;
}

template <class Test>
bool anywhere(const QImage& image, Test test) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (test(image.pixel(x, y))) return true;
    }
  }
  return false;
}

Session sessionWith(std::initializer_list<std::pair<const char*, const char*>> sets) {
  Session s;
  startUp(s);
  for (const auto& [name, value] : sets) applyControlInput(s.conditions, name, value);
  return s;
}

}  // namespace

class WallPictureTest : public QObject {
  Q_OBJECT

 private slots:
  // The band on the flat backfill: state 1 over the whole flat surface,
  // state 3 only beyond the heel end, none without surcharge.
  void surchargeBandFollowsItsState() {
    struct Case {
      const char* virtualFace;  // RadioGroup4
      const char* surcharge;    // CheckBox1
      int state;
      bool overHeel, beyondHeel;
    };
    const Case cases[] = {
        {"0", "1", 1, true, true}, {"1", "1", 3, false, true}, {"0", "0", 0, false, false}};
    for (const Case& c : cases) {
      Session s = sessionWith({{"RadioGroup4", c.virtualFace}, {"CheckBox1", c.surcharge}});
      QCOMPARE(s.designWindow.pictures.surcharge, c.state);
      const QImage image = paint(s, "Image8");
      const TWaLLImage& o = pictureOf(s, "Image8").outline;
      const double bandY = o.y[5] - 3;
      QCOMPARE(anyInRow(image, bandY, o.x[5] + 3, o.x[9] - 3, isNavy), c.overHeel);
      QCOMPARE(anyInRow(image, bandY, o.x[9] + 3, 238, isNavy), c.beyondHeel);
    }
  }

  // On the embankment, "平坦部" loads only the level top beyond its crest.
  void embankmentBandStartsAtTheCrest() {
    Session s = sessionWith({{"TabControl1", "2"}, {"CheckBox1", "1"}});
    QCOMPARE(s.designWindow.pictures.surcharge, 1);
    const QImage image = paint(s, "Image8");
    const TWaLLImage& o = pictureOf(s, "Image8").outline;
    const double topY = o.y[5] - 30 - 3;
    QVERIFY(anyInRow(image, topY, o.x[8] - 18, 238, isNavy));
    // Along the rising part there is no band.
    QVERIFY(!anyInRow(image, o.y[5] - 12 - 3, o.x[5] + 12, o.x[5] + 20, isNavy));
  }

  void otherLoadsDrawOnlyWhenSwitchedOn() {
    Session off = sessionWith({});
    QImage image = paint(off, "Image5");
    QVERIFY(!anywhere(image, isAqua));
    // The barrier stands on the stem top.
    const TWaLLImage& o = pictureOf(off, "Image5").outline;
    QVERIFY(!anyInRow(image, o.y[4] - 25, o.x[4], o.x[5], isGreyBarrier));
    Session on = sessionWith({{"CheckBox3", "1"}, {"CheckBox5", "1"}});
    image = paint(on, "Image5");
    QVERIFY(anywhere(image, isAqua));
    QVERIFY(anyInRow(image, o.y[4] - 25, o.x[4], o.x[5], isGreyBarrier));
  }

  // The L type has soil where the inverted T has its toe; a key reaches
  // below the base.
  void outlineFollowsWallTypeAndKey() {
    Session t = sessionWith({});
    Session l = sessionWith({{"PageControl2", "1"}, {"RadioGroup2", "1"}});
    const TWaLLImage& o = pictureOf(t, "Image1").outline;
    const double toeX0 = o.x[0] + 4, toeX1 = o.x[2] - 2, toeY = o.y[1] + 4;
    QVERIFY(!anyInRow(paint(t, "Image1"), toeY, toeX0, toeX1, isOlive));
    QVERIFY(anyInRow(paint(l, "Image3"), toeY, toeX0, toeX1, isOlive));
    const TWaLLImage& k = pictureOf(l, "Image3").outline;
    const double keyY = k.y[0] + 7;
    QVERIFY(!anyInRow(paint(l, "Image3"), keyY, k.x[12] + 2, k.x[11] - 2, isOlive));
    QVERIFY(anyInRow(paint(t, "Image1"), keyY, o.x[12] - 8, o.x[11] + 8, isOlive));
  }

  // The painter keeps inside its rectangle, whatever the picture shows.
  void nothingOutsideTheTarget() {
    Session s = sessionWith({{"CheckBox3", "1"},
                             {"CheckBox5", "1"},
                             {"CheckBox6", "1"},
                             {"CheckBox9", "1"},
                             {"TabControl1", "1"},
                             {"RadioGroup8", "1"}});
    for (const char* picture : {"Image1", "Image3", "Image6", "Image8", "Image5", "Image4"}) {
      QImage image(500, 400, QImage::Format_RGB32);
      const QRgb marker = qRgb(255, 0, 255);
      image.fill(marker);
      const QRect target(37, 41, 300, 200);
      QPainter painter(&image);
      paintWallPicture(painter, target, s.designWindow.pictures, picture);
      painter.end();
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (target.contains(x, y)) continue;
          QVERIFY2(image.pixel(x, y) == marker,
                   qPrintable(QString("%1 drew at %2,%3").arg(picture).arg(x).arg(y)));
        }
      }
    }
  }

  // The picture on the window follows a click at once.
  void windowPictureIsRedrawnAfterAClick() {
    testing::FakeDialogs dialogs;
    Program program(&dialogs);
    program.start({"kovrel"});
    DesignConditionsWindow* window = program.mainWindow().designConditionsWindow();
    WallPictureView* view = window->picture("Image4");
    auto bandShown = [&] {
      const QImage image = view->grab().toImage();
      const TWaLLImage& o = pictureOf(program.session().session(), "Image4").outline;
      for (int x = int((o.x[5] + 4) * view->scale()); x < image.width(); ++x) {
        if (isNavy(image.pixel(x, int((o.y[5] - 3) * view->scale())))) return true;
      }
      return false;
    };
    QVERIFY(bandShown());
    auto* box = qobject_cast<QCheckBox*>(window->binder().widget("CheckBox1"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(!box->isChecked());
    QVERIFY(!bandShown());
  }
};

QTEST_MAIN(WallPictureTest)
#include "wall_picture_test.moc"
