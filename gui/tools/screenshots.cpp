// Writes PNG pictures of the desktop program's windows for a human review:
// the main window, every page and tab of the design-conditions window for
// both wall types and both load cases, the other windows, and each wall
// picture in the states its switches give. Run offscreen:
//   QT_QPA_PLATFORM=offscreen kovrel-screenshots OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <cstdio>

#include "gui/about_box.h"
#include "gui/design_conditions_window.h"
#include "gui/gui_session.h"
#include "gui/main_window.h"
#include "gui/numeric_keypad_window.h"
#include "gui/program.h"
#include "gui/seismic_page.h"
#include "gui/tools/screenshot_support.h"
#include "gui/wall_picture_painter.h"

namespace {

using namespace kovrel::gui;
using namespace kovrel::gui::screenshots;

void savePicture(GuiSession& s, const char* picture, const QString& name) {
  const QSizeF size = wallPictureSize(picture) * 2;
  QImage image(size.toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  paintWallPicture(painter, QRectF(QPointF(0, 0), size), s.designWindow().pictures, picture);
  painter.end();
  saveImage(image, name);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  setOutput(argc, argv);
  SilentDialogs dialogs;
  Program program(&dialogs);
  program.start({});
  MainWindow& main = program.mainWindow();
  GuiSession& s = program.session();
  main.showNormal();
  main.resize(1280, 800);
  save(&main, "main-window");
  {
    // The program as it starts: the design-conditions window over the main window.
    QApplication::processEvents();
    QImage screen(1280, 800, QImage::Format_RGB32);
    QPainter painter(&screen);
    painter.drawPixmap(0, 0, main.grab());
    QWidget* design = main.designConditionsWindow();
    painter.drawPixmap((1280 - design->width()) / 2, 90, design->grab());
    painter.end();
    saveImage(screen, "start-up");
  }
  // Every menu and submenu, as it drops down.
  for (QMenu* m : main.findChildren<QMenu*>()) {
    if (m->objectName().isEmpty()) continue;
    m->popup(QPoint(0, 0));
    save(m, "menu-" + m->objectName());
    m->hide();
  }

  DesignConditionsWindow* design = main.designConditionsWindow();
  QTabWidget* pages = design->loadPages();
  for (int wall : {0, 1}) {
    s.enter("PageControl2", std::to_string(wall));
    for (int seismic : {0, 1}) {
      s.enter("RadioGroup5", std::to_string(seismic));
      const QString state = QString(wall ? "L" : "T") + (seismic ? "-seismic" : "-normal");
      for (int page = 0; page < pages->count(); ++page) {
        if (!pages->isTabVisible(page)) continue;
        s.setLoadPage(page);
        save(design, QString("design-%1-page%2").arg(state).arg(page + 1));
      }
    }
  }
  // The seismic aids in use: a ground type computed, a zone chosen.
  s.enter("PageControl2", "0");
  s.enter("RadioGroup5", "1");
  s.setLoadPage(3);
  s.enter("StringGrid2[1,1]", "10");
  s.enter("StringGrid2[2,1]", "8");
  s.clickSoilTypeCell(3, 1);
  s.clickSoilTypeCell(3, 1);
  s.computeTg();
  save(design, "design-seismic-aids-standard");
  s.setAidPage(1);
  s.listZones("ほ");
  s.applyZone("北海道B");
  save(design, "design-seismic-aids-zones");
  s.setAidPage(0);
  s.enter("RadioGroup5", "0");

  // Backfill shapes with their surcharge, and every switch of the other loads.
  s.setLoadPage(1);
  for (int tab : {0, 1, 2}) {
    s.enter("TabControl1", std::to_string(tab));
    if (tab == 1) s.enter("RadioGroup8", "1");
    s.enter("CheckBox1", "1");
    save(design, QString("design-backfill-tab%1").arg(tab));
  }
  s.enter("TabControl1", "0");
  s.setLoadPage(2);
  for (const char* box : {"CheckBox9", "CheckBox3", "CheckBox5", "CheckBox6"}) s.enter(box, "1");
  save(design, "design-other-loads-all-on");
  s.setLoadPage(0);
  s.enter("RadioGroup2", "1");
  save(design, "design-T-with-key");
  for (int tab = 0; tab < 4; ++tab) {
    s.setRebarTab(tab);
    s.enter("RadioGroup1" + std::to_string(2 + tab), "3");
    save(design, QString("design-rebar-tab%1").arg(tab + 1));
  }
  s.enter("RadioGroup11", "1");
  save(design, "design-safety-factors");

  // Each picture, in the states of its switches.
  for (const char* picture : {"Image1", "Image3", "Image6", "Image8", "Image5", "Image4"}) {
    savePicture(s, picture, QString("picture-%1").arg(picture));
  }
  for (int tab : {0, 1, 2}) {
    s.enter("TabControl1", std::to_string(tab));
    for (int where : {0, 1}) {
      s.enter("RadioGroup8", std::to_string(where));
      s.enter("CheckBox1", "1");
      for (int virtualFace : {0, 1}) {
        s.enter("RadioGroup4", std::to_string(virtualFace));
        savePicture(
            s, "Image8",
            QString("picture-Image8-tab%1-where%2-rg4_%3").arg(tab).arg(where).arg(virtualFace));
      }
      s.enter("RadioGroup4", "0");
    }
  }
  s.enter("PageControl2", "1");
  savePicture(s, "Image3", "picture-Image3-with-key");
  savePicture(s, "Image6", "picture-Image6-L-with-key");

  main.aboutBox()->show();
  save(main.aboutBox(), "about-box");
  s.openKeypad("Edit15");
  s.pressKey("1");
  s.pressKey("2");
  main.keypadWindow()->show();
  save(main.keypadWindow(), "numeric-keypad");
  std::printf("%d pictures written to %s\n", written, qPrintable(out.absolutePath()));
  return written > 0 ? 0 : 1;
}
