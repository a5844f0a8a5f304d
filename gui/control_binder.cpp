#include "gui/control_binder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "gui/gui_session.h"

namespace kovrel::gui {
namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

// Sets a palette role in every colour group when it differs, so the colour
// shows whether the control is enabled or not.
void setRole(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  if (w->palette().color(QPalette::Active, role) == colour &&
      w->palette().color(QPalette::Disabled, role) == colour) {
    return;
  }
  QPalette p = w->palette();
  p.setColor(QPalette::Active, role, colour);
  p.setColor(QPalette::Inactive, role, colour);
  p.setColor(QPalette::Disabled, role, colour);
  w->setPalette(p);
}

const int kSoilTypeColumn = 3;

}  // namespace

QColor toQColor(Colour colour) {
  if (colour == clWindow) return QColor(Qt::white);
  const auto v = static_cast<std::uint32_t>(colour);
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

ControlBinder::ControlBinder(GuiSession& session, QObject* parent)
    : QObject(parent), session_(session) {}

void ControlBinder::bind(const std::string& name, QWidget* widget, QButtonGroup* buttons) {
  widget->setObjectName(q(name));
  byName_[name] = bindings_.size();
  bindings_.push_back({name, widget, buttons});
}

QWidget* ControlBinder::widget(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : bindings_[it->second].widget;
}

std::vector<std::string> ControlBinder::names() const {
  std::vector<std::string> out;
  for (const Binding& b : bindings_) out.push_back(b.name);
  return out;
}

QLabel* ControlBinder::label(const std::string& name) {
  auto* l = new QLabel(q(session_.conditions().control(name).label));
  l->setObjectName(q(name + ".label"));
  return l;
}

QLineEdit* ControlBinder::edit(const std::string& name, bool hintOnly) {
  const Control& c = session_.conditions().control(name);
  auto* e = new QLineEdit;
  if (hintOnly) e->setToolTip(q(c.label));
  e->setAlignment(Qt::AlignRight);
  e->installEventFilter(this);
  bind(name, e);
  connect(e, &QLineEdit::textEdited, this,
          [this, name](const QString& text) { session_.enter(name, text.toStdString()); });
  return e;
}

QComboBox* ControlBinder::combo(const std::string& name) {
  const Control& c = session_.conditions().control(name);
  auto* box = new QComboBox;
  box->setEditable(true);
  // The text is the value, exactly as typed: an entry is never added to the
  // items, and no inline completion shows a text the model does not hold.
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  for (const std::string& item : c.items) box->addItem(q(item));
  box->setMaxVisibleItems(12);
  bind(name, box);
  connect(box->lineEdit(), &QLineEdit::textEdited, this,
          [this, name](const QString& text) { session_.enter(name, text.toStdString()); });
  connect(box, &QComboBox::textActivated, this,
          [this, name](const QString& text) { session_.enter(name, text.toStdString()); });
  if (name == "ComboBox5" || name == "ComboBox6") {
    connect(box->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { session_.finishSeismicFactor(); });
  }
  return box;
}

QGroupBox* ControlBinder::radio(const std::string& name, int columns, const QString& title) {
  const Control& c = session_.conditions().control(name);
  auto* group = new QGroupBox(title.isNull() ? q(c.label) : title);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(1);
  auto* buttons = new QButtonGroup(group);
  const int rows = (int(c.items.size()) + columns - 1) / columns;
  for (size_t i = 0; i < c.items.size(); ++i) {
    auto* b = new QRadioButton(q(c.items[i]));
    b->setObjectName(q(name + "." + std::to_string(i)));
    buttons->addButton(b, int(i));
    grid->addWidget(b, int(i) % rows, int(i) / rows);
  }
  bind(name, group, buttons);
  connect(buttons, &QButtonGroup::idClicked, this,
          [this, name](int id) { session_.enter(name, std::to_string(id)); });
  return group;
}

QCheckBox* ControlBinder::check(const std::string& name) {
  const Control& c = session_.conditions().control(name);
  auto* box = new QCheckBox(q(c.label));
  bind(name, box);
  connect(box, &QCheckBox::clicked, this,
          [this, name](bool on) { session_.enter(name, on ? "1" : "0"); });
  return box;
}

QTabBar* ControlBinder::tabSet(const std::string& name) {
  const Control& c = session_.conditions().control(name);
  auto* bar = new QTabBar;
  for (const std::string& item : c.items) bar->addTab(q(item));
  bar->setExpanding(false);
  bind(name, bar);
  connect(bar, &QTabBar::currentChanged, this,
          [this, name](int index) { session_.enter(name, std::to_string(index)); });
  return bar;
}

void ControlBinder::pageControl(const std::string& name, QTabWidget* tabs) {
  bind(name, tabs);
  connect(tabs, &QTabWidget::currentChanged, this,
          [this, name](int index) { session_.enter(name, std::to_string(index)); });
}

QTableWidget* ControlBinder::layerGrid(const std::string& name) {
  const Control& c = session_.conditions().control(name);
  auto* table = new QTableWidget(c.rowCount, c.colCount);
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < c.rowCount; ++row) {
    for (int col = 0; col < c.colCount; ++col) {
      auto* item = new QTableWidgetItem;
      // The heading row and the layer numbers are fixed; the soil type is
      // chosen by clicking, not typed.
      if (row == 0 || col == 0 || col == kSoilTypeColumn) {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      if (row == 0 || col == 0) item->setBackground(QColor(224, 224, 224));
      item->setTextAlignment(Qt::AlignCenter);
      table->setItem(row, col, item);
    }
  }
  bind(name, table);
  connect(table, &QTableWidget::itemChanged, this, [this, name](QTableWidgetItem* item) {
    session_.enter(
        name + "[" + std::to_string(item->column()) + "," + std::to_string(item->row()) + "]",
        item->text().toStdString());
  });
  connect(table, &QTableWidget::cellClicked, this,
          [this](int row, int col) { session_.clickSoilTypeCell(col, row); });
  return table;
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (auto* e = qobject_cast<QLineEdit*>(watched)) emit editPressed(e->objectName(), e);
  }
  return QObject::eventFilter(watched, event);
}

