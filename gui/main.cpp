// The desktop program: one QApplication, the program's windows, the event
// loop. `kovrel FILE.dat` opens that design-condition file at start-up;
// `kovrel --print-to OUT.pdf [FILE.dat]` prints the report without a window.
#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "app/cli.h"
#include "gui/command_line.h"
#include "gui/print_to_file.h"
#include "gui/program.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const kovrel::gui::CommandLine cl = kovrel::gui::parseCommandLine(arguments);
  switch (cl.action) {
    case kovrel::gui::CommandLine::Help:
      std::fputs(kovrel::gui::kKovrelUsage, stdout);
      return kovrel::kExitOk;
    case kovrel::gui::CommandLine::UsageError:
      std::fprintf(stderr, "kovrel: %s\n%s", cl.error.toLocal8Bit().constData(),
                   kovrel::gui::kKovrelUsage);
      return kovrel::kExitUsage;
    case kovrel::gui::CommandLine::PrintTo: {
      // No window: without a display the offscreen platform serves.
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      QApplication app(argc, argv);
      kovrel::gui::setUpApplication();
      QTextStream err(stderr);
      return kovrel::gui::printReportToFile(cl.output, cl.file, err);
    }
    case kovrel::gui::CommandLine::Start:
      break;
  }
  QApplication app(argc, argv);
  kovrel::gui::Program program;
  program.start(QApplication::arguments());
  return app.exec();
}
