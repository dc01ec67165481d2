// SPDX-License-Identifier: MIT
#pragma once

// The control as a Qt Quick item: the same record, renderers, surface and
// input rules as the vexabutton widget, with the properties in QML's
// lowerCamel names and the events as QML signals.

#include "button/model/ButtonInput.h"
#include "button/model/ButtonRecord.h"
#include "platform/Surface.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QQuickItem>
#include <QVariant>

#include <QtQml/qqmlregistration.h>
#include <optional>

class QSGNode;
namespace platform {
class TooltipWindow;
}

class VexaButtonItem : public QQuickItem, private vexa::InputFace {
  Q_OBJECT
  QML_NAMED_ELEMENT(VexaButton)

  // The stored properties, in the order of the property list.
  Q_PROPERTY(Style buttonStyle READ buttonStyle WRITE setButtonStyle NOTIFY buttonStyleChanged)
  Q_PROPERTY(bool showFocusRect READ showFocusRect WRITE setShowFocusRect NOTIFY showFocusRectChanged)
  Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor NOTIFY backColorChanged)
  Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
  Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged)
  Q_PROPERTY(QColor foreColorHover READ foreColorHover WRITE setForeColorHover NOTIFY foreColorHoverChanged)
  Q_PROPERTY(ButtonMode mode READ mode WRITE setMode NOTIFY modeChanged)
  Q_PROPERTY(bool value READ value WRITE setValue NOTIFY valueChanged)
  Q_PROPERTY(Pointer mousePointer READ mousePointer WRITE setMousePointer NOTIFY mousePointerChanged)
  Q_PROPERTY(bool handPointer READ handPointer WRITE setHandPointer NOTIFY handPointerChanged)
  Q_PROPERTY(QVariant mouseIcon READ mouseIcon WRITE setMouseIcon NOTIFY mouseIconChanged)
  Q_PROPERTY(QVariant pictureNormal READ pictureNormal WRITE setPictureNormal NOTIFY pictureNormalChanged)
  Q_PROPERTY(QVariant pictureHot READ pictureHot WRITE setPictureHot NOTIFY pictureHotChanged)
  Q_PROPERTY(QVariant pictureDown READ pictureDown WRITE setPictureDown NOTIFY pictureDownChanged)
  Q_PROPERTY(PictureAlignment pictureAlign READ pictureAlign WRITE setPictureAlign NOTIFY pictureAlignChanged)
  Q_PROPERTY(PictureEffect pictureEffectOnOver READ pictureEffectOnOver WRITE setPictureEffectOnOver NOTIFY
                 pictureEffectOnOverChanged)
  Q_PROPERTY(PictureEffect pictureEffectOnDown READ pictureEffectOnDown WRITE setPictureEffectOnDown NOTIFY
                 pictureEffectOnDownChanged)
  Q_PROPERTY(
      bool picturePushOnHover READ picturePushOnHover WRITE setPicturePushOnHover NOTIFY picturePushOnHoverChanged)
  Q_PROPERTY(bool pictureShadow READ pictureShadow WRITE setPictureShadow NOTIFY pictureShadowChanged)
  Q_PROPERTY(int pictureOpacity READ pictureOpacity WRITE setPictureOpacity NOTIFY pictureOpacityChanged)
  Q_PROPERTY(int pictureOpacityOnOver READ pictureOpacityOnOver WRITE setPictureOpacityOnOver NOTIFY
                 pictureOpacityOnOverChanged)
  Q_PROPERTY(DisabledPictureLook disabledPictureMode READ disabledPictureMode WRITE setDisabledPictureMode NOTIFY
                 disabledPictureModeChanged)
  Q_PROPERTY(CaptionEffect captionEffects READ captionEffects WRITE setCaptionEffects NOTIFY captionEffectsChanged)
  Q_PROPERTY(bool useMaskColor READ useMaskColor WRITE setUseMaskColor NOTIFY useMaskColorChanged)
  Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor NOTIFY maskColorChanged)
  Q_PROPERTY(CaptionAlignment captionAlign READ captionAlign WRITE setCaptionAlign NOTIFY captionAlignChanged)
  Q_PROPERTY(QString toolTip READ toolTip WRITE setToolTip NOTIFY toolTipChanged)
  Q_PROPERTY(TooltipStyle toolTipType READ toolTipType WRITE setToolTipType NOTIFY toolTipTypeChanged)
  Q_PROPERTY(TooltipIcon toolTipIcon READ toolTipIcon WRITE setToolTipIcon NOTIFY toolTipIconChanged)
  Q_PROPERTY(QString tooltipTitle READ tooltipTitle WRITE setTooltipTitle NOTIFY tooltipTitleChanged)
  Q_PROPERTY(QColor tooltipBackColor READ tooltipBackColor WRITE setTooltipBackColor NOTIFY tooltipBackColorChanged)
  Q_PROPERTY(bool rightToLeft READ rightToLeft WRITE setRightToLeft NOTIFY rightToLeftChanged)
  Q_PROPERTY(int dropDownSymbol READ dropDownSymbol WRITE setDropDownSymbol NOTIFY dropDownSymbolChanged)
  Q_PROPERTY(bool dropDownSeparator READ dropDownSeparator WRITE setDropDownSeparator NOTIFY dropDownSeparatorChanged)
  Q_PROPERTY(Scheme colorScheme READ colorScheme WRITE setColorScheme NOTIFY colorSchemeChanged)

  // The window's Default and Cancel buttons, and the attached menu.
  Q_PROPERTY(bool isDefault READ isDefault WRITE setIsDefault NOTIFY isDefaultChanged)
  Q_PROPERTY(bool cancel READ cancel WRITE setCancel NOTIFY cancelChanged)
  Q_PROPERTY(QObject* popupMenu READ popupMenu WRITE setPopupMenu NOTIFY popupMenuChanged)
  Q_PROPERTY(int popupMenuAlign READ popupMenuAlign WRITE setPopupMenuAlign NOTIFY popupMenuAlignChanged)
  // What the last loadLayout() found wrong; empty after a load that worked.
  Q_PROPERTY(QString layoutError READ layoutError NOTIFY layoutErrorChanged)

