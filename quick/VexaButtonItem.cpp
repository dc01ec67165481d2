// SPDX-License-Identifier: MIT
// The Qt Quick face of the control. The item keeps a record like the
// widget's, draws it with the same renderers into the same kind of surface
// at its window's device pixel ratio, and shows the surface's pixels one for
// one through the scene graph. Its mouse, hover, key and focus events go to
// the shared input rules (ButtonInput.cpp); the property rules with side
// effects are the widget's (PropertyRules.h), and a stored layout is read
// by the widget's load pass (StoredLayout.h).

#include "quick/VexaButtonItem.h"

#include "button/model/ButtonProperties.h"
#include "button/model/ButtonServices.h"
#include "button/model/PropertyRules.h"
#include "button/model/StoredLayout.h"
#include "button/render/ColorKit.h"
#include "button/render/Pictures.h"
#include "button/render/Redraw.h"
#include "button/render/VisualStyles.h"
#include "platform/Files.h"
#include "platform/HostFont.h"
#include "platform/PopupMenu.h"
#include "platform/TooltipWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlFile>
#include <QQmlProperty>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QScopedValueRollback>
#include <QStyleHints>

#include <limits>

namespace {

Q_LOGGING_CATEGORY(quickLog, "vexabutton.quick")

// The longest caption the control takes (as the widget).
constexpr int MaxCaptionLength = 32767;
constexpr int MinimumSizePixels = 15;
constexpr int MaximumSizePixels = vexa::MaximumContentExtent;

// Every item, so that a window's keys find its Default, Cancel and access keys.
QList<QPointer<VexaButtonItem>>& allItems() {
  static QList<QPointer<VexaButtonItem>> items;
  return items;
}

// The item that holds the left press now (one press at a time).
QPointer<VexaButtonItem>& leftPressHolder() {
  static QPointer<VexaButtonItem> holder;
  return holder;
}

// A QML colour as a stored colour (0x00BBGGRR); an invalid one is refused.
std::optional<qint32> storedColour(const QColor& colour) {
  if (!colour.isValid())
    return std::nullopt;
  const QRgb rgb = colour.rgb();
  return qint32(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

QColor shownColour(qint32 stored) {
  const platform::Colour rgb = vexa::TranslateColor(stored);
  if (rgb == -1)
    return QColor();
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// The font a new item draws in, and a stored layout's missing Font: the
// control's default (Tahoma, 8.25 points), as for a button on a form.
platform::SharedFontPtr newInstanceFont() { return std::make_shared<platform::SharedFont>(); }

// The bytes of a file, or of a resource (a path ":/..." from a qrc: URL),
// up to `maxBytes`; nothing, and why, when they cannot be read.
std::optional<QByteArray> readSource(const QString& path, qint64 maxBytes, QString* why) {
  if (!path.startsWith(QLatin1Char(':')))
    return platform::readRegularFile(path, maxBytes, why);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *why = QStringLiteral("no such resource");
    return std::nullopt;
  }
  if (file.size() > maxBytes) {
    *why = QStringLiteral("the resource is too large (%1 bytes; up to %2 are read)").arg(file.size()).arg(maxBytes);
    return std::nullopt;
  }
  return file.readAll();
}

// The System look draws the application style's push button, which only a
// QApplication has; under a QGuiApplication it falls back to the
// RoundedGradient look, as on a desktop without visual styles.
bool visualStylesAvailable() { return qobject_cast<QApplication*>(QCoreApplication::instance()) && vexa::IsThemed(); }

} // namespace

// The values compared at the end of a change.
struct VexaButtonItem::Snapshot {
  vexa::StoredValues values;
};

// ---- The window's keys and colours -----------------------------------------------

// Enter and Esc are the window's keys: Enter clicks the Default button
// unless the focus is on a button (which takes Enter itself), Esc the
// Cancel button. Alt with a caption's access key clicks its button; two
// buttons with one key move the focus between them. A change of the
// application's palette reaches the window's buttons. One watch per window,
// owned by it.
class WindowKeys : public QObject {
public:
  static void watch(QQuickWindow* window) {
    if (!window->findChild<QObject*>(name(), Qt::FindDirectChildrenOnly))
      window->installEventFilter(new WindowKeys(window));
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != parent())
      return false;
    // The desktop's colours changed (Qt tells each window): every button
    // of the window draws in them, as the widget does on its palette change.
    if (event->type() == QEvent::ApplicationPaletteChange) {
      for (const QPointer<VexaButtonItem>& item : allItems())
        if (item && item->window() == watched)
          item->systemColoursChanged();
      return false;
    }
    if (event->type() != QEvent::KeyPress)
      return false;
    // A key reaches a whole Qt Quick window (a window being destroyed is no
    // longer one, and gets none).
    auto* window = static_cast<QQuickWindow*>(parent());
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool escape = key->key() == Qt::Key_Escape;
    if ((enter || escape) && modifiers == Qt::NoModifier) {
      if (enter && qobject_cast<VexaButtonItem*>(window->activeFocusItem()))
        return false;
      for (VexaButtonItem* item : itemsOf(window))
        if (enter ? item->isDefault_ : item->cancel_) {
          vexa::input::accessKey(*item, enter ? vexa::KeyCode::Enter : vexa::KeyCode::Escape);
          return true;
        }
      return false;
    }
    if (modifiers != Qt::AltModifier)
      return false;
    const QString text = QKeySequence(key->key()).toString().toLower();
    QList<VexaButtonItem*> matching;
    for (VexaButtonItem* item : itemsOf(window))
      if (!item->accessKeys_.isEmpty() && item->accessKeys_ == text)
        matching.append(item);
    if (matching.isEmpty())
      return false;
    if (matching.size() == 1) {
      VexaButtonItem* item = matching.first();
      vexa::input::accessKey(*item, qint16(item->accessKeys_.at(0).unicode()));
      return true;
    }
    // Ambiguous: the focus goes to the next of them.
    const qsizetype current = matching.indexOf(qobject_cast<VexaButtonItem*>(window->activeFocusItem()));
    matching.at((current + 1) % matching.size())->forceActiveFocus(Qt::ShortcutFocusReason);
    return true;
  }

private:
  explicit WindowKeys(QQuickWindow* window) : QObject(window) { setObjectName(name()); }
  static QString name() { return QStringLiteral("vexabutton window keys"); }

  // The enabled, visible items of the window.
  static QList<VexaButtonItem*> itemsOf(QQuickWindow* window) {
    QList<VexaButtonItem*> items;
    for (const QPointer<VexaButtonItem>& item : allItems())
      if (item && item->window() == window && item->isVisible() && item->isEnabled())
        items.append(item);
    return items;
  }
};

// ---- Creation ------------------------------------------------------------------

VexaButtonItem::VexaButtonItem(QQuickItem* parent) : QQuickItem(parent) {
  setFlag(ItemHasContents);
  setFlag(ItemIsFocusScope, false);
  setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
  setAcceptHoverEvents(true);
  setActiveFocusOnTab(true);

  vexa::BuildEffectTables(rec);
  rec.UnicodeText = true;
  rec.VisualStylesActive = visualStylesAvailable();
  vexa::StoredValues values{rec, 0, nullptr};
  vexa::setNewInstanceValues(values);
  rec = std::move(values.rec);
  mousePointer_ = values.mousePointer;
  mouseIcon_ = std::move(values.mouseIcon);
  rec.mFont = newInstanceFont();
  rec.UserMode = true;
  surface_.setFont(rec.mFont->toQFont());
  surface_.setTextColor(vexa::TranslateColor(rec.ForeColor));
  surface_.setPalette(QGuiApplication::palette());
  allItems().append(this);
  updateImplicitSize();
  // An item given its parent on construction got its window before it was
  // one of these.
  if (window())
    followWindow();
}

VexaButtonItem::~VexaButtonItem() {
  // The item is no item of this class while its bases are destroyed: the
  // window's focus change and the menu's closing reach it no more.
  for (const QMetaObject::Connection& connection :
       {activeConnection_, focusConnection_, menuConnections_[0], menuConnections_[1]})
    QObject::disconnect(connection);
  allItems().removeAll(QPointer<VexaButtonItem>(this));
  delete tooltip_.data();
}

void VexaButtonItem::componentComplete() {
  QQuickItem::componentComplete();
  // The properties a QML declaration gives hold together, whatever order
  // QML set them in: the look first (it brings its colours), its colour
  // scheme next, then the others in the order of the property list.
  const QList<std::pair<QByteArray, QVariant>> declared = std::exchange(declared_, {});
  const QMetaObject* meta = metaObject();
  const auto rank = [meta](const QByteArray& name) {
    return name == "buttonStyle" ? 0 : name == "colorScheme" ? 1 : 2 + meta->indexOfProperty(name.constData());
  };
  QList<std::pair<int, const std::pair<QByteArray, QVariant>*>> order;
  for (const auto& entry : declared)
    order.append({rank(entry.first), &entry});
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  const QPointer<VexaButtonItem> alive(this);
  for (const auto& [r, entry] : order) {
    meta->property(meta->indexOfProperty(entry->first.constData())).write(this, entry->second);
    if (!alive)
      return;
  }
  setAccessibleState();
  if (window() && window() != window_)
    followWindow();
  redraw();
}

// ---- Changes ---------------------------------------------------------------------

// A property a QML declaration sets before the item is complete, kept to
// be set again in order at the end of the declaration.
void VexaButtonItem::declare(const char* name, const QVariant& value) {
  if (isComponentComplete())
    return;
  const QByteArray key(name);
  for (auto& entry : declared_)
    if (entry.first == key) {
      entry.second = value;
      return;
    }
  declared_.append({key, value});
}

template <typename Change> void VexaButtonItem::change(Change&& change) {
  const QPointer<VexaButtonItem> alive(this);
  const Snapshot before{{rec, mousePointer_, mouseIcon_}};
  change();
  if (!alive)
    return;
  redraw();
  emitChanges(before);
}

namespace {
template <typename T> bool differs(const T& a, const T& b) { return !(a == b); }
bool differs(const platform::SharedFontPtr& a, const platform::SharedFontPtr& b) {
  return a != b && (!a || !b || !a->sameAs(*b) || a->Name() != b->Name());
}
} // namespace

void VexaButtonItem::emitChanges(const Snapshot& before) {
  const QPointer<VexaButtonItem> alive(this);
  const vexa::StoredValues now{rec, mousePointer_, mouseIcon_};
  QList<QByteArray> changed;
  // Enabled is the item's own property, with its own signal.
#define VEXA_COMPARE(Name, Type, Kind, Field, ...)                                                                     \
  if (QByteArrayLiteral(#Name) != "Enabled" && differs(before.values.Field, now.Field))                                \
    changed << QByteArrayLiteral(#Name);
  VEXA_BUTTON_PROPERTIES(VEXA_COMPARE)
#undef VEXA_COMPARE
  if (before.values.rec.Value != now.rec.Value || before.values.rec.Caption != now.rec.Caption ||
      before.values.rec.Mode != now.rec.Mode || before.values.rec.ToolTip != now.rec.ToolTip)
    setAccessibleState();
  const bool toggledNow = before.values.rec.Value != now.rec.Value && !vexa::is(now.rec.Mode, vexa::Mode::PushButton);
  for (QByteArray name : changed) {
    name[0] = char(QChar::toLower(uint(name[0])));
    const QMetaObject* meta = metaObject();
    const int index = meta->indexOfProperty(name.constData());
    if (index < 0)
      continue;
    meta->property(index).notifySignal().invoke(this, Qt::DirectConnection);
    if (!alive)
      return;
  }
  if (toggledNow)
    Q_EMIT toggled(rec.Value);
}

void VexaButtonItem::setButtonStyle(qint32 value) {
  declare("buttonStyle", QVariant::fromValue(value));
  change([&] {
    vexa::rules::setButtonStyle(rec, value);
    vexa::ApplyWindowRegion(rec, surface_);
  });
  updateImplicitSize();
}

void VexaButtonItem::setShowFocusRect(bool value) {
  declare("showFocusRect", QVariant::fromValue(value));
  change([&] { rec.ShowFocusRect = value; });
}

QFont VexaButtonItem::font() const {
  const platform::SharedFont& shared = *rec.mFont;
  QFont font(shared.Name());
  font.setPointSizeF(shared.Size());
  font.setWeight(QFont::Weight(shared.Weight() == 0 ? 400 : qBound(1, shared.Weight(), 1000)));
  font.setItalic(shared.Italic());
  font.setUnderline(shared.Underline());
  font.setStrikeOut(shared.Strikethrough());
  return font;
}

void VexaButtonItem::setFont(const QFont& value) {
  declare("font", QVariant::fromValue(value));
  auto next = rec.mFont->clone();
  next->setName(value.family());
  if (const double size = platform::pointSizeOf(value); size > 0)
    next->setSize(size); // a size the font refuses keeps the size it had
  next->setWeight(value.weight());
  next->setItalic(value.italic());
  next->setUnderline(value.underline());
  next->setStrikethrough(value.strikeOut());
  if (next->sameAs(*rec.mFont) && next->Name() == rec.mFont->Name())
    return;
  change([&] {
    rec.mFont = std::move(next);
    surface_.setFont(rec.mFont->toQFont());
  });
  updateImplicitSize();
}

QColor VexaButtonItem::backColor() const { return shownColour(rec.BackColor); }
QColor VexaButtonItem::foreColor() const { return shownColour(rec.ForeColor); }
QColor VexaButtonItem::foreColorHover() const { return shownColour(rec.ForeColorHover); }
QColor VexaButtonItem::maskColor() const { return shownColour(rec.MaskColor); }
QColor VexaButtonItem::tooltipBackColor() const { return shownColour(rec.TooltipBackColor); }

// A colour equal to the one shown changes nothing (a system colour stays a
// reference to the system's), as with the widget's QColor properties.
void VexaButtonItem::setBackColor(const QColor& value) {
  declare("backColor", QVariant::fromValue(value));
  const auto stored = storedColour(value);
  if (stored && value.rgb() != backColor().rgb())
    change([&] { vexa::rules::setBackColor(rec, *stored); });
}

void VexaButtonItem::setForeColor(const QColor& value) {
  declare("foreColor", QVariant::fromValue(value));
  const auto stored = storedColour(value);
  if (stored && value.rgb() != foreColor().rgb())
    change([&] {
      rec.ForeColor = *stored;
      surface_.setTextColor(vexa::TranslateColor(*stored));
    });
}

void VexaButtonItem::setForeColorHover(const QColor& value) {
  declare("foreColorHover", QVariant::fromValue(value));
  const auto stored = storedColour(value);
  if (stored && value.rgb() != foreColorHover().rgb())
    change([&] {
      rec.ForeColorHover = *stored;
      surface_.setTextColor(vexa::TranslateColor(*stored));
    });
}

void VexaButtonItem::setMaskColor(const QColor& value) {
  declare("maskColor", QVariant::fromValue(value));
  const auto stored = storedColour(value);
  if (stored && value.rgb() != maskColor().rgb())
    change([&] { rec.MaskColor = *stored; });
}

void VexaButtonItem::setTooltipBackColor(const QColor& value) {
  declare("tooltipBackColor", QVariant::fromValue(value));
  const auto stored = storedColour(value);
  if (stored && value.rgb() != tooltipBackColor().rgb())
    change([&] { rec.TooltipBackColor = *stored; });
}

void VexaButtonItem::setCaption(const QString& value) {
  declare("caption", QVariant::fromValue(value));
  if (value.size() > MaxCaptionLength) {
    qCWarning(quickLog, "VexaButton: a caption of %lld characters is longer than the %d the control takes",
              qlonglong(value.size()), MaxCaptionLength);
    return;
  }
  change([&] {
    rec.Caption = value;
    accessKeys_ = vexa::accessKeyOf(value);
  });
  updateImplicitSize();
}

void VexaButtonItem::setMode(qint32 value) {
  declare("mode", QVariant::fromValue(value));
  bool uncheckOthers = false;
  change([&] { uncheckOthers = vexa::rules::setMode(rec, value); });
  if (uncheckOthers)
    uncheckOtherOptions();
}

void VexaButtonItem::setValue(bool value) {
  declare("value", QVariant::fromValue(value));
  change([&] { vexa::rules::setValue(rec, value); });
}

void VexaButtonItem::setMousePointer(qint32 value) {
  declare("mousePointer", QVariant::fromValue(value));
  if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
    qCWarning(quickLog, "VexaButton: mousePointer %d is no 16-bit pointer code; it keeps its value", value);
    return;
  }
  change([&] { mousePointer_ = value; });
  applyPointer();
}

void VexaButtonItem::setHandPointer(bool value) {
  declare("handPointer", QVariant::fromValue(value));
  change([&] {
    rec.HandPointer = value;
    if (value)
      mousePointer_ = 0;
  });
  applyPointer();
}

namespace {

// A picture from QML: an image URL (file:, qrc: or a path, relative to the
// QML document), a QImage or QPixmap, or nothing (an empty value or URL).
std::optional<platform::PicturePtr> pictureFrom(const QVariant& value, const QQuickItem& item, int type) {
  if (!value.isValid() || value.isNull())
    return platform::PicturePtr();
  if (value.metaType() == QMetaType::fromType<QImage>())
    return platform::Picture::fromImage(value.value<QImage>(), type);
  if (value.metaType() == QMetaType::fromType<QPixmap>())
    return platform::Picture::fromImage(value.value<QPixmap>().toImage(), type);
  QUrl url = value.metaType() == QMetaType::fromType<QUrl>() ? value.toUrl() : QUrl(value.toString());
  if (url.isEmpty())
    return platform::PicturePtr();
  if (const QQmlContext* context = qmlContext(&item))
    url = context->resolvedUrl(url);
  const QString path = QQmlFile::urlToLocalFileOrQrc(url);
  QString why;
  if (path.isEmpty()) {
    qCWarning(quickLog, "VexaButton: %s is no local file or resource", qPrintable(url.toString()));
    return std::nullopt;
  }
  platform::PicturePtr picture;
  if (path.startsWith(QLatin1Char(':'))) {
    if (const auto bytes = readSource(path, platform::Picture::MaxFileBytes, &why))
      picture = platform::Picture::fromBytes(*bytes, url.toString(), &why);
    else
      why = QStringLiteral("%1: %2").arg(url.toString(), why);
  } else {
    picture = platform::Picture::load(path, &why);
  }
  if (!picture) {
    qCWarning(quickLog, "VexaButton: %s", qPrintable(why));
    return std::nullopt;
  }
  return picture;
}

} // namespace

QVariant VexaButtonItem::mouseIcon() const { return pictureSources_[3]; }
QVariant VexaButtonItem::pictureNormal() const { return rec.PictureNormal ? pictureSources_[0] : QVariant(); }
QVariant VexaButtonItem::pictureHot() const { return rec.PictureHot ? pictureSources_[1] : QVariant(); }
QVariant VexaButtonItem::pictureDown() const { return rec.PictureDown ? pictureSources_[2] : QVariant(); }

void VexaButtonItem::setMouseIcon(const QVariant& value) {
  declare("mouseIcon", QVariant::fromValue(value));
  const auto picture = pictureFrom(value, *this, platform::Picture::Icon);
  if (!picture)
    return;
  pictureSources_[3] = value;
  change([&] {
    mouseIcon_ = *picture;
    if (!mouseIcon_) {
      mousePointer_ = 0;
    } else {
      rec.HandPointer = false;
      mousePointer_ = CustomPointer;
    }
  });
  applyPointer();
}

// Pictures keep PictureNormal filled first, as with the widget.
void VexaButtonItem::setPictureNormal(const QVariant& value) {
  declare("pictureNormal", QVariant::fromValue(value));
  const auto picture = pictureFrom(value, *this, platform::Picture::Bitmap);
  if (!picture)
    return;
  pictureSources_[0] = value;
  change([&] {
    rec.PictureNormal = *picture;
    if (!rec.PictureNormal) {
      rec.PictureHot = nullptr;
      rec.PictureDown = nullptr;
    }
  });
  updateImplicitSize();
}

void VexaButtonItem::setPictureHot(const QVariant& value) {
  declare("pictureHot", QVariant::fromValue(value));
  const auto picture = pictureFrom(value, *this, platform::Picture::Bitmap);
  if (!picture)
    return;
  const int slot = rec.PictureNormal ? 1 : 0;
  pictureSources_[slot] = value;
  change([&] { (rec.PictureNormal ? rec.PictureHot : rec.PictureNormal) = *picture; });
}

void VexaButtonItem::setPictureDown(const QVariant& value) {
  declare("pictureDown", QVariant::fromValue(value));
  const auto picture = pictureFrom(value, *this, platform::Picture::Bitmap);
  if (!picture)
    return;
  const int slot = rec.PictureNormal ? 2 : 0;
  pictureSources_[slot] = value;
  change([&] { (rec.PictureNormal ? rec.PictureDown : rec.PictureNormal) = *picture; });
}

void VexaButtonItem::setPictureAlign(qint32 value) {
  declare("pictureAlign", QVariant::fromValue(value));
  change([&] { rec.PictureAlign = value; });
  updateImplicitSize();
}
void VexaButtonItem::setPictureEffectOnOver(qint32 value) {
  declare("pictureEffectOnOver", QVariant::fromValue(value));
  change([&] { rec.PictureEffectOnOver = value; });
}
void VexaButtonItem::setPictureEffectOnDown(qint32 value) {
  declare("pictureEffectOnDown", QVariant::fromValue(value));
  change([&] { rec.PictureEffectOnDown = value; });
}
void VexaButtonItem::setPicturePushOnHover(bool value) {
  declare("picturePushOnHover", QVariant::fromValue(value));
  change([&] { rec.PicturePushOnHover = value; });
}
void VexaButtonItem::setPictureShadow(bool value) {
  declare("pictureShadow", QVariant::fromValue(value));
  change([&] { rec.PictureShadow = value; });
}

void VexaButtonItem::setPictureOpacity(int value) {
  declare("pictureOpacity", QVariant::fromValue(value));
  if (value < 0 || value > 255) {
    qCWarning(quickLog, "VexaButton: pictureOpacity %d is outside the byte range 0 to 255", value);
    return;
  }
  change([&] { rec.PictureOpacity = quint8(value); });
}

void VexaButtonItem::setPictureOpacityOnOver(int value) {
  declare("pictureOpacityOnOver", QVariant::fromValue(value));
  if (value < 0 || value > 255) {
    qCWarning(quickLog, "VexaButton: pictureOpacityOnOver %d is outside the byte range 0 to 255", value);
    return;
  }
  change([&] { rec.PictureOpacityOnOver = quint8(value); });
}

void VexaButtonItem::setDisabledPictureMode(qint32 value) {
  declare("disabledPictureMode", QVariant::fromValue(value));
  change([&] { rec.DisabledPictureMode = value; });
}
void VexaButtonItem::setCaptionEffects(qint32 value) {
  declare("captionEffects", QVariant::fromValue(value));
  change([&] { rec.CaptionEffects = value; });
}
void VexaButtonItem::setUseMaskColor(bool value) {
  declare("useMaskColor", QVariant::fromValue(value));
  change([&] { rec.UseMaskColor = value; });
}
void VexaButtonItem::setCaptionAlign(qint32 value) {
  declare("captionAlign", QVariant::fromValue(value));
  change([&] { rec.CaptionAlign = value; });
}
void VexaButtonItem::setToolTip(const QString& value) {
  declare("toolTip", QVariant::fromValue(value));
  change([&] { rec.ToolTip = value; });
}
void VexaButtonItem::setToolTipType(qint32 value) {
  declare("toolTipType", QVariant::fromValue(value));
  change([&] { rec.TooltipType = value; });
}
void VexaButtonItem::setToolTipIcon(qint32 value) {
  declare("toolTipIcon", QVariant::fromValue(value));
  change([&] { rec.TooltipIcon = value; });
}
void VexaButtonItem::setTooltipTitle(const QString& value) {
  declare("tooltipTitle", QVariant::fromValue(value));
  change([&] { rec.TooltipTitle = value; });
}

void VexaButtonItem::setRightToLeft(bool value) {
  declare("rightToLeft", QVariant::fromValue(value));
  change([&] {
    rec.RightToLeft = value;
    rec.Tooltip.rightToLeft = value;
  });
}

void VexaButtonItem::setDropDownSymbol(int value) {
  declare("dropDownSymbol", QVariant::fromValue(value));
  change([&] { rec.DropDownSymbol = value; });
  updateImplicitSize();
}
void VexaButtonItem::setDropDownSeparator(bool value) {
  declare("dropDownSeparator", QVariant::fromValue(value));
  change([&] { rec.DropDownSeparator = value; });
}
void VexaButtonItem::setColorScheme(qint32 value) {
  declare("colorScheme", QVariant::fromValue(value));
  change([&] { vexa::rules::setColorScheme(rec, value); });
}

void VexaButtonItem::setIsDefault(bool value) {
  if (value == isDefault_)
    return;
  isDefault_ = value;
  updateDefaultLook();
  Q_EMIT isDefaultChanged();
}

void VexaButtonItem::setCancel(bool value) {
  if (value == cancel_)
    return;
  cancel_ = value;
  Q_EMIT cancelChanged();
}

void VexaButtonItem::setPopupMenuAlign(int align) {
  if (align == popupMenuAlign_)
    return;
  popupMenuAlign_ = align;
  Q_EMIT popupMenuAlignChanged();
}

// ---- Stored layouts ----------------------------------------------------------

bool VexaButtonItem::loadLayout(const QString& fileOrUrl) {
  QUrl url(fileOrUrl);
  if (const QQmlContext* context = qmlContext(this))
    url = context->resolvedUrl(url);
  QString path = QQmlFile::urlToLocalFileOrQrc(url);
  if (path.isEmpty())
    path = fileOrUrl;
  QString why;
  std::optional<vexa::StoredValues> read;
  if (const auto bytes = readSource(path, platform::PropertyBag::MaxFileBytes, &why)) {
    if (const auto bag = platform::PropertyBag::fromJson(*bytes, &why)) {
      vexa::StoredValues values{rec, 0, nullptr};
      if (vexa::readStoredValues(*bag, newInstanceFont(), values, &why))
        read = std::move(values);
    }
  }
  if (!read) {
    const QString error = QStringLiteral("%1: %2").arg(fileOrUrl, why);
    if (error != layoutError_) {
      layoutError_ = error;
      Q_EMIT layoutErrorChanged();
    }
    return false;
  }
  change([&] {
    rec = std::move(read->rec);
    mousePointer_ = read->mousePointer;
    mouseIcon_ = std::move(read->mouseIcon);
    accessKeys_ = vexa::accessKeyOf(rec.Caption);
    surface_.setFont(rec.mFont->toQFont());
    surface_.setTextColor(vexa::TranslateColor(rec.ForeColor));
    vexa::ApplyWindowRegion(rec, surface_);
    // The pictures read have no source to give back: QML reads them as images.
    pictureSources_[0] = rec.PictureNormal ? QVariant(rec.PictureNormal->image) : QVariant();
    pictureSources_[1] = rec.PictureHot ? QVariant(rec.PictureHot->image) : QVariant();
    pictureSources_[2] = rec.PictureDown ? QVariant(rec.PictureDown->image) : QVariant();
    pictureSources_[3] = mouseIcon_ ? QVariant(mouseIcon_->image) : QVariant();
  });
  applyPointer();
  updateImplicitSize();
  if (!layoutError_.isEmpty()) {
    layoutError_.clear();
    Q_EMIT layoutErrorChanged();
  }
  return true;
}

// ---- Drawing -------------------------------------------------------------------

// Redraw: draws now when the item can be shown, else once it can.
void VexaButtonItem::redraw() {
  if (!window() || !isComponentComplete()) {
    redrawPending_ = true;
    return;
  }
  draw();
}

void VexaButtonItem::settle() {
  if (redrawPending_ && window() && isComponentComplete())
    draw();
}

void VexaButtonItem::draw() {
  redrawPending_ = false;
  const int w = qBound(MinimumSizePixels, qRound(width()), MaximumSizePixels);
  const int h = qBound(MinimumSizePixels, qRound(height()), MaximumSizePixels);
  if (surface_.width() != w || surface_.height() != h) {
    surface_.resize(w, h);
    rec.ClientWidth = w;
    rec.ClientHeight = h;
    vexa::ApplyWindowRegion(rec, surface_);
  }
  surface_.ensurePixels();
  vexa::apply(vexa::Redraw(vexa::describe(rec), surface_), rec);
  imageChanged_ = true;
  update();
}

// The surface's pixels, one texel per device pixel; outside the look's
// window region the item shows what is under it.
QSGNode* VexaButtonItem::updatePaintNode(QSGNode* old, UpdatePaintNodeData*) {
  auto* node = static_cast<QSGImageNode*>(old);
  if (!window() || surface_.width() == 0) {
    delete node;
    return nullptr;
  }
  if (!node && !surface_.hasPixels()) {
    // The scene graph let the last texture go after the pixels had gone
    // too: they are drawn again on the item's own thread, and shown then.
    QMetaObject::invokeMethod(this, &VexaButtonItem::redraw, Qt::QueuedConnection);
    return nullptr;
  }
  if (!node) {
    node = window()->createImageNode();
    node->setFiltering(QSGTexture::Nearest);
    node->setOwnsTexture(true);
    imageChanged_ = true;
  }
  if (imageChanged_ && surface_.hasPixels()) {
    imageChanged_ = false;
    QImage image = surface_.image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (surface_.hasWindowRegion()) {
      const QRegion inside = surface_.deviceWindowRegion();
      const QRegion outside = QRegion(image.rect()).subtracted(inside);
      for (const QRect& r : outside)
        for (int y = r.top(); y <= r.bottom(); ++y)
          std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + r.left(), r.width(), QRgb(0));
    }
    node->setTexture(window()->createTextureFromImage(image));
    // The texture holds what the item shows; the next draw clears and
    // fills the whole surface again, so its pixels are not kept meanwhile
    // (a window of many buttons would hold every button twice).
    surface_.releasePixels();
  }
  const qreal ratio = surface_.devicePixelRatio();
  const QSize device = node->texture()->textureSize();
  node->setRect(0, 0, device.width() / ratio, device.height() / ratio);
  node->setSourceRect(0, 0, device.width(), device.height());
  return node;
}

void VexaButtonItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
  QQuickItem::geometryChange(newGeometry, oldGeometry);
  if (newGeometry.size() != oldGeometry.size())
    redraw();
}

// The content's room, as the widget's size hints measure it.
void VexaButtonItem::updateImplicitSize() {
  const vexa::ContentSize content = vexa::MeasureContent(vexa::describe(rec), surface_);
  const QSize room = (content.content + QSize(16, 8)).expandedTo(content.fitting).expandedTo({75, 23});
  setImplicitSize(qBound(MinimumSizePixels, room.width(), MaximumSizePixels),
                  qBound(MinimumSizePixels, room.height(), MaximumSizePixels));
}

void VexaButtonItem::followDevicePixelRatio() {
  if (!window())
    return;
  const qreal ratio = surface_.devicePixelRatio();
  surface_.setDevicePixelRatio(window()->effectiveDevicePixelRatio());
  if (surface_.devicePixelRatio() != ratio || redrawPending_)
    redraw();
}

void VexaButtonItem::itemChange(ItemChange change, const ItemChangeData& data) {
  QQuickItem::itemChange(change, data);
  switch (change) {
  case ItemSceneChange:
    followWindow();
    break;
  case ItemDevicePixelRatioHasChanged:
    followDevicePixelRatio();
    break;
  case ItemEnabledHasChanged: {
    rec.Enabled = isEnabled();
    if (!rec.Enabled && tooltip_)
      tooltip_->pointerLeft();
    // A disabled button receives no more input: a press in progress is dropped.
    if (!rec.Enabled) {
      vexa::input::inputDisabled(*this);
      leaveRequested_ = false;
      if (ownLeftPress_) {
        ownLeftPress_ = false;
        if (leftPressHolder() == this)
          leftPressHolder().clear();
      }
    }
    redraw();
    followQtDown();
    break;
  }
  case ItemVisibleHasChanged:
    if (!data.boolValue && tooltip_)
      tooltip_->pointerLeft();
    break;
  default:
    break;
  }
}

// ---- The window ------------------------------------------------------------------

void VexaButtonItem::followWindow() {
  // The connections are kept rather than made unique: a unique connection
  // is checked against every other on the window, which makes a window of N
  // buttons cost N x N steps to build.
  QObject::disconnect(activeConnection_);
  QObject::disconnect(focusConnection_);
  window_ = window();
  if (!window_)
    return;
  activeConnection_ = connect(window_, &QWindow::activeChanged, this, &VexaButtonItem::followActivation);
  focusConnection_ = connect(window_, &QQuickWindow::activeFocusItemChanged, this, &VexaButtonItem::updateDefaultLook);
  WindowKeys::watch(window_);
  rec.ParentActive = window_->isActive();
  updateDefaultLook();
  followDevicePixelRatio();
  redraw();
}

void VexaButtonItem::systemColoursChanged() {
  surface_.setPalette(QGuiApplication::palette());
  redraw();
}

void VexaButtonItem::followActivation() {
  if (window_ && window_->isActive() != rec.ParentActive)
    vexa::input::activationChanged(*this, window_->isActive());
  followQtDown();
}

// The default look goes with the focus: a focused button takes Enter itself
// and looks the default; otherwise the window's Default button does.
void VexaButtonItem::updateDefaultLook() {
  if (!window_)
    return;
  auto* focus = qobject_cast<VexaButtonItem*>(window_->activeFocusItem());
  const bool shown = focus ? focus == this : isDefault_;
  if (shown == rec.IsDefault)
    return;
  rec.IsDefault = shown;
  redraw();
}

// ---- Qt Quick events -> the rules ----------------------------------------------

namespace {
// After each event the item handles, Qt's down state follows the record.
class FollowDown {
public:
  explicit FollowDown(VexaButtonItem* item, void (VexaButtonItem::*follow)()) : item_(item), follow_(follow) {}
  ~FollowDown() {
    if (item_)
      (item_.data()->*follow_)();
  }

private:
  QPointer<VexaButtonItem> item_;
  void (VexaButtonItem::*follow_)();
};
} // namespace

void VexaButtonItem::mousePressEvent(QMouseEvent* event) {
  event->accept();
  lastScenePosition_ = event->scenePosition();
  raiseHeldLeave();
  const QPointer<VexaButtonItem> alive(this);
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  if (tooltip_)
    tooltip_->toolPressed();
  // The press gives the focus first, as a click on a widget does.
  if (!hasActiveFocus())
    forceActiveFocus(Qt::MouseFocusReason);
  if (!alive)
    return;
  if (event->button() == Qt::LeftButton) {
    ownLeftPress_ = true;
    leftPressHolder() = this;
  }
  // The second press of a double click comes again as the double click,
  // which the item takes as the press (as a widget gets the double click in
  // place of the press).
  if (isSecondPressOfDoubleClick(*event)) {
    pressAwaitingDoubleClick_ = true;
    return;
  }
  const QPointF at = event->position();
  vexa::input::mouseDown(*this, vexa::input::buttonCode(event->button()), vexa::input::shiftCode(event->modifiers()),
                         float(at.x()), float(at.y()));
}

void VexaButtonItem::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  lastScenePosition_ = event->scenePosition();
  raiseHeldLeave();
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  const QPointF at = event->position();
  vexa::input::mouseMove(*this, vexa::input::buttonsCode(event->buttons()), vexa::input::shiftCode(event->modifiers()),
                         float(at.x()), float(at.y()));
}

