#include "gui/layout_helpers.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/control_binder.h"
#include "gui/gui_session.h"

namespace kovrel::gui {

QGroupBox* titledGroup(const QString& title, const QString& objectName) {
  auto* g = new QGroupBox(title);
  if (!objectName.isEmpty()) g->setObjectName(objectName);
  return g;
}

QFormLayout* compactForm(QWidget* parent) {
  auto* f = new QFormLayout(parent);
  f->setContentsMargins(6, 4, 6, 4);
  f->setHorizontalSpacing(4);
  f->setVerticalSpacing(3);
  f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  return f;
}

void addField(QFormLayout* form, ControlBinder& binder, const std::string& name, int width) {
  QLabel* label = binder.label(name);
  QWidget* field = nullptr;
  if (name.rfind("ComboBox", 0) == 0) {
    field = binder.combo(name);
  } else {
    field = binder.edit(name);
  }
  field->setFixedWidth(width);
  label->setBuddy(field);
  form->addRow(label, field);
}

QGroupBox* fieldGroup(const QString& title, ControlBinder& binder,
                      std::initializer_list<const char*> names, int width) {
  QGroupBox* g = titledGroup(title);
  QFormLayout* f = compactForm(g);
  for (const char* name : names) addField(f, binder, name, width);
  return g;
}

QBoxLayout* tightBox(QBoxLayout* layout) {
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  return layout;
}

}  // namespace kovrel::gui
