// The standard controls as assistive technology sees them.

#include "platform/Controls.h"

#include <QAccessibleWidget>

namespace platform {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
  explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  Label* label() const { return static_cast<Label*>(widget()); }

  QAccessible::Role role() const override { return label()->AccessibleRole(); }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || label()->AccessibleHidden())
      return QAccessibleWidget::text(t);
    if (!label()->accessibleName().isEmpty())
      return label()->accessibleName();
    // Every line break of the caption as one "\n".
    QString name = label()->Caption();
    name.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    name.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return name;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (label()->AccessibleHidden())
      state.invisible = true;
    return state;
  }

  // A heading labels the widget it stands over; that widget is labelled by
  // every sibling heading that names it.
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Labelled) && label()->LabelFor())
      if (QAccessibleInterface* target = QAccessible::queryAccessibleInterface(label()->LabelFor()))
        found.append({target, QAccessible::Labelled});
    if ((match & QAccessible::Label) && label()->parentWidget())
      for (Label* sibling : label()->parentWidget()->findChildren<Label*>(Qt::FindDirectChildrenOnly))
        if (sibling->LabelFor() == label())
          if (QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(sibling))
            found.append({heading, QAccessible::Label});
    return found;
  }
};

class FrameAccessible : public QAccessibleWidget {
public:
  explicit FrameAccessible(Frame* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return static_cast<Frame*>(widget())->Caption();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType())
    return nullptr;
  if (className == QLatin1String("platform::Label"))
    return new LabelAccessible(static_cast<Label*>(object));
  if (className == QLatin1String("platform::Frame"))
    return new FrameAccessible(static_cast<Frame*>(object));
  if (className == QLatin1String("platform::PictureBox"))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  return nullptr;
}

} // namespace

// Qt keeps a factory once, however often it is installed.
void installAccessibleFactory() { QAccessible::installFactory(&factory); }

} // namespace platform
