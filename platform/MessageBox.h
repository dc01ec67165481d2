// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace platform {

enum class MsgBoxIcon { None, Information, Exclamation };

// The modal message box with an OK button: QMessageBox::exec, so timers keep
// ticking while it is open.
void msgBox(const QString& text, MsgBoxIcon icon, const QString& title);

// Test hook: while installed, msgBox records each call instead of showing a
// box, and runs `whileOpen` (if set) as if during the box's modal loop.
struct MsgBoxCall {
  QString text;
  MsgBoxIcon icon;
  QString title;
};
class MsgBoxRecorder {
public:
  MsgBoxRecorder();
  ~MsgBoxRecorder();
  MsgBoxRecorder(const MsgBoxRecorder&) = delete;
  MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

  std::vector<MsgBoxCall> calls;
  // Runs for each box while it is "open"; the call is already in `calls`, so
  // calls.size() - 1 is its 0-based number.
  std::function<void(const MsgBoxCall&)> whileOpen;
};

} // namespace platform
