#pragma once
// Maps the design conditions' control names to the widgets that show them,
// both ways: the binder makes each widget from the control's catalogue entry
// (label, items, kind), sends what the user does to GuiSession::enter (the
// same path as the command line's --set), and refresh() copies the model back
// into every widget in one loop: text, item, check state, enabled flag,
// background and font colour.

#include <QColor>
#include <QObject>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "base/colour.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabBar;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace kovrel::gui {

class GuiSession;

// A colour as the window toolkit numbers it; the window colour is white.
QColor toQColor(Colour colour);

class ControlBinder : public QObject {
  Q_OBJECT

 public:
  explicit ControlBinder(GuiSession& session, QObject* parent = nullptr);

  // The control's label as shown beside it.
  QLabel* label(const std::string& name);
  // An edit; with `hintOnly` its catalogue label becomes its tooltip (the
  // wall dimensions sit on the picture without captions).
  QLineEdit* edit(const std::string& name, bool hintOnly = false);
  QComboBox* combo(const std::string& name);
  // A radio group as a group box titled with the label, its items in
  // `columns` columns.
  QGroupBox* radio(const std::string& name, int columns = 1, const QString& title = QString());
  QCheckBox* check(const std::string& name);
  QTabBar* tabSet(const std::string& name);
  void pageControl(const std::string& name, QTabWidget* tabs);
  // StringGrid2: editable thickness and N value, the soil type cycles on a click.
  QTableWidget* layerGrid(const std::string& name);

  QWidget* widget(const std::string& name) const;
  // Every bound control name, in binding order.
  std::vector<std::string> names() const;

  // Model to widgets. Widgets whose value already matches are left alone, so
  // the cursor of an edit being typed in stays where it is.
  void refresh();

 signals:
  // A mouse press in a bound edit (the numeric keypad opens below it).
  void editPressed(const QString& name, QLineEdit* edit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Binding {
    std::string name;
    QWidget* widget = nullptr;
    QButtonGroup* buttons = nullptr;  // radio groups
  };
  void bind(const std::string& name, QWidget* widget, QButtonGroup* buttons = nullptr);
  void refreshOne(const Binding& b);

  GuiSession& session_;
  std::vector<Binding> bindings_;
  std::map<std::string, size_t> byName_;
};

}  // namespace kovrel::gui
