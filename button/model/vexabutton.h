// SPDX-License-Identifier: MIT
#pragma once

// Installed as <VexaButton/vexabutton.h> with the platform headers in
// VexaButton/platform/: each include below resolves beside this file there,
// and through the source root in this tree.
#include "ButtonProperties.h"
#include "platform/ControlHost.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/SharedFont.h"
#include "vexabutton_export.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QAction;
class vexabuttonAccessible;
class vexabuttonPrivate;

// The owner-drawn button control. Its record and its drawing surface live in
// its private part (vexabutton_p.h, not installed); Redraw renders into the
// surface synchronously and the paint event only copies it to the screen.
//
// Source files: vexabutton.cpp (widget core, Qt event mapping, Redraw),
// Properties.cpp (getters and setters), Persistence.cpp (new instance,
// load and save passes), Input.cpp (the input state machine),
// Lifecycle.cpp (creation, show, hide, resize, destruction); services/
// Accessible.cpp tells assistive technology what the button is and does.
class VEXABUTTON_EXPORT vexabutton : public QWidget, public platform::HostedControl {
  Q_OBJECT
  // ---- Properties for Qt's tools ---------------------------------------------
  // One Q_PROPERTY per stored property, under its own name, in a type Qt
  // Designer, uic and property browsers handle: named values as the
  // enumerations below, colours as QColor, the font as QFont, pictures as
  // QPixmap. Each has a NOTIFY signal (NameChanged) emitted once for every
  // real change of the value, whatever made it: a setter, a load pass, a
  // style's defaults, QWidget's own setters, a click. Setting a property to
  // the value it has emits nothing (the host is still told, as before).
  // ButtonStyle and ColorScheme come first: their setters bring the style's
  // colours, which the properties after them then override, so a form that
  // lists the properties in this order loads back exactly.
  // Enabled, Font and ToolTip are QWidget's enabled, font and toolTip seen
  // under the control's names; Qt's tools show Qt's own ones.
  Q_PROPERTY(Style ButtonStyle READ ButtonStyle WRITE setButtonStyle NOTIFY ButtonStyleChanged)
  Q_PROPERTY(Scheme ColorScheme READ ColorScheme WRITE setColorScheme NOTIFY ColorSchemeChanged)
  Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect NOTIFY ShowFocusRectChanged)
  Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY EnabledChanged DESIGNABLE false)
  Q_PROPERTY(QFont Font READ font WRITE setFont NOTIFY FontChanged DESIGNABLE false)
  Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor NOTIFY BackColorChanged)
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
  Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor NOTIFY ForeColorChanged)
  Q_PROPERTY(QColor ForeColorHover READ foreColorHover WRITE setForeColorHover NOTIFY ForeColorHoverChanged)
  Q_PROPERTY(ButtonMode Mode READ Mode WRITE setMode NOTIFY ModeChanged)
  Q_PROPERTY(bool Value READ Value WRITE setValue NOTIFY ValueChanged)
  Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon RESET clearMouseIcon NOTIFY MouseIconChanged)
  Q_PROPERTY(bool HandPointer READ HandPointer WRITE setHandPointer NOTIFY HandPointerChanged)
  Q_PROPERTY(Pointer MousePointer READ MousePointer WRITE setMousePointer NOTIFY MousePointerChanged)
  Q_PROPERTY(QPixmap PictureNormal READ pictureNormal WRITE setPictureNormal RESET clearPictureNormal NOTIFY
                 PictureNormalChanged)
  Q_PROPERTY(QPixmap PictureHot READ pictureHot WRITE setPictureHot RESET clearPictureHot NOTIFY PictureHotChanged)
  Q_PROPERTY(QPixmap PictureDown READ pictureDown WRITE setPictureDown RESET clearPictureDown NOTIFY PictureDownChanged)
  Q_PROPERTY(PictureAlignment PictureAlign READ PictureAlign WRITE setPictureAlign NOTIFY PictureAlignChanged)
  Q_PROPERTY(PictureEffect PictureEffectOnOver READ PictureEffectOnOver WRITE setPictureEffectOnOver NOTIFY
                 PictureEffectOnOverChanged)
  Q_PROPERTY(PictureEffect PictureEffectOnDown READ PictureEffectOnDown WRITE setPictureEffectOnDown NOTIFY
                 PictureEffectOnDownChanged)
  Q_PROPERTY(
      bool PicturePushOnHover READ PicturePushOnHover WRITE setPicturePushOnHover NOTIFY PicturePushOnHoverChanged)
  Q_PROPERTY(bool PictureShadow READ PictureShadow WRITE setPictureShadow NOTIFY PictureShadowChanged)
  Q_PROPERTY(int PictureOpacity READ PictureOpacity WRITE setPictureOpacity NOTIFY PictureOpacityChanged)
  Q_PROPERTY(int PictureOpacityOnOver READ PictureOpacityOnOver WRITE setPictureOpacityOnOver NOTIFY
                 PictureOpacityOnOverChanged)
  Q_PROPERTY(DisabledPictureLook DisabledPictureMode READ DisabledPictureMode WRITE setDisabledPictureMode NOTIFY
                 DisabledPictureModeChanged)
  Q_PROPERTY(CaptionEffect CaptionEffects READ CaptionEffects WRITE setCaptionEffects NOTIFY CaptionEffectsChanged)
  Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor NOTIFY UseMaskColorChanged)
  Q_PROPERTY(QColor MaskColor READ maskColor WRITE setMaskColor NOTIFY MaskColorChanged)
  Q_PROPERTY(CaptionAlignment CaptionAlign READ CaptionAlign WRITE setCaptionAlign NOTIFY CaptionAlignChanged)
  Q_PROPERTY(QString ToolTip READ ToolTip WRITE setToolTip NOTIFY ToolTipChanged DESIGNABLE false)
  Q_PROPERTY(TooltipStyle ToolTipType READ ToolTipType WRITE setToolTipType NOTIFY ToolTipTypeChanged)
  Q_PROPERTY(TooltipIcon ToolTipIcon READ ToolTipIcon WRITE setToolTipIcon NOTIFY ToolTipIconChanged)
  Q_PROPERTY(QString TooltipTitle READ TooltipTitle WRITE setTooltipTitle NOTIFY TooltipTitleChanged)
  Q_PROPERTY(QColor TooltipBackColor READ tooltipBackColor WRITE setTooltipBackColor NOTIFY TooltipBackColorChanged)
  Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft NOTIFY RightToLeftChanged)
  Q_PROPERTY(qint32 DropDownSymbol READ DropDownSymbol WRITE setDropDownSymbol NOTIFY DropDownSymbolChanged)
  Q_PROPERTY(bool DropDownSeparator READ DropDownSeparator WRITE setDropDownSeparator NOTIFY DropDownSeparatorChanged)
  Q_PROPERTY(qint32 hWnd READ hWnd DESIGNABLE false STORED false)