void VexaButtonItem::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  lastScenePosition_ = event->scenePosition();
  raiseHeldLeave();
  const QPointer<VexaButtonItem> alive(this);
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  const QPointF at = event->position();
  if (std::exchange(pressAwaitingDoubleClick_, false)) // no double click came after all
    vexa::input::mouseDown(*this, vexa::input::buttonCode(event->button()), vexa::input::shiftCode(event->modifiers()),
                           float(at.x()), float(at.y()));
  if (!alive)
    return;
  vexa::input::mouseUp(*this, vexa::input::buttonCode(event->button()), vexa::input::shiftCode(event->modifiers()),
                       float(at.x()), float(at.y()));
  if (!alive)
    return;
  // The pointer left while the press held it: its leave comes now.
  if (event->button() == Qt::LeftButton && !isOn(at.toPoint()))
    pointerGone();
}

void VexaButtonItem::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  raiseHeldLeave();
  // A double click whose first press went elsewhere was a first press here.
  if (!std::exchange(pressAwaitingDoubleClick_, false))
    return;
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  vexa::input::dblClick(*this);
}

// As QGuiApplication tells a double click: the same button pressed again
// within the interval and distance of the style hints, after a press that
// was not itself the second of one.
bool VexaButtonItem::isSecondPressOfDoubleClick(const QMouseEvent& event) {
  const QStyleHints* hints = QGuiApplication::styleHints();
  const QPointF at = event.globalPosition();
  const bool second = lastPress_.button == event.button() && !lastPress_.second &&
                      event.timestamp() - lastPress_.time < quint64(hints->mouseDoubleClickInterval()) &&
                      (at - lastPress_.at).manhattanLength() <= hints->mouseDoubleClickDistance();
  lastPress_ = {event.button(), event.timestamp(), at, second};
  return second;
}

