// SPDX-License-Identifier: MIT
#pragma once

#include "StudioDocument.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QTableWidget;
class QWidget;

// The studio's main window: the property browser on the left, the six looks
// of the button and the "try it" area with its event log on the right, and
// the File menu for presets.
class StudioWindow : public QMainWindow {
  Q_OBJECT
public:
  explicit StudioWindow(QWidget* parent = nullptr);
  ~StudioWindow() override;

  StudioDocument& document() { return document_; }
  QTableWidget* propertyTable() const { return table_; }
  QPlainTextEdit* eventLog() const { return log_; }
  vexabutton* tryButton() const { return tryButton_; }

  // File actions; each reports a failure in a message box and returns false.
  bool openFile(const QString& path);
  bool saveFile(const QString& path);

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void buildMenus();
  QWidget* buildBrowser();
  QWidget* buildPreviews();
  QWidget* buildTryArea();
  QWidget* editorFor(int row);
  void refreshEditors();
  void refreshPreviews();
  void rebuildTryButton();
  void refreshTitle();
  void edit(int row, const QVariant& value);
  void logEvent(const QString& text);
  bool maybeSave();
  bool save();
  bool saveAs();
  void showError(const QString& message);

  StudioDocument document_;
  QTableWidget* table_ = nullptr;
  QLabel* help_ = nullptr;
  QList<QLabel*> previews_;
  QWidget* tryFrame_ = nullptr;
  QPointer<vexabutton> tryButton_;
  QPlainTextEdit* log_ = nullptr;
  bool logMoves_ = false;
  bool refreshing_ = false;
};
