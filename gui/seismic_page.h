#pragma once
// The page "(4)設計震度" of the design-conditions window: kh0 × Cz = kh, the
// standard-value and ground-type tables, the soil layers with the Tg button,
// the prefecture-initial buttons and the zone and municipality lists. Every
// click goes to the core's seismic aids through GuiSession.

#include <QWidget>

class QListWidget;
class QTabWidget;
class QTableWidget;

namespace kovrel::gui {

class ControlBinder;
class GuiSession;

class SeismicPage : public QWidget {
  Q_OBJECT

 public:
  SeismicPage(GuiSession& session, ControlBinder& binder, QWidget* parent = nullptr);

  QTableWidget* standardValues() const { return standardValues_; }  // StringGrid1
  QTableWidget* groundTypes() const { return groundTypes_; }        // StringGrid3
  QListWidget* zones() const { return zones_; }                     // ListBox1
  QListWidget* municipalities() const { return municipalities_; }   // ListBox2
  QTabWidget* aidPages() const { return aidPages_; }

  void refresh();

 private:
  QWidget* standardValuePage(ControlBinder& binder);
  QWidget* zonePage();

  GuiSession& session_;
  QTabWidget* aidPages_ = nullptr;
  QTableWidget* standardValues_ = nullptr;
  QTableWidget* groundTypes_ = nullptr;
  QTableWidget* layers_ = nullptr;
  QListWidget* zones_ = nullptr;
  QListWidget* municipalities_ = nullptr;
};

}  // namespace kovrel::gui