// The press's grab was taken away (a popup or another item took the
// mouse): the release will not come here, and the item lets go of the press.
void VexaButtonItem::mouseUngrabEvent() {
  if (ownLeftPress_)
    dropLeftPress();
}

void VexaButtonItem::dropLeftPress() {
  ownLeftPress_ = false;
  pressAwaitingDoubleClick_ = false;
  if (leftPressHolder() == this)
    leftPressHolder().clear();
  if (rec.MousePressed) {
    rec.MousePressed = false;
    rec.ButtonState = leaveRequested_ ? ButtonRecord::Hot : ButtonRecord::Normal;
    redraw();
  }
  followQtDown();
}

void VexaButtonItem::hoverEnterEvent(QHoverEvent* event) {
  newVisit_ = true;
  lastScenePosition_.reset(); // an arrival is a movement
  hoverMoveEvent(event);
}

void VexaButtonItem::hoverMoveEvent(QHoverEvent* event) {
  event->accept();
  if (ownLeftPress_)
    return; // the press's moves come as mouse moves
  // Qt Quick sends the hover again where the pointer rests (after a release,
  // at each frame): no movement, nothing to report.
  if (std::exchange(lastScenePosition_, event->scenePosition()) == event->scenePosition())
    return;
  raiseHeldLeave();
  if (!leaveRequested_)
    newVisit_ = true;
  const QPointer<VexaButtonItem> alive(this);
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  const QPointF at = event->position();
  lastPointer_ = mapToGlobal(at).toPoint();
  const bool hadTip = tooltip_;
  vexa::input::mouseMove(*this, 0, vexa::input::shiftCode(event->modifiers()), float(at.x()), float(at.y()));
  if (alive && hadTip && tooltip_ && isOn(at.toPoint()))
    tooltip_->pointerMoved(*lastPointer_);
}

