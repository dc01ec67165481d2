// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/vexabutton.h"

#include <QObject>
#include <QString>

#include <memory>

// The button a studio window designs, and the preset file it came from.
//
// The button is at design time (its host reports UserMode False) and every
// PropertyChanged it raises marks the document modified. A preset is the
// button's stored properties as property-bag JSON, the text the other tools
// read and write, with the button's size as "_ExtentX" and "_ExtentY" in
// twips, at most the control's largest size. Only a regular file of at most
// the layout limit opens as a preset; opening one that cannot be used
// changes nothing.
class StudioDocument : public QObject {
  Q_OBJECT
public:
  StudioDocument();
  ~StudioDocument() override;

  vexabutton& button() { return *button_; }
  const vexabutton& button() const { return *button_; }
  bool isModified() const { return modified_; }
  // The file the document was opened from or last saved to ("" for a new one).
  QString filePath() const { return path_; }

  // A newly placed button of 121 x 33 pixels, unmodified, without a file.
  void newDocument();
  // On failure returns false with *error naming the file and what was wrong
  // (the parse error, the key, the value); the document stays as it was.
  bool open(const QString& path, QString* error);
  // Writes the preset, replacing the file only once it is written whole;
  // on failure (a full disk among them) the file stays as it was, *error
  // says why and the document stays modified.
  bool save(const QString& path, QString* error);

  QByteArray presetText() const;
  bool loadPresetText(const QByteArray& text, QString* error);

  // The button's size in pixels (not a stored property: changing it does not
  // mark the document modified unless it differs).
  void setButtonSize(const QSize& size);

signals:
  void modifiedChanged(bool modified);
  // A property of the button changed (its name as the button reports it).
  void propertyChanged(const QString& name);
  // The whole button was replaced: a new document or an opened preset.
  void documentReset();
  void filePathChanged(const QString& path);

private:
  class Host;
  void setModified(bool modified);
  void setFilePath(const QString& path);

  std::unique_ptr<Host> host_;
  std::unique_ptr<vexabutton> button_;
  bool modified_ = false;
  bool loading_ = false;
  QString path_;
};
