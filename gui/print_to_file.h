#pragma once
// `kovrel --print-to OUT.pdf [FILE.dat]`: the print command without a
// window. Starts the conditions as the program does, loads the file when one
// is given, runs the calculation and prints the report's sheets for the wall
// type and key through the same page painter as the printer, into a PDF file
// (Qt's PDF printer output). The file is written whole or not at all, so a
// failure leaves an earlier OUT.pdf as it was. A QGuiApplication must exist.

#include <QString>
#include <QTextStream>

namespace kovrel::gui {

// Returns the exit status of kovrel-cli's contract (0, 2, 3, 4); the reason of
// a failure goes to `err`.
int printReportToFile(const QString& output, const QString& conditionsFile, QTextStream& err);

}  // namespace kovrel::gui
