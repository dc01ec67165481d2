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

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QPixmap>

#include <memory>

class QAction;
class vexabuttonPrivate;

// The owner-drawn button control. Its record and its drawing surface live in
// its private data (vexabutton_p.h, not installed); Redraw renders into the
// surface synchronously and the paint event only copies it to the screen.
//
// Source files: vexabutton.cpp (widget core, Qt event mapping, Redraw),
// Properties.cpp (getters and setters), Persistence.cpp (new instance,
// load and save passes), Input.cpp (the input state machine),
// Hover.cpp (hover and leave from Qt's events), Lifecycle.cpp (creation,
// show, hide, resize, destruction). The tooltip, the popup menu and what
// assistive technology hears are services the private part owns
// (ButtonServices.h; built in button/services).

/*! \class vexabutton
    \brief An owner-drawn push, check or option button with fourteen looks,
    pictures, its own tooltips and a drop-down menu.

    Create it with a parent, call loadNewInstance() for a button placed in a
    running window (or ReadProperties() for one from a stored layout), then
    set its properties: ButtonStyle first, since a style brings its own
    colours, which the colour properties set after it then override. Mode
    makes it a push, check or option button; option buttons with the same
    parent widget form one group. Connect to Click() as to a QPushButton's
    clicked().

    Every stored property has a getter of its name, a setter \c setName, a
    Q_PROPERTY of the same name and a change signal \c NameChanged. Named
    values are the enumerations of this class: a getter returns the
    enumeration, a setter takes the 32-bit number, so a value without a name
    is kept as given (and named in a warning of the logging category
    \c vexabutton). Colours are stored as \c 0x00BBGGRR or \c 0x800000nn
    (system colour \e nn) and also read and written as QColor; pictures are
    platform::Picture objects and also QPixmaps.

    Events are Qt signals raised synchronously while the input that causes
    them is handled; a handler may change the button, open a modal box or
    delete the button. When each is raised, and their order (a double click
    raises MouseDown, Click, MouseUp, MouseDown, DblClick, Click, MouseUp), is
    in the table of events in the <a href="index.html#events">README</a>. A
    change signal comes before the event that caused it: a click on a check
    button emits ValueChanged() and then Click().

    The control draws into an image of its own: every change renders the
    whole button at once and the paint event only copies the image to the
    screen. */
