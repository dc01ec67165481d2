// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ControlHost.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QWidget>

namespace platform {

// A top-level window of the program, and the host of the controls on it.
//
// Client size is in twips. BorderStyle 1: fixed size, minimize only;
// BorderStyle 4: tool window, fixed, no minimize/maximize, no taskbar entry.
// StartUpPosition 2 centres the window on the screen at its first show. The
// Picture is drawn unscaled at the top-left, behind the controls.
//
// Life: Load() runs Form_Load once; Show() loads if needed and shows;
// Unload() asks Form_QueryUnload, hides, runs Form_Unload, emits unloaded()
// and deletes the form later. The close box unloads.
//
// Source files: Form.cpp (window, life cycle, painting) and FormHost.cpp
// (control hosting: ambient values, extender, Default/Cancel keys, focus).
class Form : public QWidget, public ControlHost {
  Q_OBJECT
public:
  enum UnloadMode { FormControlMenu = 0, FormCode = 1 };

  explicit Form(QWidget* parent = nullptr);
  ~Form() override;

  QString Caption() const { return windowTitle(); }
  void setCaption(const QString& caption) { setWindowTitle(caption); }
  void setClientSizeTwips(int widthTwips, int heightTwips);
  int ScaleWidth() const;  // twips
  int ScaleHeight() const; // twips
  void setBorderStyle(int style);
  int BorderStyle() const { return borderStyle_; }
  void setMaxButton(bool on);
  void setMinButton(bool on);
  void setShowInTaskbar(bool on);
  void setStartUpPosition(int position) { startUpPosition_ = position; }
  void setBackColor(qint32 rgb);
  qint32 BackColor() const { return backColor_; }
  void setPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  void setIcon(const QIcon& icon) { setWindowIcon(icon); }

  bool isLoaded() const { return loaded_; }
  void Load();
  void Show();
  void Hide() { hide(); }
  // Returns false when Form_QueryUnload cancelled.
  bool Unload(int unloadMode = FormCode);
  bool Visible() const { return isVisible(); }
  bool Enabled() const { return isEnabled(); }

  // ---- Hosting (FormHost.cpp) ----------------------------------------------
  // Registers a control under its name (its ambient DisplayName).
  void registerControl(QWidget* control, const QString& name);
  QString ambientDisplayName(const QWidget* control) const override;
  SharedFontPtr ambientFont() const override;
  bool ambientUserMode() const override { return true; }
  bool ambientDisplayAsDefault(const QWidget* control) const override;
  qint32 ambientBackColor() const override { return backColor_; }
  Extender& extender(const QWidget* control) override;
  void propertyChanged(const QWidget* control, const QString& name) override;
  // The form's font (ambient Font for its controls).
  void setFormFont(SharedFontPtr font) { font_ = std::move(font); }

signals:
  void unloaded();

protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(bool& cancel, int unloadMode) {
    Q_UNUSED(cancel);
    Q_UNUSED(unloadMode);
  }
  virtual void Form_Unload(bool& cancel) { Q_UNUSED(cancel); }

  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override; // FormHost.cpp: Enter, Esc, focus

private:
  void applyWindowFlags();
  void notifyDisplayAsDefault();                    // FormHost.cpp
  void forgetWhenDestroyed(const QWidget* control); // FormHost.cpp

  int borderStyle_ = 2;
  bool maxButton_ = true;
  bool minButton_ = true;
  bool showInTaskbar_ = true;
  int startUpPosition_ = 0;
  bool centred_ = false;
  bool loaded_ = false;
  bool unloading_ = false;
  qint32 backColor_ = -1;
  QImage picture_;
  SharedFontPtr font_;
  QHash<const QWidget*, QString> names_;
  QHash<const QWidget*, Extender> extenders_;
  QPointer<QWidget> displayedDefault_;
};

} // namespace platform