public:
  // ---- Named values -------------------------------------------------------------
  // The values the enumerated properties name, as the class's own names
  // (vexabutton::Gel), the way Qt's tools write them. The properties stay
  // 32-bit numbers: the getters return the enumeration, which holds any
  // stored number, and the setters take the number, so values without a
  // name are kept and drawn as the drawing code says for them.
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
  // The pointer shape codes of MousePointer; CustomPointer shows MouseIcon.
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

  // The colour a stored colour shows (a system colour as it is now);
  // invalid when it cannot be translated.
  static QColor toColor(qint32 oleColour);
  // Warns (logging category "vexabutton") of every enumerated property
  // whose value is none of its enumeration's: a form or a layout may hold
  // one. Such a value is kept as given. Run by the load pass, and for a
  // form by the Designer plugin once the form has set its properties.
  void warnOfUnlistedValues() const;

  // The class identifier stored layouts name the control by.
  static constexpr const char* ClassId = "ZVTK.vexabutton";

  // The host is the nearest ancestor window that is a ControlHost unless one
  // is given; without either the control keeps a StandaloneHost of its own.
  explicit vexabutton(QWidget* parent = nullptr, platform::ControlHost* host = nullptr);
  ~vexabutton() override;

  // ---- Properties (ButtonProperties.h) --------------------------------------
  // A getter for every stored property, and the setters that store, repaint
  // and notify, come from the property list.
#define VEXA_DECLARE_ACCESSORS(Name, Type, Kind, Field, Key, Notify, NewValue, ReadDefault, Change, Setter, Help)      \
  Type Name() const;                                                                                                   \
  VEXA_DECLARE_SETTER_##Setter(Name, Type)
