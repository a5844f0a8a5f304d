// The desktop program: one QApplication, the windows of the session, the
// event loop. Everything it shows comes from the core's model.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Kovrel");
  QMainWindow window;
  window.setWindowTitle("Kovrel");
  window.show();
  return app.exec();
}
