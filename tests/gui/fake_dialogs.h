#pragma once
// Dialogs for the GUI tests: every message and question is recorded, the
// questions are answered from a queue (Yes when it runs dry), the file
// dialogs return the names the test sets, and nothing ever blocks.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "gui/gui_dialogs.h"

namespace kovrel::gui::testing {

class FakeDialogs : public GuiDialogs {
 public:
  struct Question {
    QString text;
    std::optional<QPoint> at;
  };

  void showMessage(const Message& m) override { messages.push_back(m); }
  bool askYesNo(const QString& text, std::optional<QPoint> at) override {
    questions.push_back({text, at});
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  QString openConditionsFile() override { return openName; }
  QString saveConditionsFile() override { return saveName; }
  void openWithViewer(const QString& path) override { opened << path; }

  // The texts of the messages shown, each joined with "\n".
  QStringList messageTexts() const {
    QStringList out;
    for (const Message& m : messages) out << messageText(m);
    return out;
  }
  void clear() {
    messages.clear();
    questions.clear();
    answers.clear();
    opened.clear();
  }

  std::vector<Message> messages;
  std::vector<Question> questions;
  std::deque<bool> answers;
  QString openName, saveName;
  QStringList opened;
};

}  // namespace kovrel::gui::testing
