#include "gui/program.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>

#include "gui/fonts.h"
#include "gui/gui_dialogs.h"
#include "gui/gui_session.h"
#include "gui/icons.h"
#include "gui/main_window.h"

namespace kovrel::gui {

void setUpApplication() {
  QApplication::setApplicationName("Kovrel");
  QApplication::setApplicationVersion("3.1");
  QApplication::setWindowIcon(programIcon("kovrel"));
  installFontSubstitutions();
  QApplication::setFont(windowFont());
  // A disabled edit shows its text in grey on silver, readable as on the
  // platform the window was designed for (the style's own grey vanishes).
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  QApplication::setPalette(palette);
}

Program::Program(GuiDialogs* dialogs) {
  setUpApplication();
  if (!dialogs) {
    ownDialogs_ = std::make_unique<QtDialogs>();
    dialogs = ownDialogs_.get();
  }
  session_ = std::make_unique<GuiSession>(*dialogs);
  window_ = std::make_unique<MainWindow>(*session_);
}

Program::~Program() = default;

void Program::start(const QStringList& arguments) {
  // Maximised; without a window manager to honour that, the screen's size.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    window_->setGeometry(screen->availableGeometry());
  }
  window_->showMaximized();
  // The first argument that is no option names a design-condition file.
  for (const QString& argument : arguments.mid(1)) {
    if (argument.startsWith('-')) continue;
    session_->load(argument, false);
    break;
  }
}

}  // namespace kovrel::gui
