#pragma once
// The about box "このシステムは" (Form7): the program's name and version and
// its date, and "O.K" to hide it.

#include <QWidget>

class QLabel;

namespace kovrel::gui {

inline constexpr const char* kProgramCaption = "Dernholm(Kovrel Ver3.1)";
inline constexpr const char* kProgramDate = "H30.4.1";

class AboutBox : public QWidget {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);

  // Start-up puts the caption and the date into the two lines.
  void setLines(const QString& caption, const QString& date);
  QString firstLine() const;
  QString secondLine() const;

 private:
  QLabel* first_;
  QLabel* second_;
};

}  // namespace kovrel::gui
