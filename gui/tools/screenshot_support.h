#pragma once
// What both screenshot tools share: dialogs that answer Yes without a window
// and print every message, and the folder the pictures go to with a count
// of those written.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <cstdio>
#include <optional>

#include "gui/gui_dialogs.h"

namespace kovrel::gui::screenshots {

class SilentDialogs : public GuiDialogs {
 public:
  void showMessage(const kovrel::Message& m) override {
    std::fprintf(stderr, "message: %s\n", messageText(m).toUtf8().constData());
  }
  bool askYesNo(const QString&, std::optional<QPoint>) override { return true; }
  QString openConditionsFile() override { return {}; }
  QString saveConditionsFile() override { return {}; }
  void openWithViewer(const QString&) override {}
};

inline QDir out;
inline int written = 0;

// The folder from the first argument (default "screenshots"), created.
inline void setOutput(int argc, char** argv) {
  out = QDir(argc > 1 ? argv[1] : "screenshots");
  out.mkpath(".");
}

inline void saveImage(const QImage& image, const QString& name) {
  if (image.save(out.filePath(name + ".png"))) ++written;
}

// The widget as it shows once pending events have run.
inline void save(QWidget* w, const QString& name) {
  QApplication::processEvents();
  saveImage(w->grab().toImage(), name);
}

}  // namespace kovrel::gui::screenshots
