#pragma once
// Maps the results window's target names to the widgets that show them:
// list box → QListWidget, string grid → QTableWidget, chart → ChartView,
// group box → CaptionGroupBox (caption and its colour), fixed label → QLabel,
// track bar → QSlider, page control → QTabWidget whose tabs are its tab
// sheets. refresh() copies the whole model into every widget in one loop;
// what the user does (a page chosen, a track bar moved) goes to GuiSession.

#include <QObject>
#include <map>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QSlider;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace kovrel {
class ChartView;
}

namespace kovrel::gui {

class CaptionGroupBox;
class GuiSession;

class ResultsBinder : public QObject {
  Q_OBJECT

 public:
  explicit ResultsBinder(GuiSession& session, QObject* parent = nullptr);

  QListWidget* listBox(const std::string& name);
  QTableWidget* grid(const std::string& name);
  ChartView* chart(const std::string& name);
  CaptionGroupBox* groupBox(const std::string& name);
  QLabel* label(const std::string& name);
  QSlider* trackBar(const std::string& name);
  // A page control; its tab sheets are added with addPage in the model's order.
  QTabWidget* pageControl(const std::string& name);
  void addPage(const std::string& pageControl, const std::string& sheet, QWidget* page);

  // The widget bound to a name (a tab sheet's page too), or null.
  QWidget* widget(const std::string& name) const;
  // Every bound name, in binding order.
  std::vector<std::string> names() const;

  // Model to widgets; widgets that already show the model are left alone.
  void refresh();

 private:
  enum class Kind { List, Grid, Chart, Group, Label, Track, Pages, Sheet };
  struct Binding {
    std::string name;
    Kind kind;
    QWidget* widget;
  };
  void bind(const std::string& name, Kind kind, QWidget* widget);
  void refreshPages(const std::string& name, QTabWidget* tabs);

  GuiSession& session_;
  std::vector<Binding> bindings_;
  std::map<std::string, size_t, std::less<>> byName_;
};

}  // namespace kovrel::gui