class VEXABUTTON_EXPORT vexabutton : public QAbstractButton, public platform::HostedControl {
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
  //! The window handle of the control (read only, not stored), an opaque id
  //! that identifies the button among the program's windows.
  Q_PROPERTY(qint32 hWnd READ hWnd DESIGNABLE false STORED false)
  // QAbstractButton's view of the same state: each reads and writes the
  // property beside it, so a form or a caller that knows only Qt's buttons
  // reaches the control's own. Designer shows the control's name only.
  //! Caption, under QAbstractButton's name. \sa setText()
  Q_PROPERTY(QString text READ Caption WRITE setCaption DESIGNABLE false STORED false)
  //! Whether Mode is a check or option button. \sa setCheckable()
  Q_PROPERTY(bool checkable READ isCheckable WRITE setCheckable DESIGNABLE false STORED false)
  //! Value, under QAbstractButton's name. \sa setChecked()
  Q_PROPERTY(bool checked READ Value WRITE setValue NOTIFY ValueChanged DESIGNABLE false STORED false USER true)
  //! Whether Mode is an option button. \sa setAutoExclusive()
  Q_PROPERTY(bool autoExclusive READ autoExclusive WRITE setAutoExclusive DESIGNABLE false STORED false)
  //! PictureNormal as an icon. \sa setIcon()
  Q_PROPERTY(QIcon icon READ icon WRITE setIcon DESIGNABLE false STORED false)
  //! The caption's access key as Alt and that key (read only). \sa shortcut()
  Q_PROPERTY(QKeySequence shortcut READ shortcut DESIGNABLE false STORED false)

public:
  // ---- Named values -------------------------------------------------------------
  // The values the enumerated properties name, as the class's own names
  // (vexabutton::Gel), the way Qt's tools write them. The properties stay
  // 32-bit numbers: the getters return the enumeration, which holds any
  // stored number, and the setters take the number, so values without a
  // name are kept and drawn as the drawing code says for them.
  //! The looks of ButtonStyle. Each brings its own colours and colour
  //! schemes; System draws the push button of the application's QStyle.
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
  //! What a click does, the values of Mode.
  enum ButtonMode : qint32 {
    PushButton = 0,   //!< Raises Click; has no Value.
    CheckButton = 1,  //!< A click turns Value over; the button stays down while Value is true.
    OptionButton = 2, //!< A click sets Value and clears it on the other option buttons of the same parent.
  };
  Q_ENUM(ButtonMode)
  //! The colour schemes of ColorScheme: three palettes of the current style,
  //! and the scheme a BackColor of one's own makes.
  enum Scheme : qint32 {
    Scheme0 = 0,      //!< The style's first palette.
    Scheme1 = 1,      //!< The style's second palette.
    Scheme2 = 2,      //!< The style's third palette.
    CustomScheme = 3, //!< Colours derived from BackColor; setting BackColor selects it.
  };
  Q_ENUM(Scheme)
  //! The horizontal alignment of the caption, the values of CaptionAlign.
  enum CaptionAlignment : qint32 { CaptionLeft = 0, CaptionCenter = 1, CaptionRight = 2 };
  Q_ENUM(CaptionAlignment)
  //! Where PictureAlign puts the picture: at an edge of the button or next to
  //! the caption, which keeps clear of it. Without a caption the picture is
  //! centred.
  enum PictureAlignment : qint32 {
    LeftEdge = 0,       //!< At the left edge, vertically centred.
    LeftOfCaption = 1,  //!< Just left of the caption.
    RightEdge = 2,      //!< At the right edge (left of a drop-down symbol), vertically centred.
    RightOfCaption = 3, //!< Just right of the caption.
    BehindCaption = 4,  //!< Centred, with the caption drawn over it.
    TopEdge = 5,        //!< At the top edge, the caption moved down.
    AboveCaption = 6,   //!< Just above the caption.
    BottomEdge = 7,     //!< At the bottom edge, the caption moved up.
    BelowCaption = 8,   //!< Just below the caption.
  };
  Q_ENUM(PictureAlignment)
  //! How CaptionEffects draws the caption: plain, embossed, engraved, with
  //! a shadow, or outlined in a light or dark colour.
  enum CaptionEffect : qint32 {
    NoCaptionEffect = 0,
    Raised = 1,
    Sunken = 2,
    Shadow = 3,
    LightOutline = 4,
    DarkOutline = 5,
  };
  Q_ENUM(CaptionEffect)
  //! What PictureEffectOnOver and PictureEffectOnDown do to the picture.
  enum PictureEffect : qint32 { NoPictureEffect = 0, Lighten = 1, Darken = 2 };
  Q_ENUM(PictureEffect)
  //! How DisabledPictureMode shows the picture of a disabled button.
  enum DisabledPictureLook : qint32 {
    Faded = 0,     //!< The picture in its colours, nearly transparent.
    Grayscale = 1, //!< The picture in shades of grey, at three quarters of PictureOpacity.
  };
  Q_ENUM(DisabledPictureLook)
  //! The shape of the tooltip window, the values of ToolTipType.
  enum TooltipStyle : qint32 {
    RectangleTip = 0, //!< A plain rectangle.
    BalloonTip = 1,   //!< A rounded balloon with a stem pointing at the button.
  };
  Q_ENUM(TooltipStyle)
  //! The icon drawn before the tooltip's title, the values of ToolTipIcon.
  enum TooltipIcon : qint32 { NoTooltipIcon = 0, InformationIcon = 1, WarningIcon = 2, ErrorIcon = 3 };
  Q_ENUM(TooltipIcon)
  // The pointer shape codes of MousePointer; CustomPointer shows MouseIcon.
  //! The pointer shapes of MousePointer, by their classic codes. A code
  //! without a shape of its own shows the default pointer.
  enum Pointer : qint32 {
    DefaultPointer = 0, //!< The pointer of the window under the button.
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    Icon = 4, //!< Kept for old layouts; shows the default pointer.
    Size = 5, //!< Arrows in four directions, as SizeAll.
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
    CustomPointer = 99, //!< The picture of MouseIcon; setting MouseIcon selects it.
  };
  Q_ENUM(Pointer)

