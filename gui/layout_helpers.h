#pragma once
// Small building blocks shared by the pages of the design-conditions window:
// titled groups, compact label-and-field forms, fixed field widths.

#include <QString>
#include <string>

class QBoxLayout;
class QFormLayout;
class QGroupBox;
class QWidget;

namespace kovrel::gui {

class ControlBinder;

// Width of a numeric edit or combo, in pixels: room for "5800" or "0.675".
inline constexpr int kFieldWidth = 62;

QGroupBox* titledGroup(const QString& title, const QString& objectName = QString());
QFormLayout* compactForm(QWidget* parent = nullptr);
// One "label field" row: the control's catalogue label and its edit or combo.
void addField(QFormLayout* form, ControlBinder& binder, const std::string& name,
              int width = kFieldWidth);
// A form of the named fields in one group box.
QGroupBox* fieldGroup(const QString& title, ControlBinder& binder,
                      std::initializer_list<const char*> names, int width = kFieldWidth);
QBoxLayout* tightBox(QBoxLayout* layout);

}  // namespace kovrel::gui
