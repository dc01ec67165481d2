// SPDX-License-Identifier: MIT
#include "FuzzSupport.h"

#include "platform/Fonts.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

namespace {

// Messages Qt prints for damaged input (image readers, fonts) would flood the
// fuzzer's output; they carry nothing the harness does not check itself.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::abort();
  }
}

} // namespace

void setUpOnce() {
  if (QApplication::instance())
    return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietMessages);
  static int argc = 1;
  static char name[] = "vexabutton-fuzz";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv); // lives as long as the process
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
  // Pictures up to 512 x 512 pixels: larger ones take the same paths at
  // sixteen times the cost, and the refusal above the limit is checked with
  // this limit as with any other.
  QImageReader::setAllocationLimit(1);
}

void violated(const char* what, const QByteArray& detail) {
  std::fprintf(stderr, "invariant violated: %s\n%s\n", what, detail.constData());
  std::abort();
}

} // namespace fuzzsupport