public:
  // The named values, under the widget's names.
  enum Style : qint32 {
    Classic = 0,
    ClassicThin = 1,
    RoundedGradient = 2,
    BlueGlass = 3,
    Toolbar = 4,
    WarmHighlight = 5,
    Silver = 6,
    SoftBlue = 7,
    Gel = 8,
    WhiteGloss = 9,
    Shaded = 10,
    FlatClassic = 11,
    FlatThin = 12,
    System = 13,
  };
  Q_ENUM(Style)
  enum ButtonMode : qint32 { PushButton = 0, CheckButton = 1, OptionButton = 2 };
  Q_ENUM(ButtonMode)
  enum Scheme : qint32 { Scheme0 = 0, Scheme1 = 1, Scheme2 = 2, CustomScheme = 3 };
  Q_ENUM(Scheme)
  enum CaptionAlignment : qint32 { CaptionLeft = 0, CaptionCenter = 1, CaptionRight = 2 };
  Q_ENUM(CaptionAlignment)
  enum PictureAlignment : qint32 {
    LeftEdge = 0,
    LeftOfCaption = 1,
    RightEdge = 2,
    RightOfCaption = 3,
    BehindCaption = 4,
    TopEdge = 5,
    AboveCaption = 6,
    BottomEdge = 7,
    BelowCaption = 8,
  };
  Q_ENUM(PictureAlignment)
  enum CaptionEffect : qint32 {
    NoCaptionEffect = 0,
    Raised = 1,
    Sunken = 2,
    Shadow = 3,
    LightOutline = 4,
    DarkOutline = 5,
  };
  Q_ENUM(CaptionEffect)
  enum PictureEffect : qint32 { NoPictureEffect = 0, Lighten = 1, Darken = 2 };
  Q_ENUM(PictureEffect)
  enum DisabledPictureLook : qint32 { Faded = 0, Grayscale = 1 };
  Q_ENUM(DisabledPictureLook)
  enum TooltipStyle : qint32 { RectangleTip = 0, BalloonTip = 1 };
  Q_ENUM(TooltipStyle)
  enum TooltipIcon : qint32 { NoTooltipIcon = 0, InformationIcon = 1, WarningIcon = 2, ErrorIcon = 3 };
  Q_ENUM(TooltipIcon)
  enum Pointer : qint32 {
    DefaultPointer = 0,
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    Icon = 4,
    Size = 5,
    SizeNESW = 6,
    SizeNS = 7,
    SizeNWSE = 8,
    SizeWE = 9,
    UpArrow = 10,
    Hourglass = 11,
    NoDrop = 12,
    ArrowHourglass = 13,
    ArrowQuestion = 14,
    SizeAll = 15,
    CustomPointer = 99,
  };
  Q_ENUM(Pointer)

  explicit VexaButtonItem(QQuickItem* parent = nullptr);
  ~VexaButtonItem() override;

  Style buttonStyle() const { return Style(rec.ButtonStyle); }
  void setButtonStyle(qint32 value);
  bool showFocusRect() const { return rec.ShowFocusRect; }
  void setShowFocusRect(bool value);
  QFont font() const;
  void setFont(const QFont& value);
  QColor backColor() const;
  void setBackColor(const QColor& value);
  QString caption() const { return rec.Caption; }
  void setCaption(const QString& value);
  QColor foreColor() const;
  void setForeColor(const QColor& value);
  QColor foreColorHover() const;
  void setForeColorHover(const QColor& value);
  ButtonMode mode() const { return ButtonMode(rec.Mode); }
  void setMode(qint32 value);
  bool value() const { return rec.Value; }
  void setValue(bool value) override;
  Pointer mousePointer() const { return Pointer(mousePointer_); }
  void setMousePointer(qint32 value);
  bool handPointer() const { return rec.HandPointer; }
  void setHandPointer(bool value);
  QVariant mouseIcon() const;
  void setMouseIcon(const QVariant& value);
  QVariant pictureNormal() const;
  void setPictureNormal(const QVariant& value);
  QVariant pictureHot() const;
  void setPictureHot(const QVariant& value);
  QVariant pictureDown() const;
  void setPictureDown(const QVariant& value);
  PictureAlignment pictureAlign() const { return PictureAlignment(rec.PictureAlign); }
  void setPictureAlign(qint32 value);
  PictureEffect pictureEffectOnOver() const { return PictureEffect(rec.PictureEffectOnOver); }
  void setPictureEffectOnOver(qint32 value);
  PictureEffect pictureEffectOnDown() const { return PictureEffect(rec.PictureEffectOnDown); }
  void setPictureEffectOnDown(qint32 value);
  bool picturePushOnHover() const { return rec.PicturePushOnHover; }
  void setPicturePushOnHover(bool value);
  bool pictureShadow() const { return rec.PictureShadow; }
  void setPictureShadow(bool value);
  int pictureOpacity() const { return rec.PictureOpacity; }
  void setPictureOpacity(int value);
  int pictureOpacityOnOver() const { return rec.PictureOpacityOnOver; }
  void setPictureOpacityOnOver(int value);
  DisabledPictureLook disabledPictureMode() const { return DisabledPictureLook(rec.DisabledPictureMode); }
  void setDisabledPictureMode(qint32 value);
  CaptionEffect captionEffects() const { return CaptionEffect(rec.CaptionEffects); }
  void setCaptionEffects(qint32 value);
  bool useMaskColor() const { return rec.UseMaskColor; }
  void setUseMaskColor(bool value);
  QColor maskColor() const;
  void setMaskColor(const QColor& value);
  CaptionAlignment captionAlign() const { return CaptionAlignment(rec.CaptionAlign); }
  void setCaptionAlign(qint32 value);
  QString toolTip() const { return rec.ToolTip; }
  void setToolTip(const QString& value);
  TooltipStyle toolTipType() const { return TooltipStyle(rec.TooltipType); }
  void setToolTipType(qint32 value);
  TooltipIcon toolTipIcon() const { return TooltipIcon(rec.TooltipIcon); }
  void setToolTipIcon(qint32 value);
  QString tooltipTitle() const { return rec.TooltipTitle; }
  void setTooltipTitle(const QString& value);
  QColor tooltipBackColor() const;
  void setTooltipBackColor(const QColor& value);
  bool rightToLeft() const { return rec.RightToLeft; }
  void setRightToLeft(bool value);
  int dropDownSymbol() const { return rec.DropDownSymbol; }
  void setDropDownSymbol(int value);
  bool dropDownSeparator() const { return rec.DropDownSeparator; }
  void setDropDownSeparator(bool value);
  Scheme colorScheme() const { return Scheme(rec.ColorScheme); }
  void setColorScheme(qint32 value);

  bool isDefault() const { return isDefault_; }
  void setIsDefault(bool value);
  bool cancel() const { return cancel_; }
  void setCancel(bool value);
  QObject* popupMenu() const { return popupMenu_; }
  void setPopupMenu(QObject* menu);
  int popupMenuAlign() const { return popupMenuAlign_; }
  void setPopupMenuAlign(int align);
  QString layoutError() const { return layoutError_; }

  // Reads a stored layout (the JSON property bag the widget reads: a file
  // name, or a file: or qrc: URL, relative to the QML document). A layout
  // that fails to read leaves the item as it was and says why in
  // layoutError.
  Q_INVOKABLE bool loadLayout(const QString& fileOrUrl);

  // The surface as the last draw left it (tools and tests).
  const platform::Surface& surface() const { return surface_; }
  const ButtonRecord& buttonRecord() const { return rec; }
  // The item's size, which is also what the input rules measure.
  QSizeF size() const override { return QQuickItem::size(); }