  //! The colour a stored colour shows (a system colour as it is now);
  //! invalid when it cannot be translated.
  static QColor toColor(qint32 oleColour);
  //! Warns (logging category "vexabutton") of every enumerated property
  //! whose value is none of its enumeration's: a form or a layout may hold
  //! one. Such a value is kept as given. Run by the load pass, and for a
  //! form by the Designer plugin once the form has set its properties.
  void warnOfUnlistedValues() const;

  //! The class identifier stored layouts name the control by.
  static constexpr const char* ClassId = "ZVTK.vexabutton";

  //! Constructs a button that is a child of \a parent and lives in \a host.
  //!
  //! The host is the nearest ancestor window that is a ControlHost unless one
  //! is given; without either the control keeps a StandaloneHost of its own.
  //! A button made in code takes the values of a newly placed one from
  //! loadNewInstance(), a stored one from ReadProperties().
  explicit vexabutton(QWidget* parent = nullptr, platform::ControlHost* host = nullptr);
  //! Detaches the popup menu (which is not deleted).
  ~vexabutton() override;

  // ---- Properties (ButtonProperties.h) --------------------------------------
  // A getter for every stored property, and a setter for those that store,
  // repaint and notify (the others have setters of their own below). Their
  // entries in the API reference come from the property list
  // (docs/PropertyHelp.cmake); a test holds these lines to that list.
  Style ButtonStyle() const;
  bool ShowFocusRect() const;
  void setShowFocusRect(bool value);
  bool Enabled() const;
  platform::SharedFontPtr Font() const;
  qint32 BackColor() const;
  QString Caption() const;
  qint32 ForeColor() const;
  qint32 ForeColorHover() const;
  ButtonMode Mode() const;
  bool Value() const;
  Pointer MousePointer() const;
  bool HandPointer() const;
  platform::PicturePtr MouseIcon() const;
  platform::PicturePtr PictureNormal() const;
  platform::PicturePtr PictureHot() const;
  platform::PicturePtr PictureDown() const;
  PictureAlignment PictureAlign() const;
  void setPictureAlign(qint32 value);
  PictureEffect PictureEffectOnOver() const;
  void setPictureEffectOnOver(qint32 value);
  PictureEffect PictureEffectOnDown() const;
  void setPictureEffectOnDown(qint32 value);
  bool PicturePushOnHover() const;
  void setPicturePushOnHover(bool value);
  bool PictureShadow() const;
  void setPictureShadow(bool value);
  int PictureOpacity() const;
  int PictureOpacityOnOver() const;
  DisabledPictureLook DisabledPictureMode() const;
  void setDisabledPictureMode(qint32 value);
  CaptionEffect CaptionEffects() const;
  void setCaptionEffects(qint32 value);
  bool UseMaskColor() const;
  void setUseMaskColor(bool value);
  qint32 MaskColor() const;
  void setMaskColor(qint32 value);
  CaptionAlignment CaptionAlign() const;
  void setCaptionAlign(qint32 value);
  QString ToolTip() const;
  TooltipStyle ToolTipType() const;
  void setToolTipType(qint32 value);
  TooltipIcon ToolTipIcon() const;
  void setToolTipIcon(qint32 value);
  QString TooltipTitle() const;
  void setTooltipTitle(const QString& value);
  qint32 TooltipBackColor() const;
  void setTooltipBackColor(qint32 value);
  bool RightToLeft() const;
  qint32 DropDownSymbol() const;
  void setDropDownSymbol(qint32 value);
  bool DropDownSeparator() const;
  void setDropDownSeparator(bool value);
  Scheme ColorScheme() const;

