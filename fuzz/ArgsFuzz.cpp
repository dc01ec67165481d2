// SPDX-License-Identifier: MIT
// The render tool's command line: one argument per input line through
// rendertool::parse, run in a scratch folder that holds a picture of each
// kind and a stored layout, so file arguments can name real files.
//
// Invariants: a refusal says why; an accepted command line is consistent
// (a sheet alone, or an output and a size in range) and its properties load
// into the control as the tool loads them, and draw.
#include "FuzzSupport.h"

#include "button/model/vexabutton.h"
#include "button/render/Redraw.h"
#include "tools/vexabutton-render/Options.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// The scratch folder, made once; the process works inside it.
void enterScratchFolder() {
  static QTemporaryDir* scratch = nullptr;
  if (scratch)
    return;
  scratch = new QTemporaryDir;
  QDir::setCurrent(scratch->path());
  QImage image(8, 8, QImage::Format_ARGB32);
  image.fill(qRgba(200, 40, 40, 160));
  image.save(QStringLiteral("a.png"));
  image.save(QStringLiteral("i.ico"));
  image.convertToFormat(QImage::Format_RGB32).save(QStringLiteral("b.bmp"));
  QFile layout(QStringLiteral("l.json"));
  if (layout.open(QIODevice::WriteOnly))
    layout.write(R"({"ButtonStyle": 2, "Caption": "&OK", "Mode": 1, "Value": true, "Extra": 1})");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::setUpOnce();
  enterScratchFolder();
  const QStringList arguments = QString::fromUtf8(fuzzsupport::bytes(data, size)).split(QLatin1Char('\n'));
  // Only files of the scratch folder: no paths elsewhere, no devices.
  for (const QString& argument : arguments)
    if (argument.contains(QLatin1Char('/')) || argument.contains(QLatin1String("..")))
      return 0;

  QString error;
  const auto options = rendertool::parse(arguments, &error);
  if (!options) {
    if (error.isEmpty())
      fuzzsupport::violated("a refused command line without a reason");
    return 0;
  }
  if (!options->sheet.isEmpty()) {
    if (!options->output.isEmpty() || !options->settings.empty() || !options->bag.isEmpty())
      fuzzsupport::violated("a sheet with other options");
    return 0;
  }
  if (options->output.isEmpty() || options->width < 1 || options->height < 1 || options->width > 4096 ||
      options->height > 4096)
    fuzzsupport::violated("an accepted command line without an output or with a size out of range");

  // The properties and the record, as the tool builds them.
  vexabutton button;
  if (!rendertool::loadProperties(*options, button, &error))
    fuzzsupport::violated("accepted settings do not load", error.toUtf8());
  ButtonRecord rec = rendertool::paintRecord(*options, button);
  platform::Surface surface(std::min(options->width, 160), std::min(options->height, 64));
  surface.setFont(rec.mFont->toQFont());
  vexa::Redraw(vexa::describe(rec), surface);
  return 0;
}