#define VEXA_DECLARE_SETTER_Stored(Name, Type) void set##Name(vexa::In<Type> value);
#define VEXA_DECLARE_SETTER_Own(Name, Type)
#define VEXA_DECLARE_SETTER_Widget(Name, Type)
  VEXA_BUTTON_PROPERTIES(VEXA_DECLARE_ACCESSORS)
#undef VEXA_DECLARE_ACCESSORS
#undef VEXA_DECLARE_SETTER_Stored
#undef VEXA_DECLARE_SETTER_Own
#undef VEXA_DECLARE_SETTER_Widget

  // Setters of their own (Properties.cpp).
  void setButtonStyle(qint32 value);
  void setColorScheme(qint32 value);
  void setCaption(const QString& value);
  // A push button has no value: it stays false and the button shows released.
  void setValue(bool value);
  void setMode(qint32 value);
  void setHandPointer(bool value);
  void setRightToLeft(bool value);
  // Fails (returns false, *error says why) for values outside 16 bits; without
  // `error` the refusal is logged.
  bool setMousePointer(qint32 value, QString* error = nullptr);
  // Byte properties: values outside 0..255 fail (false, *error says why; without
  // `error` logged) and change nothing.
  bool setPictureOpacity(int value, QString* error = nullptr);
  bool setPictureOpacityOnOver(int value, QString* error = nullptr);

  // Colours: the stored form (0x00BBGGRR, or a system colour 0x800000nn) and
  // the QColor it shows. A QColor equal to the one shown changes nothing, so
  // a system colour read and written back stays a system colour; an invalid
  // QColor is refused.
  void setBackColor(qint32 value);
  void setForeColor(qint32 value);
  void setForeColorHover(qint32 value);
  QColor backColor() const;
  void setBackColor(const QColor& colour);
  QColor foreColor() const;
  void setForeColor(const QColor& colour);
  QColor foreColorHover() const;
  void setForeColorHover(const QColor& colour);
  QColor maskColor() const;
  void setMaskColor(const QColor& colour);
  QColor tooltipBackColor() const;
  void setTooltipBackColor(const QColor& colour);

  // The font: the shared font object beside QWidget's font(), which always
  // shows the same font. A null shared font is refused. QWidget::setFont
  // changes the attributes its QFont sets (its resolve mask) and keeps the
  // rest, such as the character set and fractional sizes.
  void setFont(platform::SharedFontPtr font);
  using QWidget::setFont;

  // Enabled and ToolTip are QWidget's setEnabled and setToolTip (Enabled()
  // is the button's own setting, not a disabled container's).
  using QWidget::setEnabled;
  using QWidget::setToolTip;

  // Pictures: the picture objects beside QPixmap and QIcon forms. Setting
  // PictureHot or PictureDown while PictureNormal is empty sets PictureNormal;
  // clearing PictureNormal clears all three. A pixmap with the pixels of the
  // current picture keeps the picture object (and its type); other pixmaps
  // become bitmaps, a null pixmap is no picture.
  void setMouseIcon(platform::PicturePtr picture);
  void setPictureNormal(platform::PicturePtr picture);
  void setPictureHot(platform::PicturePtr picture);
  void setPictureDown(platform::PicturePtr picture);
  QPixmap mouseIcon() const;
  void setMouseIcon(const QPixmap& pixmap);
  void clearMouseIcon() { setMouseIcon(platform::PicturePtr()); }
  QPixmap pictureNormal() const;
  void setPictureNormal(const QPixmap& pixmap);
  void clearPictureNormal() { setPictureNormal(platform::PicturePtr()); }
  QPixmap pictureHot() const;
  void setPictureHot(const QPixmap& pixmap);
  void clearPictureHot() { setPictureHot(platform::PicturePtr()); }
  QPixmap pictureDown() const;
  void setPictureDown(const QPixmap& pixmap);
  void clearPictureDown() { setPictureDown(platform::PicturePtr()); }

  // The window handle of the control surface (an opaque id, see platform::WindowRegistry).
  qint32 hWnd() const;

  // Extender values the host keeps for this instance.
  QString Tag() const;
  void setTag(const QString& tag);

  // Help strings for a property browser; empty for an unknown member.
  static QString helpString(const QString& member);

  // ---- Lifecycle -----------------------------------------------------------
  // A newly placed instance (no stored properties).
  void InitProperties();
  // A newly placed instance as a running window has it: InitProperties, then
  // the load pass over what it saves, which (with a host in run mode)
  // installs the hover tracking a control made in code needs.
  void loadNewInstance();
  // Loads from a stored bag. On a value of the wrong type fails with an error
  // that names the key and what was expected, leaving the record untouched.
  // Keys the control does not know are ignored (see unknownKeys). The font
  // read is a copy: follow or change it through Font(), not the bag's object.
  bool ReadProperties(const platform::PropertyBag& bag, QString* error = nullptr);
  // Writes the 37 keys in the writing order with their write defaults.
  void WriteProperties(platform::PropertyBag& bag) const;
  // The 37 persisted keys in writing order.
  static QStringList persistedKeys();
  // The keys of `bag` the control does not read (in the bag's order), so a
  // tool loading a stored layout can warn about them by name. The host's
  // extent keys "_ExtentX" and "_ExtentY" count as known.
  static QStringList unknownKeys(const platform::PropertyBag& bag);
  // The smallest size the resize step allows: 220 twips, which is 14.67
  // pixels, rounded up to whole pixels.
  static constexpr int MinimumSizeTwips = 220;
  static constexpr int MinimumSizePixels = 15;
  // The largest size the resize step allows along each side, and the
  // longest caption the control takes: far beyond any real button, and
  // small enough that drawing it stays as cheap as a plain widget's.
  static constexpr int MaximumSizePixels = 4096;
  static constexpr int MaxCaptionLength = 4096;

  // ---- Painting --------------------------------------------------------------
  // Renders the whole button into the surface, then asks for a repaint.
  void Redraw();

  // ---- Size hints (vexabutton.cpp) ------------------------------------------
  // The caption on its own lines in the control's font, the pictures and the
  // drop-down symbol, laid out as the button draws them, with the margins of
  // a push button in the application's style around them. The minimum is
  // where the content still fits without those margins. Both stay within the
  // control's smallest and largest sizes.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // ---- Methods ---------------------------------------------------------------
  // Attaches a drop-down menu: a press opens it at Align 0..7 around the
  // button instead of raising MouseDown. Anything but a QMenu is ignored. A
  // menu that is destroyed detaches itself.
  Q_INVOKABLE void SetPopupMenu(QObject* Menu, qint32 Align = 0, qint32 Flags = 0, QAction* DefaultMenu = nullptr);
  Q_INVOKABLE void UnsetPopupMenu();
  // Opens an http, https or mailto address with the desktop's handler and
  // returns whether it opened; anything else is refused (false) and nothing runs.
  Q_INVOKABLE bool OpenWebsite(const QString& sAddress);
  // The control's information box.
  Q_INVOKABLE void About();
  // The text About shows.
  static QString aboutText();

  // ---- Host notifications (platform::HostedControl) ------------------------
  void hostAmbientChanged(const QString& name) override;
  void hostAccessKeyPress(int keyAscii) override;
  bool hostWantsEnter() const override { return true; }

  // ---- Input (Input.cpp) ----------------------------------------------------
  void UncheckOtherOptions();
  void SetAccessKeys();
  // The access key derived from Caption ("" for none), lower case.
  QString AccessKeys() const;