void VexaButtonItem::hoverLeaveEvent(QHoverEvent* event) {
  event->accept();
  // A left press keeps the pointer until its release, as a widget's grab
  // does: the release outside is the leave.
  if (ownLeftPress_)
    return;
  pointerGone();
}

// The pointer has gone: one MouseLeave, raised once Qt's delivery is over
// (or before the next input the item handles), as the widget holds it.
void VexaButtonItem::pointerGone() {
  if (tooltip_)
    tooltip_->pointerLeft();
  if (!std::exchange(leaveRequested_, false))
    return;
  if (!vexa::input::pointerLeft(*this) || leaveHeld_)
    return;
  leaveHeld_ = true;
  QMetaObject::invokeMethod(this, &VexaButtonItem::raiseHeldLeave, Qt::QueuedConnection);
}

void VexaButtonItem::raiseHeldLeave() {
  if (std::exchange(leaveHeld_, false))
    Q_EMIT mouseLeave();
}

void VexaButtonItem::keyPressEvent(QKeyEvent* event) {
  // Tab and Backtab move the focus, as between widgets.
  if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    event->ignore();
    return;
  }
  event->accept();
  raiseHeldLeave();
  const QPointer<VexaButtonItem> alive(this);
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  vexa::input::keyDown(*this, vexa::input::virtualKeyCode(event->key(), modifiers), vexa::input::shiftCode(modifiers));
  if (!alive)
    return;
  const QString text = event->text();
  if (vexa::input::typesCharacter(text, modifiers))
    vexa::input::keyPress(*this, qint16(text.at(0).unicode()));
}

