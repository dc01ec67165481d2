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
    // The hook gets its own copy: code run "while the box is open" may show
    // further boxes, which grows the list of calls.
    const MsgBoxCall call{text, icon, title};
    recorder->calls.push_back(call);
    if (recorder->whileOpen)
      recorder->whileOpen(call);
    return;
  }
  QMessageBox box(icon == MsgBoxIcon::Information   ? QMessageBox::Information
                  : icon == MsgBoxIcon::Exclamation ? QMessageBox::Warning
                                                    : QMessageBox::NoIcon,
                  title, text, QMessageBox::Ok);
  box.exec();
}

} // namespace platform
