// SPDX-License-Identifier: MIT
#include "VexaButtonPlugin.h"

#include "../support/ButtonIcon.h"
#include "button/model/vexabutton_p.h"

#include <VexaButton/vexabutton.h>

#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>
#include <QMetaProperty>
#include <QPixmap>

namespace {

// The host of a control on a form being designed: design time, and the
// caption a new instance starts with. It lives as long as its control.
class DesignHost : public QObject, public platform::StandaloneHost {
public:
  explicit DesignHost(const QString& displayName) {
    setUserMode(false);
    setDisplayName(displayName);
  }
};

// Marks the properties of a vexabutton changed in Designer's property
// sheet, so the form saves them: a value that a style change set is then
// saved like one the designer typed, and the form loads back exactly,
// whether uic's code or QUiLoader builds the button. Pictures and the font
// are saved only once the designer sets them: an empty picture has nothing
// a form could hold (uic would warn of it), and a form keeps point sizes in
// whole points, so a new instance's 8.25 points stay until the font is
// changed. Designer shows Qt's own enabled, font and toolTip, which are the
// control's Enabled, Font and ToolTip.
//
// QAbstractButton's own entries (text, checkable, checked, icon, ...) are the
// control's Caption, Mode, Value and PictureNormal under Qt's names: Designer
// hides them, so each setting shows once. A button dropped on the form takes
// its object name as its caption.
void saveChosenProperties(QDesignerFormEditorInterface* core, QWidget* widget) {
  auto* button = qobject_cast<vexabutton*>(widget);
  if (!button)
    return;
  auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), widget);
  if (!sheet)
    return;
  for (int i = 0; i < sheet->count(); ++i)
    if (sheet->propertyGroup(i) == QLatin1String("QAbstractButton"))
      sheet->setVisible(i, false);
  // A form being loaded has set its caption by now; a dropped button still
  // has the one its host gave it.
  const DesignHost* host = nullptr;
  for (const QObject* child : button->children())
    host = host ? host : dynamic_cast<const DesignHost*>(child);
  const int caption = sheet->indexOf(QStringLiteral("Caption"));
  if (host && caption >= 0 && !button->objectName().isEmpty() && button->Caption() == host->ambientDisplayName(button))
    sheet->setProperty(caption, button->objectName());
  const QMetaObject& meta = vexabutton::staticMetaObject;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    const QMetaProperty property = meta.property(i);
    if (!property.isDesignable() || !property.isStored() || !property.isWritable() || property.isResettable() ||
        property.metaType() == QMetaType::fromType<QPixmap>())
      continue;
    const int index = sheet->indexOf(QString::fromLatin1(property.name()));
    if (index >= 0)
      sheet->setChanged(index, true);
  }
}

} // namespace

VexaButtonPlugin::VexaButtonPlugin(QObject* parent) : QObject(parent) {}

QString VexaButtonPlugin::name() const { return QStringLiteral("vexabutton"); }

QString VexaButtonPlugin::group() const { return QStringLiteral("Vexa Button"); }

QString VexaButtonPlugin::toolTip() const { return QStringLiteral("Owner-drawn button with fourteen styles"); }

QString VexaButtonPlugin::whatsThis() const {
  return QStringLiteral("An owner-drawn push, check or option button with fourteen visual styles, pictures with "
                        "effects, its own tooltips and an attachable drop-down menu.");
}

QString VexaButtonPlugin::includeFile() const { return QStringLiteral("VexaButton/vexabutton.h"); }

QIcon VexaButtonPlugin::icon() const {
  QIcon icon;
  for (int size : {16, 22, 32, 48})
    icon.addPixmap(QPixmap::fromImage(toolsupport::buttonIcon(size, size >= 32 ? QStringLiteral("ab") : QString())));
  return icon;
}

QWidget* VexaButtonPlugin::createWidget(QWidget* parent) {
  ++created_;
  vexabutton* button = nullptr;
  if (designTime_) {
    auto* host = new DesignHost(QStringLiteral("vexabutton%1").arg(created_));
    button = new vexabutton(parent, host);
    host->setParent(button);
    initProperties(*button);
  } else {
    button = new vexabutton(parent);
    button->loadNewInstance();
    // The form sets its properties once the button exists; its values are
    // looked at when that is done.
    QMetaObject::invokeMethod(button, &vexabutton::warnOfUnlistedValues, Qt::QueuedConnection);
  }
  return button;
}

void VexaButtonPlugin::initialize(QDesignerFormEditorInterface* core) {
  if (initialized_)
    return;
  initialized_ = true;
  designTime_ = true;
  if (!core || !core->formWindowManager())
    return;
  connect(core->formWindowManager(), &QDesignerFormWindowManagerInterface::formWindowAdded, this,
          [core](QDesignerFormWindowInterface* form) {
            connect(form, &QDesignerFormWindowInterface::widgetManaged, form,
                    [core](QWidget* widget) { saveChosenProperties(core, widget); });
          });
}

QString VexaButtonPlugin::domXml() const {
  return QStringLiteral(R"(<ui language="c++" displayname="vexabutton">
 <widget class="vexabutton" name="vexaButton">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>121</width><height>33</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>vexabutton</class>
   <extends>QWidget</extends>
   <header>VexaButton/vexabutton.h</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}