void VexaButtonItem::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat())
    return;
  raiseHeldLeave();
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  vexa::input::keyUp(*this, vexa::input::virtualKeyCode(event->key(), event->modifiers()),
                     vexa::input::shiftCode(event->modifiers()));
}

// A popup (the item's own menu) takes the focus while it is open; for the
// button the focus stays where it was.
void VexaButtonItem::focusInEvent(QFocusEvent* event) {
  QQuickItem::focusInEvent(event);
  if (event->reason() == Qt::PopupFocusReason)
    return;
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  vexa::input::gotFocus(*this);
}

void VexaButtonItem::focusOutEvent(QFocusEvent* event) {
  QQuickItem::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason)
    return;
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  if (!holdsLeftPress())
    releaseSpaceCapture(); // the space bar's key-up will not reach this item
  vexa::input::lostFocus(*this);
}

// ---- What the rules ask of the item ----------------------------------------------

bool VexaButtonItem::isOn(QPoint at) const {
  if (at.x() < 0 || at.y() < 0 || at.x() >= width() || at.y() >= height())
    return false;
  return !surface_.hasWindowRegion() || surface_.windowRegion().contains(at);
}

void VexaButtonItem::pointerIsOver(QPoint) { leaveRequested_ = true; }

bool VexaButtonItem::takeNewVisit() { return std::exchange(newVisit_, false); }

