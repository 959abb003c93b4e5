#pragma once

#include <QRect>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "frontends/qt/qt_list_view.h"
#include "res/dialog_templates.h"

class QWidget;

// The controls of a dialog template, built as child widgets.
struct TemplateControls {
  std::map<int, QWidget*> byId;  // controls with an id of their own (statics use -1)
  std::vector<QWidget*> tabOrder;  // the controls that take the focus, in template order
  std::map<int, std::unique_ptr<QtListView>> lists;
};

// Pixels of a control's box given in dialog units.
QRect ControlRect(const ControlTemplate& control);

// Builds every control of layout as a child of parent at its place. A click on a button
// reports the button's id to onButton. The default button becomes the dialog's default.
TemplateControls BuildControls(const DialogTemplate& layout, QWidget* parent,
                               const std::function<void(int)>& onButton);
