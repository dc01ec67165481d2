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
  // ---- Property view for Qt's tools (DesignerProperties.cpp) -----------------
  // One Q_PROPERTY per stored property, under its own name, in a type Qt
  // Designer and property browsers can show: named values as enumerations,
  // colours as QColor, the font as QFont, pictures as QPixmap. The C++
  // getters and setters below and the stored layouts keep their own types.
  // ButtonStyle and ColorScheme are declared first and write through their
  // setters, so the style's colours follow; every other property is stored
  // as given, without touching the others, as a stored layout is loaded. A
  // form that lists the properties in this order therefore loads back exactly.
  Q_PROPERTY(Style ButtonStyle READ buttonStyleProperty WRITE setButtonStyleProperty)
  Q_PROPERTY(Scheme ColorScheme READ colorSchemeProperty WRITE setColorSchemeProperty)
  Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
  Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
  Q_PROPERTY(QFont Font READ fontProperty WRITE setFontProperty)
  Q_PROPERTY(QColor BackColor READ backColorProperty WRITE setBackColorProperty)
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(QColor ForeColor READ foreColorProperty WRITE setForeColorProperty)
  Q_PROPERTY(QColor ForeColorHover READ foreColorHoverProperty WRITE setForeColorHoverProperty)
  Q_PROPERTY(ButtonMode Mode READ modeProperty WRITE setModeProperty)
  Q_PROPERTY(bool Value READ Value WRITE setValueProperty)
  Q_PROPERTY(QPixmap MouseIcon READ mouseIconProperty WRITE setMouseIconProperty)
  Q_PROPERTY(bool HandPointer READ HandPointer WRITE setHandPointerProperty)
  Q_PROPERTY(Pointer MousePointer READ mousePointerProperty WRITE setMousePointerProperty)
  Q_PROPERTY(QPixmap PictureNormal READ pictureNormalProperty WRITE setPictureNormalProperty)
  Q_PROPERTY(QPixmap PictureHot READ pictureHotProperty WRITE setPictureHotProperty)
  Q_PROPERTY(QPixmap PictureDown READ pictureDownProperty WRITE setPictureDownProperty)
  Q_PROPERTY(PictureAlignment PictureAlign READ pictureAlignProperty WRITE setPictureAlignProperty)
  Q_PROPERTY(PictureEffect PictureEffectOnOver READ pictureEffectOnOverProperty WRITE setPictureEffectOnOverProperty)
  Q_PROPERTY(PictureEffect PictureEffectOnDown READ pictureEffectOnDownProperty WRITE setPictureEffectOnDownProperty)
  Q_PROPERTY(bool PicturePushOnHover READ PicturePushOnHover WRITE setPicturePushOnHover)
  Q_PROPERTY(bool PictureShadow READ PictureShadow WRITE setPictureShadow)
  Q_PROPERTY(int PictureOpacity READ PictureOpacity WRITE setPictureOpacityProperty)
  Q_PROPERTY(int PictureOpacityOnOver READ PictureOpacityOnOver WRITE setPictureOpacityOnOverProperty)
  Q_PROPERTY(
      DisabledPictureLook DisabledPictureMode READ disabledPictureModeProperty WRITE setDisabledPictureModeProperty)
  Q_PROPERTY(CaptionEffect CaptionEffects READ captionEffectsProperty WRITE setCaptionEffectsProperty)
  Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
  Q_PROPERTY(QColor MaskColor READ maskColorProperty WRITE setMaskColorProperty)
  Q_PROPERTY(CaptionAlignment CaptionAlign READ captionAlignProperty WRITE setCaptionAlignProperty)
  Q_PROPERTY(QString ToolTip READ ToolTip WRITE setToolTip)
  Q_PROPERTY(TooltipStyle ToolTipType READ tooltipTypeProperty WRITE setTooltipTypeProperty)
  Q_PROPERTY(TooltipIcon ToolTipIcon READ tooltipIconProperty WRITE setTooltipIconProperty)
  Q_PROPERTY(QString TooltipTitle READ TooltipTitle WRITE setTooltipTitle)
  Q_PROPERTY(QColor TooltipBackColor READ tooltipBackColorProperty WRITE setTooltipBackColorProperty)
  Q_PROPERTY(bool RightToLeft READ RightToLeft WRITE setRightToLeft)
  Q_PROPERTY(qint32 DropDownSymbol READ DropDownSymbol WRITE setDropDownSymbol)
  Q_PROPERTY(bool DropDownSeparator READ DropDownSeparator WRITE setDropDownSeparator)
  Q_PROPERTY(qint32 hWnd READ hWnd DESIGNABLE false STORED false)

