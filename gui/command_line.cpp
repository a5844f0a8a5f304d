#include "gui/command_line.h"

namespace kovrel::gui {

const char* const kKovrelUsage =
    "usage: kovrel [FILE.dat]\n"
    "       kovrel --print-to OUT.pdf [FILE.dat]\n"
    "       kovrel --help\n"
    "\n"
    "  FILE.dat            open this design-condition file at start-up\n"
    "  --print-to OUT.pdf  without a window: load FILE.dat when one is given (else\n"
    "                      the conditions as the program starts), run the calculation\n"
    "                      and print the whole report, the sheets the print command\n"
    "                      prints, into the PDF file OUT.pdf, then exit.\n"
    "                      Exit status: 0 printed; 2 an input check blocked the run\n"
    "                      or a result was not finite; 3 a design condition is not a\n"
    "                      number; 4 a file could not be read or written; 64 usage.\n"
    "                      On failure the reason goes to standard error and OUT.pdf\n"
    "                      is neither written nor changed.\n"
    "  --help              this text\n";

CommandLine parseCommandLine(const QStringList& arguments) {
  CommandLine cl;
  QStringList unknown;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == "--help" || a == "-h") {
      cl.action = CommandLine::Help;
      return cl;
    }
    if (a == "--print-to") {
      if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
        return {CommandLine::UsageError, {}, {}, "--print-to needs the PDF file to write"};
      }
      cl.action = CommandLine::PrintTo;
      cl.output = arguments[++i];
    } else if (a.startsWith("--print-to=")) {
      cl.action = CommandLine::PrintTo;
      cl.output = a.mid(int(qstrlen("--print-to=")));
      if (cl.output.isEmpty()) {
        return {CommandLine::UsageError, {}, {}, "--print-to needs the PDF file to write"};
      }
    } else if (a.startsWith('-')) {
      unknown << a;
    } else if (cl.file.isEmpty()) {
      cl.file = a;
    } else {
      unknown << a;
    }
  }
  // Options the toolkit or a desktop may pass to a window program are left
  // alone when it starts; printing takes only its own.
  if (cl.action == CommandLine::PrintTo && !unknown.isEmpty()) {
    return {CommandLine::UsageError, {}, {}, "unexpected argument " + unknown.front()};
  }
  return cl;
}

}  // namespace kovrel::gui