signals:
  void Click();
  void DblClick();
  void MouseEnter();
  void MouseLeave();
  void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
  void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
  void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
  void KeyDown(qint16 KeyCode, qint16 Shift);
  void KeyUp(qint16 KeyCode, qint16 Shift);
  void KeyPress(qint16 KeyAscii);

  // The change signals of the properties (see the Q_PROPERTYs above).
  void ButtonStyleChanged(vexabutton::Style ButtonStyle);
  void ShowFocusRectChanged(bool ShowFocusRect);
  void EnabledChanged(bool Enabled);
  void FontChanged(const QFont& Font);
  void BackColorChanged(const QColor& BackColor);
  void CaptionChanged(const QString& Caption);
  void ForeColorChanged(const QColor& ForeColor);
  void ForeColorHoverChanged(const QColor& ForeColorHover);
  void ModeChanged(vexabutton::ButtonMode Mode);
  void ValueChanged(bool Value);
  void MousePointerChanged(vexabutton::Pointer MousePointer);
  void HandPointerChanged(bool HandPointer);
  void MouseIconChanged(const QPixmap& MouseIcon);
  void PictureNormalChanged(const QPixmap& PictureNormal);
  void PictureHotChanged(const QPixmap& PictureHot);
  void PictureDownChanged(const QPixmap& PictureDown);
  void PictureAlignChanged(vexabutton::PictureAlignment PictureAlign);
  void PictureEffectOnOverChanged(vexabutton::PictureEffect PictureEffectOnOver);
  void PictureEffectOnDownChanged(vexabutton::PictureEffect PictureEffectOnDown);
  void PicturePushOnHoverChanged(bool PicturePushOnHover);
  void PictureShadowChanged(bool PictureShadow);
  void PictureOpacityChanged(int PictureOpacity);
  void PictureOpacityOnOverChanged(int PictureOpacityOnOver);
  void DisabledPictureModeChanged(vexabutton::DisabledPictureLook DisabledPictureMode);
  void CaptionEffectsChanged(vexabutton::CaptionEffect CaptionEffects);
  void UseMaskColorChanged(bool UseMaskColor);
  void MaskColorChanged(const QColor& MaskColor);
  void CaptionAlignChanged(vexabutton::CaptionAlignment CaptionAlign);
  void ToolTipChanged(const QString& ToolTip);
  void ToolTipTypeChanged(vexabutton::TooltipStyle ToolTipType);
  void ToolTipIconChanged(vexabutton::TooltipIcon ToolTipIcon);
  void TooltipTitleChanged(const QString& TooltipTitle);
  void TooltipBackColorChanged(const QColor& TooltipBackColor);
  void RightToLeftChanged(bool RightToLeft);
  void DropDownSymbolChanged(qint32 DropDownSymbol);
  void DropDownSeparatorChanged(bool DropDownSeparator);
  void ColorSchemeChanged(vexabutton::Scheme ColorScheme);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

