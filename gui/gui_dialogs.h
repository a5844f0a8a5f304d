#pragma once
// The boxes the desktop program asks and tells through: messages, Yes/No
// questions, the file dialogs and the shell's "open with its viewer". The
// program uses QtDialogs; tests put in their own answers so nothing blocks.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

#include "base/messages.h"

namespace kovrel::gui {

class GuiDialogs {
 public:
  virtual ~GuiDialogs() = default;

  // A plain message; warnings, blocks and errors get their icon.
  virtual void showMessage(const Message& message) = 0;
  // A Yes/No question; true for Yes. With `at`, the box's top-left corner
  // stands at that screen position.
  virtual bool askYesNo(const QString& text, std::optional<QPoint> at = std::nullopt) = 0;
  // The design-condition file to open or save; empty when cancelled.
  virtual QString openConditionsFile() = 0;
  virtual QString saveConditionsFile() = 0;
  // Opens a file with the desktop's associated viewer.
  virtual void openWithViewer(const QString& path) = 0;
};

// The message's lines as one box text (the core joins them with CR).
QString messageText(const Message& message);
QString messageText(const std::vector<std::string>& lines);

// Qt's own message boxes and file dialogs, over the active window.
class QtDialogs : public GuiDialogs {
 public:
  void showMessage(const Message& message) override;
  bool askYesNo(const QString& text, std::optional<QPoint> at) override;
  QString openConditionsFile() override;
  QString saveConditionsFile() override;
  void openWithViewer(const QString& path) override;
};

}  // namespace kovrel::gui