void VexaButtonItem::updatePointerShape() {
  if (rec.HandPointer)
    setCursor(Qt::PointingHandCursor);
  else
    applyPointer();
}

void VexaButtonItem::applyPointer() {
  if (const std::optional<QCursor> cursor = vexa::rules::cursorFor(mousePointer_, mouseIcon_))
    setCursor(*cursor);
  else
    unsetCursor();
}

// Clears Value of the other option buttons of the same parent item.
void VexaButtonItem::uncheckOtherOptions() {
  QQuickItem* container = parentItem();
  if (!container)
    return;
  QList<QPointer<VexaButtonItem>> others;
  for (QQuickItem* child : container->childItems())
    if (auto* other = qobject_cast<VexaButtonItem*>(child); other && other != this)
      others.append(other);
  for (const QPointer<VexaButtonItem>& other : others)
    if (other && vexa::is(other->rec.Mode, vexa::Mode::OptionButton))
      other->setValue(false);
}

void VexaButtonItem::moveFocus(bool next) {
  QMetaObject::invokeMethod(
      this,
      [this, next] {
        if (QQuickItem* target = nextItemInFocusChain(next))
          target->forceActiveFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      },
      Qt::QueuedConnection);
}

bool VexaButtonItem::endLeftPress() {
  const bool own = std::exchange(ownLeftPress_, false);
  if (leftPressHolder() == this)
    leftPressHolder().clear();
  return own;
}