  // Setters of their own (Properties.cpp).
  //! Sets the ButtonStyle property to \a value (a Style, or any other
  //! number, kept as given) and brings that style's defaults, replacing what
  //! was set before: its default ColorScheme, the BackColor of that scheme,
  //! ForeColor, ShowFocusRect (on for Classic, ClassicThin and WhiteGloss)
  //! and, for Toolbar, PicturePushOnHover. Set the others after it.
  //! \sa ButtonStyle(), setColorScheme()
  void setButtonStyle(qint32 value);
  //! Sets the ColorScheme property to \a value (a Scheme) and brings the
  //! current style's defaults again, with the BackColor of that scheme.
  //! \sa ColorScheme(), setButtonStyle()
  void setColorScheme(qint32 value);
  //! Sets the Caption property to \a value; the character after the first
  //! \c & becomes the access key (Alt and that key press the button). A caption
  //! longer than MaxCaptionLength is refused with a warning and the caption
  //! stays as it was. \sa Caption(), AccessKeys()
  void setCaption(const QString& value);
  //! Sets the Value property to \a value: a check or option button is shown
  //! down while it is true. A push button has no value: it stays false and the
  //! button shows released. Other option buttons are left as they are; a
  //! click clears them. \sa Value(), Mode()
  void setValue(bool value);
  //! Sets the Mode property to \a value (a ButtonMode). A button made a push
  //! button shows released. \sa Mode(), setValue()
  void setMode(qint32 value);
  //! Sets the HandPointer property to \a value; true shows the system's hand
  //! pointer over the button (and sets MousePointer back to DefaultPointer),
  //! and stays false where the system has no hand pointer. \sa HandPointer()
  void setHandPointer(bool value);
  //! Sets the RightToLeft property to \a value: the caption and the tooltip
  //! are laid out from the right. \sa RightToLeft()
  void setRightToLeft(bool value);
  //! Sets the MousePointer property to \a value (a Pointer, or any 16-bit code)
  //! and returns true.
  //!
  //! A value outside 16 bits is refused: the function returns false, changes
  //! nothing and puts the reason in \a error, or logs it when \a error is null.
  //! \sa MousePointer(), setMouseIcon()
  bool setMousePointer(qint32 value, QString* error = nullptr);
  //! Sets the PictureOpacity property to \a value (0 transparent to 255
  //! opaque) and returns true. A value outside 0 to 255 is refused: the
  //! function returns false, changes nothing and puts the reason in \a error,
  //! or logs it when \a error is null. \sa PictureOpacity()
  bool setPictureOpacity(int value, QString* error = nullptr);
  //! Sets the PictureOpacityOnOver property, the opacity while the pointer is
  //! over the button; values and refusal as for setPictureOpacity().
  //! \sa PictureOpacityOnOver()
  bool setPictureOpacityOnOver(int value, QString* error = nullptr);

  // Colours: the stored form (0x00BBGGRR, or a system colour 0x800000nn) and
  // the QColor it shows. A QColor equal to the one shown changes nothing, so
  // a system colour read and written back stays a system colour; an invalid
  // QColor is refused.
  //! Sets the BackColor property to \a value (\c 0x00BBGGRR, or \c 0x800000nn
  //! for system colour \e nn). Except in the Toolbar style, this makes the
  //! ColorScheme CustomScheme: the button's shades are derived from this
  //! colour. \sa BackColor(), backColor()
  void setBackColor(qint32 value);
  //! Sets the ForeColor property, the caption's colour, to \a value (stored form). \sa ForeColor()
  void setForeColor(qint32 value);
  //! Sets the ForeColorHover property, the caption's colour while the pointer
  //! is over the button, to \a value (stored form). \sa ForeColorHover()
  void setForeColorHover(qint32 value);
  //! Returns the colour BackColor shows (a system colour as the system shows it now). \sa toColor()
  QColor backColor() const;
  //! Sets BackColor to \a colour, as setBackColor(qint32) does, unless it is the colour shown now.
  void setBackColor(const QColor& colour);
  //! Returns the colour ForeColor shows.
  QColor foreColor() const;
  //! Sets ForeColor to \a colour unless it is the colour shown now.
  void setForeColor(const QColor& colour);
  //! Returns the colour ForeColorHover shows.
  QColor foreColorHover() const;
  //! Sets ForeColorHover to \a colour unless it is the colour shown now.
  void setForeColorHover(const QColor& colour);
  //! Returns the colour MaskColor shows.
  QColor maskColor() const;
  //! Sets MaskColor to \a colour unless it is the colour shown now.
  void setMaskColor(const QColor& colour);
  //! Returns the colour TooltipBackColor shows.
  QColor tooltipBackColor() const;
  //! Sets TooltipBackColor to \a colour unless it is the colour shown now.
  void setTooltipBackColor(const QColor& colour);

