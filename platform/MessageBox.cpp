#include "platform/MessageBox.h"

#include <QMessageBox>

namespace platform {

namespace {
MsgBoxRecorder* recorder = nullptr;
}

MsgBoxRecorder::MsgBoxRecorder() { recorder = this; }
MsgBoxRecorder::~MsgBoxRecorder() {
  if (recorder == this)
    recorder = nullptr;
}

void msgBox(const QString& text, MsgBoxIcon icon, const QString& title) {
  if (recorder) {
    recorder->calls.push_back({text, icon, title});
    if (recorder->whileOpen)
      recorder->whileOpen(recorder->calls.back());
    return;
  }
  QMessageBox box(icon == MsgBoxIcon::Information   ? QMessageBox::Information
                  : icon == MsgBoxIcon::Exclamation ? QMessageBox::Warning
                                                    : QMessageBox::NoIcon,
                  title, text, QMessageBox::Ok);
  box.exec();
}

} // namespace platform
