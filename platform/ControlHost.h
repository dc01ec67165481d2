// SPDX-License-Identifier: MIT
#pragma once

#include "SharedFont.h"
#include "vexabutton_platform_export.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {

//! What the window holding a control keeps for it outside the control's own
//! properties: the extender values.
struct Extender {
  QString ToolTipText;  //!< The tool tip the window gives the control.
  QString Tag;          //!< Free text for the program's own use.
  bool Default = false; //!< Enter presses the control (the window's default button).
  bool Cancel = false;  //!< Esc presses the control (the window's cancel button).
};

//! A control that lives in a host: the calls a host makes into it.
class VEXA_PLATFORM_EXPORT HostedControl {
public:
  virtual ~HostedControl() = default;
  //! The host's ambient value \a name changed ("DisplayAsDefault", "BackColor", ...).
  virtual void hostAmbientChanged(const QString& name) = 0;
  //! The control's access key was typed, or Enter (13) / Esc (27) reached it
  //! as the host's Default / Cancel control; \a keyAscii is the character code.
  virtual void hostAccessKeyPress(int keyAscii) = 0;
  //! True when the control handles Enter itself while it has the focus, so
  //! the host does not press its default control then.
  virtual bool hostWantsEnter() const { return false; }
};

//! The window side of control hosting: ambient values, the extender and change
//! notification. The form is the host at run time; tools and tests bring
//! their own (StandaloneHost).
class VEXA_PLATFORM_EXPORT ControlHost {
public:
  ControlHost();
  virtual ~ControlHost();
  ControlHost(const ControlHost&) = delete;
  ControlHost& operator=(const ControlHost&) = delete;

  //! True from the end of \a host's construction until its destruction starts.
  //! A form is destroyed before the QWidget base that deletes its controls, so
  //! a control asks this before it calls its host from a late hide event.
  static bool isLive(const ControlHost* host);

  //! The name the host gives \a control; a new button takes it as its caption.
  virtual QString ambientDisplayName(const QWidget* control) const = 0;
  //! The host's font, which a control loaded without a stored font takes.
  virtual SharedFontPtr ambientFont() const = 0;
  //! True while the program runs, false while a form is being designed.
  virtual bool ambientUserMode() const = 0;
  //! Whether \a control should look like the window's default button now.
  virtual bool ambientDisplayAsDefault(const QWidget* control) const = 0;
  //! The host's background colour (0x00BBGGRR, or 0x800000nn for system colour nn).
  virtual qint32 ambientBackColor() const = 0;

  //! The extender values the host keeps for \a control.
  virtual Extender& extender(const QWidget* control) = 0;

  //! \a control changed the property \a name (the host marks its layout dirty).
  virtual void propertyChanged(const QWidget* control, const QString& name) = 0;
};

//! A host for controls outside a form: tools, tests, other programs. It runs
//! (UserMode true), names its controls "vexabutton1", uses Tahoma 8.25 and the
//! button-face colour, and keeps one set of extender values.
class VEXA_PLATFORM_EXPORT StandaloneHost : public ControlHost {
public:
  StandaloneHost(); //!< A running host with the defaults above.

  QString ambientDisplayName(const QWidget* control) const override;
  SharedFontPtr ambientFont() const override { return font_; }
  bool ambientUserMode() const override { return userMode_; }
  bool ambientDisplayAsDefault(const QWidget* control) const override;
  qint32 ambientBackColor() const override;
  Extender& extender(const QWidget* control) override;
  void propertyChanged(const QWidget* control, const QString& name) override;

  void setDisplayName(const QString& name) { displayName_ = name; }    //!< Sets ambientDisplayName().
  void setUserMode(bool userMode) { userMode_ = userMode; }            //!< Sets ambientUserMode().
  void setDisplayAsDefault(bool value) { displayAsDefault_ = value; }  //!< Sets ambientDisplayAsDefault().
  void setAmbientFont(SharedFontPtr font) { font_ = std::move(font); } //!< Sets ambientFont().

  //! Names passed to propertyChanged, in order (for tests and tools): the
  //! last ChangedNamesKept of them, so a host that lives long stays small.
  QStringList changedNames;
  static constexpr int ChangedNamesKept = 256; //!< How many names changedNames keeps.

private:
  QString displayName_ = QStringLiteral("vexabutton1");
  SharedFontPtr font_;
  bool userMode_ = true;
  bool displayAsDefault_ = false;
  Extender extender_;
};

} // namespace platform