  // The font: the shared font object beside QWidget's font(), which always
  // shows the same font. A null shared font is refused. QWidget::setFont
  // changes the attributes its QFont sets (its resolve mask) and keeps the
  // rest, such as the character set and fractional sizes.
  //! Makes \a font the button's font: the button follows later changes of the
  //! shared object, as every control that shares it does. A null pointer
  //! changes nothing. \sa Font(), QWidget::setFont()
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
  //! Sets the MouseIcon property to \a picture. A picture makes MousePointer
  //! CustomPointer and turns HandPointer off; none sets MousePointer back to
  //! DefaultPointer. \sa MouseIcon(), setMousePointer()
  void setMouseIcon(platform::PicturePtr picture);
  //! Sets the PictureNormal property to \a picture; none clears PictureHot
  //! and PictureDown too. \sa PictureNormal(), PictureAlign
  void setPictureNormal(platform::PicturePtr picture);
  //! Sets the PictureHot property to \a picture, or PictureNormal while that
  //! is empty. \sa PictureHot()
  void setPictureHot(platform::PicturePtr picture);
  //! Sets the PictureDown property to \a picture, or PictureNormal while that
  //! is empty. \sa PictureDown()
  void setPictureDown(platform::PicturePtr picture);
  //! Returns MouseIcon as a pixmap (a null pixmap when there is none).
  QPixmap mouseIcon() const;
  //! Sets MouseIcon from \a pixmap, as setMouseIcon(platform::PicturePtr) does.
  void setMouseIcon(const QPixmap& pixmap);
  //! Removes MouseIcon (the reset of its Q_PROPERTY).
  void clearMouseIcon() { setMouseIcon(platform::PicturePtr()); }
  //! Returns PictureNormal as a pixmap (a null pixmap when there is none).
  QPixmap pictureNormal() const;
  //! Sets PictureNormal from \a pixmap, as setPictureNormal(platform::PicturePtr) does.
  void setPictureNormal(const QPixmap& pixmap);
  //! Removes PictureNormal, and with it PictureHot and PictureDown.
  void clearPictureNormal() { setPictureNormal(platform::PicturePtr()); }
  //! Returns PictureHot as a pixmap (a null pixmap when there is none).
  QPixmap pictureHot() const;
  //! Sets PictureHot from \a pixmap, as setPictureHot(platform::PicturePtr) does.
  void setPictureHot(const QPixmap& pixmap);
  //! Removes PictureHot.
  void clearPictureHot() { setPictureHot(platform::PicturePtr()); }
  //! Returns PictureDown as a pixmap (a null pixmap when there is none).
  QPixmap pictureDown() const;
  //! Sets PictureDown from \a pixmap, as setPictureDown(platform::PicturePtr) does.
  void setPictureDown(const QPixmap& pixmap);
  //! Removes PictureDown.
  void clearPictureDown() { setPictureDown(platform::PicturePtr()); }

  // Extender values the host keeps for this instance.
  //! Returns the free text the host keeps for this button for the program's own use.
  QString Tag() const;
  //! Sets the free text the host keeps for this button to \a tag. It is not
  //! one of the button's stored properties. \sa Tag()
  void setTag(const QString& tag);

  //! Returns the help text of the property, event or method named \a member
  //! (in any case), as a property browser shows it; empty for an unknown name.
  static QString helpString(const QString& member);

  // ---- Lifecycle -----------------------------------------------------------
  //! Gives the button the values of a newly placed one as a running window
  //! has it (ButtonStyle System with its colours, the host's name for it as
  //! Caption, the font of its surroundings), then the load pass over what it saves, which (with a host in run mode)
  //! installs the hover tracking a control made in code needs. Call it once
  //! after constructing a button in code, before setting its properties.
  void loadNewInstance();
  //! Loads the stored properties from \a bag and returns true; a key that is
  //! missing reads as its property's default.
  //!
  //! Loads from a stored bag. On a value of the wrong type fails with an error
  //! that names the key and what was expected, leaving the record untouched.
  //! Keys the control does not know are ignored (see unknownKeys). The font
  //! read is a copy: follow or change it through Font(), not the bag's object.
  //! On failure returns false and puts the error in \a error (when not null).
  //! Emits the change signal of every property the load changes.
  //! \sa WriteProperties(), persistedKeys()
  bool ReadProperties(const platform::PropertyBag& bag, QString* error = nullptr);
  // Writes the 37 keys in the writing order with their write defaults.
  //! Saves the stored properties into \a bag, in the order of persistedKeys();
  //! a value equal to its property's default is left out, so ReadProperties()
  //! of the bag gives the same button back.
  void WriteProperties(platform::PropertyBag& bag) const;
  //! Returns the keys of the stored properties in the order a save writes them.
  static QStringList persistedKeys();
  //! Returns the keys of \a bag the control does not read (in the bag's order), so a
  //! tool loading a stored layout can warn about them by name. The host's
  //! extent keys "_ExtentX" and "_ExtentY" count as known.
  static QStringList unknownKeys(const platform::PropertyBag& bag);
  //! The smallest size the resize step allows: 220 twips, which is 14.67
  //! pixels, rounded up to whole pixels.
  static constexpr int MinimumSizeTwips = 220;
  //! MinimumSizeTwips in whole pixels: a button is never narrower or lower.
  static constexpr int MinimumSizePixels = 15;
  //! The largest size the resize step allows along each side, and the
  //! longest caption the control takes: far beyond any real button, and
  //! small enough that drawing it stays as cheap as a plain widget's.
  static constexpr int MaximumSizePixels = 4096;
  //! The longest caption, in characters, setCaption() and a load take.
  static constexpr int MaxCaptionLength = 4096;