bool VexaButtonItem::holdsLeftPress() const { return ownLeftPress_; }

bool VexaButtonItem::pressHeldByAnother() const {
  const VexaButtonItem* holder = leftPressHolder();
  return holder && holder != this;
}

// Qt Quick takes a mouse grab only while it delivers a pointer event, so the
// space bar holds no capture: a press elsewhere while the bar is down goes
// where the pointer is, and pressHeldByAnother keeps the bar from pressing
// the button while another holds the mouse.
void VexaButtonItem::captureForSpace() {}

void VexaButtonItem::releaseSpaceCapture() {}

void VexaButtonItem::raise(const vexa::InputEvent& event) {
  using E = vexa::InputEvent;
  switch (event.kind) {
  case E::Click: {
    const QPointer<VexaButtonItem> alive(this);
    Q_EMIT click();
    if (alive)
      qtClicked();
    break;
  }
  case E::DblClick:
    Q_EMIT dblClick();
    break;
  case E::MouseEnter:
    Q_EMIT mouseEnter();
    break;
  case E::MouseLeave:
    Q_EMIT mouseLeave();
    break;
  case E::MouseMove:
    Q_EMIT mouseMove(event.button, event.shift, event.x, event.y);
    break;
  case E::MouseUp:
    Q_EMIT mouseUp(event.button, event.shift, event.x, event.y);
    break;
  case E::MouseDown:
    Q_EMIT mouseDown(event.button, event.shift, event.x, event.y);
    break;
  case E::KeyDown:
    Q_EMIT keyDown(event.key, event.shift);
    break;
  case E::KeyUp:
    Q_EMIT keyUp(event.key, event.shift);
    break;
  case E::KeyPress:
    Q_EMIT keyPress(event.key);
    break;
  }
}

// Down for Qt is a press that holds the button down: the left button over
// it, or the space bar (as the widget's QAbstractButton side).
void VexaButtonItem::followQtDown() {
  const bool down =
      rec.ButtonState == ButtonRecord::Down && (rec.MousePressed || rec.SpaceDown) && !rec.PopupMenuSet && isEnabled();
  if (down == qtDown_)
    return;
  qtDown_ = down;
  setAccessibleState();
  if (down)
    Q_EMIT pressed();
  else
    Q_EMIT released();
}

void VexaButtonItem::qtClicked() {
  const QPointer<VexaButtonItem> alive(this);
  if (!qtDown_)
    Q_EMIT pressed();
  if (!alive)
    return;
  qtDown_ = false;
  Q_EMIT released();
  if (alive)
    Q_EMIT clicked();
}

// ---- Tooltip, menu and accessibility ---------------------------------------------

// The control's own tip, rebuilt each time the pointer makes the item hot.
// The tip is a window of the widget toolkit, which only a QApplication has:
// under a QGuiApplication the item shows none.
void VexaButtonItem::showTooltip() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || !vexa::buildsTooltip(rec))
    return;
  delete tooltip_.data();
  if (rec.ToolTip.isEmpty() || !lastPointer_)
    return;
  tooltip_ = new platform::TooltipWindow(vexa::tooltipContent(rec), *lastPointer_);
}