private:
  friend class vexabuttonAccessible;

  // Handlers of the input state machine (Input.cpp): the Qt events above
  // turned into the button's own terms.
  void handleMouseDown(qint16 button, qint16 shift, float x, float y);
  void handleMouseMove(qint16 button, qint16 shift, float x, float y);
  void handleMouseUp(qint16 button, qint16 shift, float x, float y);
  void handleDblClick();
  void handleKeyDown(qint16 keyCode, qint16 shift);
  void handleKeyUp(qint16 keyCode, qint16 shift);
  void handleKeyPress(qint16 keyAscii);
  void handleAccessKeyPress(qint16 keyAscii);
  void handleGotFocus();
  void handleLostFocus();
  // The mouse capture the space bar holds until its key-up; a left press it
  // brought to the button keeps it until that press's release.
  void captureForSpace();
  void releaseSpaceCapture();
  void releaseSpaceCaptureUnlessPressHeld();
  bool pressHeldByAnotherButton() const;
  bool holdsLeftPress() const;

  // Hover tracking and window subclassing (services/Subclass.cpp).
  void startSubclassing(); // load step: routers on the own and the parent window
  void stopSubclassing();  // destruction step
  void TrackMouseLeave();
  // Tooltip and popup-menu services (services/Tooltip.cpp, services/PopupMenu.cpp).
  void ShowToolTip();
  void ShowPopupMenu();
  // Accessibility (services/Accessible.cpp): the click an assistive
  // technology asks for, and the announcement of what changed.
  void clickForAssistiveTechnology();
  void announceAccessibleChanges();

  void propertyChanged(const QString& name);
  // The font, tool tip and enabled state shared with QWidget (DesignerProperties.cpp).
  void showFontOnWidget();
  void showStateOnWidget();
  void followWidgetFont();
  void followWidgetToolTip();
  void mFont_FontChanged(const QString& propertyName);
  void applyRegionIfChanged();
  void followDevicePixelRatio();
  void followEnabled();
  void applyPointer();
  void resizeStep();
  void applyWindowRegionStep();
  bool loadHandCursor();
  void attachFont(platform::SharedFontPtr font);
  platform::ControlHost* liveHost() const;

  friend class vexabuttonPrivate;
  std::unique_ptr<vexabuttonPrivate> d_;
};