  // ---- Size hints (vexabutton.cpp) ------------------------------------------
  //! Returns the size the button's content asks for in a layout.
  //!
  //! The caption on its own lines in the control's font, the pictures and the
  //! drop-down symbol, laid out as the button draws them, with the margins of
  //! a push button in the application's style around them. The minimum is
  //! where the content still fits without those margins. Both stay within the
  //! control's smallest and largest sizes.
  QSize sizeHint() const override;
  //! Returns the smallest size at which the content still fits. \sa sizeHint()
  QSize minimumSizeHint() const override;

  // ---- Methods ---------------------------------------------------------------
  //! Attaches a drop-down menu: a press opens it at Align 0..7 around the
  //! button instead of raising MouseDown. Anything but a QMenu is ignored. A
  //! menu that is destroyed detaches itself.
  //!
  //! \a Align places the menu: 0 below the button, left edges aligned; 1
  //! above it; 2 to its left; 3 to its right; 4 above and to the left; 5
  //! below, extending to the left; 6 above, from its right edge; 7 below and
  //! to the right. Other values open nothing. \a Flags are the placement
  //! flags (8 makes the point the menu's right edge, 32 its bottom edge) for
  //! the places that do not set their own. \a DefaultMenu, when given, is
  //! shown as the menu's default item. The button does not own the menu.
  //! \sa UnsetPopupMenu()
  Q_INVOKABLE void SetPopupMenu(QObject* Menu, qint32 Align = 0, qint32 Flags = 0, QAction* DefaultMenu = nullptr);
  //! Detaches the menu SetPopupMenu() attached: a press is a press again. \sa SetPopupMenu()
  Q_INVOKABLE void UnsetPopupMenu();
  //! Opens an http, https or mailto address with the desktop's handler and
  //! returns whether it opened; anything else is refused (false) and nothing runs.
  Q_INVOKABLE bool OpenWebsite(const QString& sAddress);
  //! Shows the control's information box (modal): its version, its author
  //! and the terms of use. \sa aboutText()
  Q_INVOKABLE void About();
  //! Returns the text About() shows.
  static QString aboutText();

  // ---- QAbstractButton's names for the control's state -----------------------
  // A QAbstractButton* reaches the same state: setChecked() and toggle() set
  // Value, click() and animateClick() click as the mouse does. Through a
  // vexabutton* the calls below also keep the Part's rules (a caption's
  // length, the mode that goes with checkable).
  //! Sets Caption to \a text. \sa setCaption()
  void setText(const QString& text) { setCaption(text); }
  //! Makes a push button a check button (true) or a check or option button
  //! a push button (false); an option button stays one while \a checkable.
  void setCheckable(bool checkable);
  //! Returns whether Mode is an option button: option buttons with the same
  //! parent widget exclude one another.
  bool autoExclusive() const;
  //! Makes the button an option button (true) or, from an option button, a
  //! check button (false).
  void setAutoExclusive(bool exclusive);
  //! Returns PictureNormal as an icon (null without one).
  QIcon icon() const;
  //! Sets PictureNormal to \a icon's pixmap for the button's iconSize() at
  //! its device pixel ratio, so the picture keeps its logical size.
  void setIcon(const QIcon& icon);
  //! Returns the access key of the caption as Alt and that key; empty
  //! without one. The caption decides it: put \c & before the key's letter.
  QKeySequence shortcut() const;