// The attached menu opens around the item as the widget's does: a QMenu
// modally at the place Align names, a QML Menu (a Qt Quick Controls popup)
// beside the item, closing on its own.
void VexaButtonItem::openMenu() {
  rec.ClientWidth = qRound(width());
  rec.ClientHeight = qRound(height());
  const std::optional<vexa::MenuPlacement> place =
      vexa::placeMenu(popupMenuAlign_, menuFlags_, rec.ClientWidth, rec.ClientHeight);
  if (!place || !popupMenu_) {
    rec.PopupMenuShowing = false;
    return;
  }
  rec.PopupMenuShowing = true;
  menuFlags_ = place->flags;
  if (auto* menu = qobject_cast<QMenu*>(popupMenu_)) {
    const QPointer<VexaButtonItem> self(this);
    const QPoint global = mapToGlobal(QPointF(place->at)).toPoint();
    const std::optional<QPoint> pointer = platform::showPopupMenu(*menu, global, place->flags, nullptr);
    if (!self)
      return; // a command of the menu destroyed the item
    if (vexa::menuClosed(rec, !pointer || isOn(mapFromGlobal(QPointF(*pointer)).toPoint())))
      redraw();
    // The menu took the press's release.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
      ownLeftPress_ = false;
      rec.MousePressed = false;
      if (leftPressHolder() == this)
        leftPressHolder().clear();
    }
    return;
  }
  QObject* menu = popupMenu_;
  const auto extent = [menu](const char* size, const char* implicit) {
    const qreal value = menu->property(size).toReal();
    return value > 0 ? value : menu->property(implicit).toReal();
  };
  QPointF at = place->at;
  if (place->flags & platform::MenuFlags::RightAlign)
    at.rx() -= extent("width", "implicitWidth");
  if (place->flags & platform::MenuFlags::BottomAlign)
    at.ry() -= extent("height", "implicitHeight");
  menu->setProperty("parent", QVariant::fromValue(static_cast<QQuickItem*>(this)));
  menu->setProperty("x", at.x());
  menu->setProperty("y", at.y());
  QMetaObject::invokeMethod(menu, "open");
}

// A QML menu closed: the pointer is where the item last saw it.
void VexaButtonItem::quickMenuClosed() {
  if (vexa::menuClosed(rec, leaveRequested_))
    redraw();
  followQtDown();
}

void VexaButtonItem::setPopupMenu(QObject* menu) {
  if (menu == popupMenu_)
    return;
  // A QMenu or a QML Menu (anything that opens and tells it has closed).
  const QMetaObject* meta = menu ? menu->metaObject() : nullptr;
  const bool quickMenu = meta && meta->indexOfMethod("open()") >= 0 && meta->indexOfSignal("closed()") >= 0;
  if (menu && !qobject_cast<QMenu*>(menu) && !quickMenu) {
    qCWarning(quickLog, "VexaButton: popupMenu takes a QMenu or a QML Menu, not a %s", meta->className());
    return;
  }
  for (const QMetaObject::Connection& connection : menuConnections_)
    QObject::disconnect(connection);
  popupMenu_ = menu;
  rec.PopupMenuSet = menu != nullptr;
  rec.MenuJustClosed = false;
  if (menu) {
    // A press on a button whose menu is gone would open nothing: the item lets go of it.
    menuConnections_[0] = connect(menu, &QObject::destroyed, this, [this] { setPopupMenu(nullptr); });
    if (quickMenu)
      menuConnections_[1] = connect(menu, SIGNAL(closed()), this, SLOT(quickMenuClosed()));
  }
  setAccessibleState();
  Q_EMIT popupMenuChanged();
}

namespace {

// A context whose imports name Qt Quick's Accessible attached type, one per
// engine: the item sets its attached properties through it, whatever the
// document that made the item imports.
QQmlContext* accessibleContext(QQmlEngine& engine) {
  static const char* const key = "_vexabutton_accessible_context";
  auto* holder = engine.property(key).value<QObject*>();
  if (!holder) {
    // While the engine loads another document the import may load later:
    // the caller asks again from the event loop.
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nQtObject {}", QUrl(QStringLiteral("qrc:/vexabutton/accessible.qml")));
    holder = component.isReady() ? component.create() : nullptr;
    if (!holder)
      return nullptr;
    holder->setParent(&engine);
    engine.setProperty(key, QVariant::fromValue(holder));
  }
  return qmlContext(holder);
}

// The caption as it is read out: without the access key's "&".
QString spokenCaption(const QString& caption) {
  QString spoken;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption.at(i) != QLatin1Char('&'))
      spoken += caption.at(i);
    else if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
      spoken += caption.at(++i);
  }
  return spoken;
}

} // namespace

// Assistive technology sees a button, a check box or a radio button, named
// by the caption, with its checked and pressed states; its press and toggle
// actions click the item at its centre.
void VexaButtonItem::setAccessibleState() {
  QQmlEngine* engine = qmlEngine(this);
  if (!engine)
    return; // an item made without QML has no attached properties
  QQmlContext* context = accessibleContext(*engine);
  if (!context) {
    if (!std::exchange(accessibleRetryQueued_, true))
      QMetaObject::invokeMethod(
          this,
          [this] {
            accessibleRetryQueued_ = false;
            setAccessibleState();
          },
          Qt::QueuedConnection);
    return;
  }
  const auto write = [&](const char* name, const QVariant& value) {
    QQmlProperty property(this, QLatin1String(name), context);
    if (property.read() != value)
      property.write(value);
    return property.object();
  };
  const bool check = vexa::is(rec.Mode, vexa::Mode::CheckButton);
  const bool option = vexa::is(rec.Mode, vexa::Mode::OptionButton);
  QObject* attached =
      write("Accessible.role", check    ? QAccessible::CheckBox
                               : option ? QAccessible::RadioButton
                                        : (rec.PopupMenuSet ? QAccessible::ButtonMenu : QAccessible::Button));
  write("Accessible.name", spokenCaption(rec.Caption));
  write("Accessible.description", rec.ToolTip);
  write("Accessible.checkable", check || option);
  write("Accessible.checked", (check || option) && rec.Value);
  write("Accessible.pressed", qtDown_);
  write("Accessible.focusable", true);
  // Qt Quick offers Press for a button and Toggle and Press for a check
  // box or a radio button, and calls accessiblePressAction() or
  // accessibleToggleAction() for them; an action connected on the attached
  // object would be offered a second time. A menu button gets no Press of
  // Qt's, so it takes the attached object's.
  const bool menuButton = !check && !option && rec.PopupMenuSet;
  if (attached != accessibleAttached_) {
    disconnect(menuPress_);
    accessibleAttached_ = attached;
  }
  if (attached && menuButton && !menuPress_)
    menuPress_ = connect(attached, SIGNAL(pressAction()), this, SLOT(accessibleClick()));
  else if (!menuButton && menuPress_)
    disconnect(menuPress_);
}

void VexaButtonItem::accessiblePressAction() { accessibleClick(); }

void VexaButtonItem::accessibleToggleAction() { accessibleClick(); }

void VexaButtonItem::accessibleClick() {
  if (!isEnabled())
    return;
  const FollowDown follow(this, &VexaButtonItem::followQtDown);
  const QPointer<VexaButtonItem> alive(this);
  forceActiveFocus(Qt::OtherFocusReason);
  if (!alive)
    return;
  ownLeftPress_ = true; // the release in the rules ends this press
  vexa::input::clickAtCentre(*this);
}
