// The desktop program: one QApplication, the program's windows, the event
// loop. `kovrel FILE.dat` opens that design-condition file at start-up.
#include <QApplication>

#include "gui/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kovrel::gui::Program program;
  program.start(QApplication::arguments());
  return app.exec();
}
