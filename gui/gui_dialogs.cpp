#include "gui/gui_dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace kovrel::gui {
namespace {

// The dialogs' filter: files of the extension "dat".
const char* const kFilter = "dat (*.dat)";

QWidget* owner() {
  return QApplication::activeWindow();
}

}  // namespace

QString messageText(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines) {
    // A line of the core may itself hold CR breaks (the load-combination
    // summary, the δ explanation); the box breaks at each.
    out << QString::fromStdString(line).replace('\r', '\n');
  }
  return out.join('\n');
}

QString messageText(const Message& message) {
  return messageText(message.lines);
}

void QtDialogs::showMessage(const Message& message) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (message.kind) {
    case MessageKind::Warn:
    case MessageKind::Block:
      icon = QMessageBox::Warning;
      break;
    case MessageKind::Error:
      icon = QMessageBox::Critical;
      break;
    case MessageKind::Info:
      icon = QMessageBox::Information;
      break;
  }
  QMessageBox box(icon, QApplication::applicationName(), messageText(message), QMessageBox::Ok,
                  owner());
  box.exec();
}

bool QtDialogs::askYesNo(const QString& text, std::optional<QPoint> at) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                  QMessageBox::Yes | QMessageBox::No, owner());
  box.setDefaultButton(QMessageBox::Yes);
  if (at) {
    // A moved widget keeps its place when shown instead of being centred.
    box.move(*at);
  }
  return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openConditionsFile() {
  return QFileDialog::getOpenFileName(owner(), QString(), QDir::currentPath(), kFilter);
}

QString QtDialogs::saveConditionsFile() {
  QFileDialog dialog(owner(), QString(), QDir::currentPath(), kFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("dat");
  // Asks before replacing an existing file (the dialog's default, kept on purpose).
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().front();
}

void QtDialogs::openWithViewer(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(path).absolutePath()));
}

}  // namespace kovrel::gui
