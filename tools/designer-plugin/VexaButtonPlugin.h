// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// The Qt Designer plugin of vexabutton: the widget box entry and the widget
// factory that Designer and QUiLoader create the control with.
//
// In Designer (which calls initialize) each new control is a design-time
// instance: its host reports UserMode False, so no focus rectangle is drawn
// and no hover tracking is installed, and every property of the control is
// saved with the form, ButtonStyle and ColorScheme first. A program loading
// the form with QUiLoader gets run-time controls hosted by the window they
// are placed in.
class VexaButtonPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
  Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
  explicit VexaButtonPlugin(QObject* parent = nullptr);

  QString name() const override;
  QString group() const override;
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override;
  QIcon icon() const override;
  bool isContainer() const override { return false; }
  // In Designer a new instance (InitProperties) with its caption
  // "vexabutton" followed by a running number, as a designer names the
  // controls it places; in a program a new instance loaded into its window.
  QWidget* createWidget(QWidget* parent) override;
  bool isInitialized() const override { return initialized_; }
  void initialize(QDesignerFormEditorInterface* core) override;
  QString domXml() const override;

private:
  bool initialized_ = false;
  bool designTime_ = false;
  int created_ = 0;
};