Q_SIGNALS:
  void buttonStyleChanged();
  void showFocusRectChanged();
  void fontChanged();
  void backColorChanged();
  void captionChanged();
  void foreColorChanged();
  void foreColorHoverChanged();
  void modeChanged();
  void valueChanged();
  void mousePointerChanged();
  void handPointerChanged();
  void mouseIconChanged();
  void pictureNormalChanged();
  void pictureHotChanged();
  void pictureDownChanged();
  void pictureAlignChanged();
  void pictureEffectOnOverChanged();
  void pictureEffectOnDownChanged();
  void picturePushOnHoverChanged();
  void pictureShadowChanged();
  void pictureOpacityChanged();
  void pictureOpacityOnOverChanged();
  void disabledPictureModeChanged();
  void captionEffectsChanged();
  void useMaskColorChanged();
  void maskColorChanged();
  void captionAlignChanged();
  void toolTipChanged();
  void toolTipTypeChanged();
  void toolTipIconChanged();
  void tooltipTitleChanged();
  void tooltipBackColorChanged();
  void rightToLeftChanged();
  void dropDownSymbolChanged();
  void dropDownSeparatorChanged();
  void colorSchemeChanged();
  void isDefaultChanged();
  void cancelChanged();
  void popupMenuChanged();
  void popupMenuAlignChanged();
  void layoutErrorChanged();

  // Qt's button signals, in the order the widget emits them among the events.
  void pressed();
  void released();
  void clicked();
  void toggled(bool checked);

  // The control's events.
  void click();
  void dblClick();
  void mouseEnter();
  void mouseLeave();
  void mouseMove(int button, int shift, qreal x, qreal y);
  void mouseUp(int button, int shift, qreal x, qreal y);
  void mouseDown(int button, int shift, qreal x, qreal y);
  void keyDown(int keyCode, int shift);
  void keyUp(int keyCode, int shift);
  void keyPress(int keyAscii);

