#pragma once
// The desktop program's command line:
//   kovrel [FILE.dat]                    the program, opening the file
//   kovrel --print-to OUT.pdf [FILE.dat] no window: print the report to a PDF file
//   kovrel --help
// Read before any window exists, so that printing to a file can run without
// a display.

#include <QString>
#include <QStringList>

namespace kovrel::gui {

struct CommandLine {
  enum Action { Start, PrintTo, Help, UsageError } action = Start;
  QString output;  // --print-to
  QString file;    // the design-condition file, if any
  QString error;   // UsageError: what is wrong
};

// `arguments` as main() has them, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

// The text of --help (and after a usage error).
extern const char* const kKovrelUsage;

}  // namespace kovrel::gui