public:
  // ---- Named values (DesignerProperties.cpp) ----------------------------------
  // The values the enumerated properties name. The properties stay 32-bit
  // numbers: values without a name are kept and drawn as the drawing code
  // says for them.
  enum class Style : qint32 {
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
  enum class ButtonMode : qint32 { PushButton = 0, CheckButton = 1, OptionButton = 2 };
  Q_ENUM(ButtonMode)
  enum class Scheme : qint32 { Scheme0 = 0, Scheme1 = 1, Scheme2 = 2, Custom = 3 };
  Q_ENUM(Scheme)
  enum class CaptionAlignment : qint32 { Left = 0, Center = 1, Right = 2 };
  Q_ENUM(CaptionAlignment)
  enum class PictureAlignment : qint32 {
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
  enum class CaptionEffect : qint32 { None = 0, Raised = 1, Sunken = 2, Shadow = 3, LightOutline = 4, DarkOutline = 5 };
  Q_ENUM(CaptionEffect)
  enum class PictureEffect : qint32 { None = 0, Lighten = 1, Darken = 2 };
  Q_ENUM(PictureEffect)
  enum class DisabledPictureLook : qint32 { Faded = 0, Grayscale = 1 };
  Q_ENUM(DisabledPictureLook)
  enum class TooltipStyle : qint32 { Rectangle = 0, Balloon = 1 };
  Q_ENUM(TooltipStyle)
  enum class TooltipIcon : qint32 { None = 0, Information = 1, Warning = 2, Error = 3 };
  Q_ENUM(TooltipIcon)
  // The pointer shape codes of MousePointer; Custom shows MouseIcon.
  enum class Pointer : qint32 {
    Default = 0,
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
    Custom = 99,
  };
  Q_ENUM(Pointer)

  // The property view of the Q_PROPERTYs above. Colours read as their RGB
  // (a system-colour reference as its current colour); a colour written is
  // stored as RGB unless it equals the current one, so a reference survives
  // a read and write back. The font writes only the attributes the QFont
  // sets explicitly (its resolve mask) over a copy of the current font, so
  // the character set and fractional sizes stay. A picture written with the
  // pixels of the current one keeps the current picture object (and its
  // type); other pixmaps become bitmaps. A null pixmap is no picture.
  // The colour a stored colour shows (a system colour as it is now);
  // invalid when it cannot be translated.
  static QColor toColor(qint32 oleColour);
  // Warns (logging category "vexabutton") of every enumerated property
  // whose value is none of its enumeration's: a form or a layout may hold
  // one. Such a value is kept as given. Run by the load pass, and for a
  // form by the Designer plugin once the form has set its properties.
  void warnOfUnlistedValues() const;
  Style buttonStyleProperty() const;
  void setButtonStyleProperty(Style value);
  Scheme colorSchemeProperty() const;
  void setColorSchemeProperty(Scheme value);
  QFont fontProperty() const;
  void setFontProperty(const QFont& font);
  QColor backColorProperty() const;
  void setBackColorProperty(const QColor& colour);
  QColor foreColorProperty() const;
  void setForeColorProperty(const QColor& colour);
  QColor foreColorHoverProperty() const;
  void setForeColorHoverProperty(const QColor& colour);
  QColor maskColorProperty() const;
  void setMaskColorProperty(const QColor& colour);
  QColor tooltipBackColorProperty() const;
  void setTooltipBackColorProperty(const QColor& colour);
  ButtonMode modeProperty() const;
  void setModeProperty(ButtonMode value);
  void setValueProperty(bool value);
  QPixmap mouseIconProperty() const;
  void setMouseIconProperty(const QPixmap& pixmap);
  void setHandPointerProperty(bool value);
  Pointer mousePointerProperty() const;
  void setMousePointerProperty(Pointer value);
  QPixmap pictureNormalProperty() const;
  void setPictureNormalProperty(const QPixmap& pixmap);
  QPixmap pictureHotProperty() const;
  void setPictureHotProperty(const QPixmap& pixmap);
  QPixmap pictureDownProperty() const;
  void setPictureDownProperty(const QPixmap& pixmap);
  PictureAlignment pictureAlignProperty() const;
  void setPictureAlignProperty(PictureAlignment value);
  PictureEffect pictureEffectOnOverProperty() const;
  void setPictureEffectOnOverProperty(PictureEffect value);
  PictureEffect pictureEffectOnDownProperty() const;
  void setPictureEffectOnDownProperty(PictureEffect value);
  // Values outside 0..255 are refused (the property keeps its value).
  void setPictureOpacityProperty(int value);
  void setPictureOpacityOnOverProperty(int value);
  DisabledPictureLook disabledPictureModeProperty() const;
  void setDisabledPictureModeProperty(DisabledPictureLook value);
  CaptionEffect captionEffectsProperty() const;
  void setCaptionEffectsProperty(CaptionEffect value);
  CaptionAlignment captionAlignProperty() const;
  void setCaptionAlignProperty(CaptionAlignment value);
  TooltipStyle tooltipTypeProperty() const;
  void setTooltipTypeProperty(TooltipStyle value);
  TooltipIcon tooltipIconProperty() const;
  void setTooltipIconProperty(TooltipIcon value);

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
  VEXA_BUTTON_PROPERTIES(VEXA_DECLARE_ACCESSORS)
#undef VEXA_DECLARE_ACCESSORS
#undef VEXA_DECLARE_SETTER_Stored
#undef VEXA_DECLARE_SETTER_Own

  // Setters of their own (Properties.cpp).
  void setButtonStyle(qint32 value);
  // A null font is refused: the control keeps the font it has.
  void setFont(platform::SharedFontPtr font);
  void setBackColor(qint32 value);
  void setEnabled(bool value);
  void setCaption(const QString& value);
  void setValue(bool value);
  // Fails (returns false, *error says why) for values outside 16 bits.
  bool setMousePointer(qint32 value, QString* error = nullptr);
  void setHandPointer(bool value);
  void setMouseIcon(platform::PicturePtr picture);
  void setPictureNormal(platform::PicturePtr picture);
  void setPictureHot(platform::PicturePtr picture);
  void setPictureDown(platform::PicturePtr picture);
  // Byte properties: values outside 0..255 fail (false, *error says why) and
  // change nothing.
  bool setPictureOpacity(int value, QString* error = nullptr);
  bool setPictureOpacityOnOver(int value, QString* error = nullptr);
  void setMode(qint32 value);
  void setForeColor(qint32 value);
  void setForeColorHover(qint32 value);
  void setRightToLeft(bool value);
  void setColorScheme(qint32 value);
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
  // The property view's picture write (DesignerProperties.cpp).
  void restorePicture(platform::PicturePtr& field, const QPixmap& pixmap, const QString& name);
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