protected:
  void componentComplete() override;
  QSGNode* updatePaintNode(QSGNode* node, UpdatePaintNodeData* data) override;
  void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
  void itemChange(ItemChange change, const ItemChangeData& data) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseUngrabEvent() override;
  void hoverEnterEvent(QHoverEvent* event) override;
  void hoverMoveEvent(QHoverEvent* event) override;
  void hoverLeaveEvent(QHoverEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  friend class WindowKeys;
  struct Snapshot;

  // What the input rules ask of the item.
  QObject* object() override { return this; }
  ButtonRecord& record() override { return rec; }
  void settle() override;
  void redraw() override;
  void raise(const vexa::InputEvent& event) override;
  bool isOn(QPoint at) const override;
  void pointerIsOver(QPoint at) override;
  bool takeNewVisit() override;
  void updatePointerShape() override;
  void uncheckOtherOptions() override;
  void showTooltip() override;
  void openMenu() override;
  void moveFocus(bool next) override;
  bool endLeftPress() override;
  bool holdsLeftPress() const override;
  bool pressHeldByAnother() const override;
  void captureForSpace() override;
  void releaseSpaceCapture() override;

  // Stores through `change`, repaints and emits the change signal of every
  // property whose value differs afterwards.
  template <typename Change> void change(Change&& change);
  void declare(const char* name, const QVariant& value);
  void emitChanges(const Snapshot& before);
  void draw();
  void applyPointer();
  void followWindow();
  void followDevicePixelRatio();
  void followActivation();
  // The application palette changed: the system colours are drawn anew.
  void systemColoursChanged();
  void updateImplicitSize();
  // The events the rules raised are followed by Qt's down state.
  void followQtDown();
  void qtClicked();
  void pointerGone();
  void dropLeftPress();
  void raiseHeldLeave();
  void setAccessibleState();
  bool isSecondPressOfDoubleClick(const QMouseEvent& event);
  Q_SLOT void quickMenuClosed();
  Q_SLOT void accessibleClick();
  // What Qt Quick calls for the Press and Toggle it offers assistive technology.
  Q_SLOT void accessiblePressAction();
  Q_SLOT void accessibleToggleAction();
  void updateDefaultLook();

  ButtonRecord rec;
  qint32 mousePointer_ = 0;
  platform::PicturePtr mouseIcon_;
  platform::Surface surface_;
  QString accessKeys_;
  QVariant pictureSources_[4]; // as given: normal, hot, down, mouse icon
  bool isDefault_ = false;
  bool cancel_ = false;
  QPointer<QObject> popupMenu_;
  int popupMenuAlign_ = 0;
  qint32 menuFlags_ = 0; // the flags of the last opening, kept for the next
  QString layoutError_;
  bool redrawPending_ = true;
  bool imageChanged_ = true;
  bool qtDown_ = false;
  bool ownLeftPress_ = false;
  bool leaveRequested_ = false;
  bool newVisit_ = false;
  bool leaveHeld_ = false;
  bool pressAwaitingDoubleClick_ = false;
  struct LastPress {
    Qt::MouseButton button = Qt::NoButton;
    quint64 time = 0;
    QPointF at;
    bool second = false;
  } lastPress_;
  QList<std::pair<QByteArray, QVariant>> declared_; // by the QML declaration, until it is complete
  QPointer<QQuickWindow> window_;
  QPointer<QObject> accessibleAttached_;
  QMetaObject::Connection menuPress_; // a menu button's Press, from the attached object
  bool accessibleRetryQueued_ = false;
  QPointer<platform::TooltipWindow> tooltip_;
  std::optional<QPoint> lastPointer_;        // global, where the last move over the item was
  std::optional<QPointF> lastScenePosition_; // where the last mouse event the item handled was
  QMetaObject::Connection activeConnection_;
  QMetaObject::Connection focusConnection_;
  QMetaObject::Connection menuConnections_[2]; // its destruction, its closing
};
