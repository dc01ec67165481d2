// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/TextDocument.h"

class Form1;

// What the two information windows share: their label layout and the pause
// protocol with the main window.
namespace infowindow {

// Calibri in the Central European character set, as the windows' labels use it.
platform::SharedFont calibri(double points, int weight = 400);

// A transparent label at (left, top, width, height) twips; AutoSize labels
// follow their text, the others wrap it in their box.
platform::Label* addLabel(platform::Form* form, const QString& name, double left, double top, double width,
                          double height, const platform::SharedFont& font, const QString& caption, bool autoSize);

// The window's texts (labels and pictures, in reading order) as one
// document for assistive technology. While a screen reader runs it comes
// first in the Tab order, before `first`, and has the focus when the window
// opens, so that the reader's say-all and review start at the top;
// otherwise `first` has the focus.
platform::TextDocument* addDocument(platform::Form* form, const QList<QWidget*>& parts, QWidget* first);

// The tool-window frame both windows have: fixed, no minimize or maximize,
// no taskbar entry, centred on the screen.
void setToolWindowFrame(platform::Form* form);

// Load: the main window is disabled and its countdown paused.
void pauseMain(Form1* main);
// Closing: the main window comes back and a paused countdown continues.
void resumeMain(Form1* main);

} // namespace infowindow