void ControlBinder::refresh() {
  for (const Binding& b : bindings_) refreshOne(b);
}

void ControlBinder::refreshOne(const Binding& b) {
  const Control& c = session_.conditions().control(b.name);
  QSignalBlocker block(b.widget);
  if (b.widget->isEnabled() != c.enabled) b.widget->setEnabled(c.enabled);
  switch (c.kind) {
    case ControlKind::Edit: {
      auto* e = static_cast<QLineEdit*>(b.widget);
      if (e->text() != q(c.text)) e->setText(q(c.text));
      setRole(e, QPalette::Base, toQColor(c.colour));
      break;
    }
    case ControlKind::Combo: {
      auto* box = static_cast<QComboBox*>(b.widget);
      QSignalBlocker blockEdit(box->lineEdit());
      if (box->currentText() != q(c.text)) {
        const int item = box->findText(q(c.text));
        if (item >= 0) box->setCurrentIndex(item);
        box->setEditText(q(c.text));
      }
      setRole(box, QPalette::Base, toQColor(c.colour));
      break;
    }
    case ControlKind::Radio: {
      QAbstractButton* button = b.buttons->button(c.index);
      if (button && !button->isChecked()) {
        button->setChecked(true);
      } else if (!button && b.buttons->checkedButton()) {
        // An index outside the items shows no item chosen.
        b.buttons->setExclusive(false);
        b.buttons->checkedButton()->setChecked(false);
        b.buttons->setExclusive(true);
      }
      break;
    }
    case ControlKind::Check: {
      auto* box = static_cast<QCheckBox*>(b.widget);
      if (box->isChecked() != c.checked) box->setChecked(c.checked);
      setRole(box, QPalette::WindowText, toQColor(c.colour));
      break;
    }
    case ControlKind::TabSet: {
      auto* bar = static_cast<QTabBar*>(b.widget);
      if (bar->currentIndex() != c.index) bar->setCurrentIndex(c.index);
      break;
    }
    case ControlKind::PageControl: {
      auto* tabs = static_cast<QTabWidget*>(b.widget);
      if (tabs->currentIndex() != c.index) tabs->setCurrentIndex(c.index);
      break;
    }
    case ControlKind::Grid: {
      auto* table = static_cast<QTableWidget*>(b.widget);
      for (int row = 0; row < c.rowCount && row < table->rowCount(); ++row) {
        for (int col = 0; col < c.colCount && col < table->columnCount(); ++col) {
          const QString text = q(c.cells[size_t(row * c.colCount + col)]);
          QTableWidgetItem* item = table->item(row, col);
          if (item && item->text() != text) item->setText(text);
        }
      }
      break;
    }
  }
}

}  // namespace kovrel::gui
