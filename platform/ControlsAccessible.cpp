// SPDX-License-Identifier: MIT
// The standard controls as assistive technology sees them.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Later.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace platform {

namespace {

// A part of a label with no widget of its own and no children.
class LabelPartAccessible : public QAccessibleInterface {
public:
  explicit LabelPartAccessible(Label* label) : label_(label) {}
  bool isValid() const override { return !label_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return label_ ? label_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(label_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

protected:
  QPointer<Label> label_;
};

// What a label last announced: a notification inside it, with no extent of
// its own, so that reading the label's area does not repeat it.
class AnnouncementAccessible : public LabelPartAccessible {
public:
  using LabelPartAccessible::LabelPartAccessible;
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && label_ ? label_->Announcement() : QString();
  }
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !label_ || label_->Announcement().isEmpty();
    return state;
  }
};

// One line of a label that reads as a list.
class LineAccessible : public LabelPartAccessible {
public:
  LineAccessible(Label* label, int line) : LabelPartAccessible(label), line_(line) {}
  bool isValid() const override { return label_ && line_ < label_->Lines().size(); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? label_->Lines().at(line_) : QString();
  }
  QRect rect() const override {
    if (!isValid())
      return {};
    const QRect local = label_->lineRect(line_);
    return QRect(label_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid())
      return state;
    const bool current = label_->CurrentLine() == line_;
    state.focusable = label_->focusPolicy() != Qt::NoFocus;
    state.selectable = true;
    state.readOnly = true;
    state.selected = current;
    state.focused = current && label_->hasFocus();
    state.invisible = !label_->isVisible();
    return state;
  }

private:
  int line_;
};

class LabelAccessible : public QAccessibleWidget {
public:
  explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  ~LabelAccessible() override {
    for (QAccessible::Id id : std::as_const(childIds_))
      if (id)
        QAccessible::deleteAccessibleInterface(id);
  }
  Label* label() const { return static_cast<Label*>(widget()); }

  // A list has its lines as children; a status line holds the notification
  // of what it last announced.
  int childCount() const override {
    if (label()->LinesAsList())
      return int(label()->Lines().size());
    return announces() ? 1 : 0;
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount())
      return nullptr;
    if (index >= childIds_.size())
      childIds_.resize(index + 1, 0);
    QAccessible::Id& id = childIds_[index];
    if (!id) {
      QAccessibleInterface* made = label()->LinesAsList()
                                       ? static_cast<QAccessibleInterface*>(new LineAccessible(label(), index))
                                       : new AnnouncementAccessible(label());
      id = QAccessible::registerAccessibleInterface(made);
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; child && i < childIds_.size(); ++i)
      if (childIds_[i] && QAccessible::accessibleInterface(childIds_[i]) == child)
        return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; label()->LinesAsList() && i < childCount(); ++i)
      if (QAccessibleInterface* line = child(i); line->rect().contains(x, y))
        return line;
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return label()->LinesAsList() && label()->hasFocus() ? child(label()->CurrentLine()) : nullptr;
  }

  QAccessible::Role role() const override {
    return label()->LinesAsList() ? QAccessible::List : label()->AccessibleRole();
  }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || label()->AccessibleHidden())
      return QAccessibleWidget::text(t);
    if (!label()->accessibleName().isEmpty())
      return label()->accessibleName();
    // A list is named by its heading, its lines are read one by one.
    if (label()->LinesAsList()) {
      const auto headings = relations(QAccessible::Label);
      return headings.isEmpty() ? QString() : headings.first().first->text(QAccessible::Name);
    }
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

private:
  bool announces() const { return label()->AccessibleRole() == QAccessible::StatusBar; }
  mutable QList<QAccessible::Id> childIds_;
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

// The list keeps the name its window gives it ("Kuca 3, Omiljeno pice")
// whatever is chosen; the chosen entry is its value and its text, which is
// all selected, as a closed list shows it. The popup list is its one child.
class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit ComboBoxAccessible(ComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
  ComboBox* box() const { return static_cast<ComboBox*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The tooltip, which shows the entry whole, is no description: it would
  // repeat the entry.
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value)
      return box()->Text();
    if (t == QAccessible::Description)
      return box()->accessibleDescription();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = box()->view()->isVisible();
    state.hasPopup = true;
    return state;
  }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && child->object() == box()->view() ? 0 : -1;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& name) override {
    if (name != showMenuAction() && name != pressAction())
      return;
    platform::later(box(), [](ComboBox* target) { target->showPopup(); });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  // Text: the chosen entry, selected whole.
  QString text(int start, int end) const override { return box()->Text().mid(start, std::max(0, end - start)); }
  int characterCount() const override { return int(box()->Text().size()); }
  int selectionCount() const override { return box()->Text().isEmpty() ? 0 : 1; }
  void selection(int index, int* start, int* end) const override {
    *start = 0;
    *end = index == 0 ? characterCount() : 0;
  }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
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
  if (className == QLatin1String("platform::ComboBox"))
    return new ComboBoxAccessible(static_cast<ComboBox*>(object));
  // A program window, with its caption as the name (a screen reader finds
  // the status line of a frame).
  if (className == QLatin1String("platform::Form") && static_cast<QWidget*>(object)->isWindow())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  return nullptr;
}

} // namespace

// Qt keeps a factory once, however often it is installed.
void installAccessibleFactory() { QAccessible::installFactory(&factory); }

} // namespace platform