  // ---- Input (Input.cpp) ----------------------------------------------------
  //! The access key derived from Caption ("" for none), lower case.
  QString AccessKeys() const;

public Q_SLOTS:
  //! Sets Value to \a checked, as setValue() does: toggled() follows ValueChanged().
  void setChecked(bool checked) { setValue(checked); }

Q_SIGNALS:
  // The events, in the order of the README's table, which says for each
  // exactly when it is raised; the comments below give the gist and the order.
  //! This signal is emitted when the button is pressed: a left press released
  //! over it (after MouseDown, a check or option button's new Value and its
  //! ValueChanged(), and before MouseUp), the space bar's release (before
  //! KeyUp), Enter while it has the focus (before KeyDown), its access key, or
  //! Enter or Esc when the window makes it its default or cancel button. A
  //! button with a popup menu raises no Click for a mouse press.
  //! \sa Mode, SetPopupMenu()
  void Click();
  //! This signal is emitted for the second left press of a double click,
  //! after that press's MouseDown and before its release raises Click and
  //! MouseUp.
  void DblClick();
  //! This signal is emitted on every movement of the pointer over the button,
  //! just before MouseMove, and while the space bar holds the button down. \sa MouseLeave()
  void MouseEnter();
  //! This signal is emitted once when the pointer has left the button, after
  //! the button has gone back to its normal look. \sa MouseEnter()
  void MouseLeave();
  //! This signal is emitted for each movement of the pointer over the button
  //! (after MouseEnter) and outside it while a press on it is held. \a Button
  //! holds the buttons pressed (1 left, 2 right, 4 middle), \a Shift the
  //! modifiers (1 Shift, 2 Ctrl, 4 Alt), \a X and \a Y the position in pixels
  //! from the button's top-left corner.
  void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
  //! This signal is emitted when a mouse button pressed on the button is
  //! released, after Click; arguments as for MouseMove(), \a Button the one
  //! released. None while a popup menu is attached.
  void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
  //! This signal is emitted for a left press on the button, before anything
  //! else the press raises; arguments as for MouseMove(). None when the press
  //! opens a popup menu.
  void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
  //! This signal is emitted for every key press while the button has the
  //! focus, auto-repeats included, after what the key does (Enter's Click, the
  //! space bar's press). \a KeyCode is the classic virtual-key code (65 for A,
  //! 13 Enter, 32 space), \a Shift the modifiers as for MouseMove().
  void KeyDown(qint16 KeyCode, qint16 Shift);
  //! This signal is emitted when the space bar is released over a focused
  //! button, after its Click; other keys raise none.
  void KeyUp(qint16 KeyCode, qint16 Shift);
  //! This signal is emitted after KeyDown for a key that types a character;
  //! \a KeyAscii is its code (97 for a, 13 for Enter).
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
  //! \name Event handlers
  //@{
  //! Reimplemented from QWidget: Qt's events turned into the button's own
  //! handling and its events. A subclass that overrides one calls it.
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
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool event(QEvent* event) override;
  //@}
  //! Reimplemented from QAbstractButton: a checked state set through Qt
  //! (QAbstractButton::setChecked(), an exclusive QButtonGroup) becomes Value.
  void checkStateSet() override;
  //! Reimplemented from QAbstractButton: click() and animateClick() click
  //! as a release over the button does (Value as Mode says, then Click).
  void nextCheckState() override;

private:
  // The window handle of the control surface (an opaque id, see
  // platform::WindowRegistry): the hWnd property.
  qint32 hWnd() const;
  // A newly placed instance (no stored properties), as a form being designed
  // has it: loadNewInstance() without the load pass.
  void InitProperties();
  // Renders the whole button into the surface, then asks for a repaint.
  void Redraw();
  // Host notifications (platform::HostedControl): the host calls them
  // through that interface.
  void hostAmbientChanged(const QString& name) override;
  void hostAccessKeyPress(int keyAscii) override;
  bool hostWantsEnter() const override { return true; }

  // Clears Value of the other option buttons with the same parent widget;
  // buttons under other parents keep theirs. A click on an option button
  // calls it.
  void UncheckOtherOptions();
  // Takes the access key from Caption again (setCaption() and a load call
  // it) and binds Alt and that key in the button's window.
  void SetAccessKeys();

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
