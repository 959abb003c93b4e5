#include "frontends/qt/template_controls.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "frontends/qt/qt_strings.h"

namespace {

// Icons keep their own size, as the platform draws them, whatever box the template gives.
constexpr int ICON_PIXELS = 32;

QWidget* MakeButton(const ControlTemplate& control, QWidget* parent,
                    const std::function<void(int)>& onButton) {
  auto* button = new QPushButton(ToQString(control.text), parent);
  button->setDefault(control.type == ControlType::DefaultButton);
  const int id = control.id;
  QObject::connect(button, &QPushButton::clicked, button, [onButton, id] { onButton(id); });
  return button;
}

QWidget* MakeIcon(const ControlTemplate& control, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(QApplication::windowIcon().pixmap(ICON_PIXELS, ICON_PIXELS));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(QRect(ControlRect(control).topLeft(), QSize(ICON_PIXELS, ICON_PIXELS)));
  return label;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent,
                     const std::function<void(int)>& onButton, TemplateControls& built) {
  switch (control.type) {
    case ControlType::DefaultButton:
    case ControlType::Button:
      return MakeButton(control, parent, onButton);
    case ControlType::Edit:
      return new QLineEdit(ToQString(control.text), parent);
    case ControlType::Static: {
      auto* label = new QLabel(ToQString(control.text), parent);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlType::ListView: {
      auto list = std::make_unique<QtListView>(parent);
      QWidget* table = list->Table();
      built.lists[control.id] = std::move(list);
      return table;
    }
    case ControlType::Icon:
      return MakeIcon(control, parent);
  }
  return nullptr;
}

}  // namespace

QRect ControlRect(const ControlTemplate& control) {
  return QRect(DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y),
               DialogUnitsToPixelsX(control.width), DialogUnitsToPixelsY(control.height));
}

TemplateControls BuildControls(const DialogTemplate& layout, QWidget* parent,
                               const std::function<void(int)>& onButton) {
  TemplateControls built;
  for (const ControlTemplate& control : layout.controls) {
    QWidget* widget = MakeControl(control, parent, onButton, built);
    if (widget == nullptr) continue;
    if (control.type != ControlType::Icon) widget->setGeometry(ControlRect(control));
    if (control.id >= 0 && built.byId.count(control.id) == 0) built.byId[control.id] = widget;
    if (widget->focusPolicy() != Qt::NoFocus) built.tabOrder.push_back(widget);
  }
  for (std::size_t i = 1; i < built.tabOrder.size(); ++i) {
    QWidget::setTabOrder(built.tabOrder[i - 1], built.tabOrder[i]);
  }
  return built;
}
