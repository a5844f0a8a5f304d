#pragma once
// The desktop program as main() starts it: the application's name, font and
// font substitutions, the session, the main window with every other window,
// and a design-condition file given on the command line (as a file manager
// passes the file that was double-clicked). The smoke test starts the
// program through the same class.

#include <QStringList>
#include <memory>

namespace kovrel::gui {

class GuiDialogs;
class GuiSession;
class MainWindow;

class Program {
 public:
  // `dialogs` null: Qt's own boxes and file dialogs.
  explicit Program(GuiDialogs* dialogs = nullptr);
  ~Program();

  // Shows the main window maximised (the design-conditions window follows it)
  // and opens the first argument that is a file, if any.
  void start(const QStringList& arguments);

  GuiSession& session() { return *session_; }
  MainWindow& mainWindow() { return *window_; }

 private:
  std::unique_ptr<GuiDialogs> ownDialogs_;
  std::unique_ptr<GuiSession> session_;
  std::unique_ptr<MainWindow> window_;
};

// The application-wide settings: title, icon, font, substitutions, the
// disabled text colour. The Program's constructor calls it; the QApplication
// must exist.
void setUpApplication();

}  // namespace kovrel::gui
