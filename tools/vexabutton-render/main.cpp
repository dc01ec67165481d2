// SPDX-License-Identifier: MIT
// vexabutton-render: draws one vexabutton into a PNG, headless.
//
//   vexabutton-render [options] OUT.png
//
// The properties are loaded from a stored layout made of the --bag file and
// the --set values, exactly as a window loads its buttons; the run-time state
// comes from the other options. The PNG holds the surface pixels, transparent
// outside the window region; with --scale F they are the device pixels of a
// surface at device pixel ratio F, so the PNG is F times larger along each
// side while the layout (and the --json report) stays in logical pixels.
// OUT.png "-" writes the PNG to standard output. Bad arguments print a
// message naming the argument and exit with status 2 before anything is
// written. A write that fails (a full disk, a full standard output) exits
// with status 1 and the reason; an output file is replaced only once the
// whole PNG is written, so on failure it stays as it was.
#include "Options.h"
#include "Sheet.h"

#include "button/model/vexabutton.h"
#include "button/render/Redraw.h"
#include "platform/Files.h"
#include "platform/Fonts.h"
#include "platform/PropertyBag.h"
#include "platform/SystemColors.h"

#include "ProgramInfo.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int fail(const QString& message, int status) {
  std::fprintf(stderr, "vexabutton-render: %s\n", qPrintable(message));
  return status;
}

// An output as messages name it.
QString shown(const QString& output) {
  return output == QLatin1String("-") ? QStringLiteral("to standard output") : QStringLiteral("\"%1\"").arg(output);
}

QJsonArray rectJson(const platform::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace

int main(int argc, char** argv) {
  if (programinfo::answer(argc, argv, "vexabutton-render", qPrintable(rendertool::usage())))
    return 0;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();

  // From the bytes: file names need not be UTF-8 (see fileNameText).
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << platform::fileNameText(QByteArray(argv[i]));
  QString error;
  const auto options = rendertool::parse(arguments, &error);
  if (!options)
    return fail(error + QStringLiteral(" (--help shows the usage)"), 2);
  for (const QString& warning : options->warnings)
    std::fprintf(stderr, "vexabutton-render: warning: %s\n", qPrintable(warning));
  if (!options->sheet.isEmpty()) {
    if (!rendertool::writePng(rendertool::renderSheet(rendertool::sheetRows(options->themed), options->scale),
                              options->sheet, &error))
      return fail(QStringLiteral("cannot write %1: %2").arg(shown(options->sheet), error), 1);
    return 0;
  }

  // Properties, through a stored layout: a new instance's saved properties
  // with --new, the --bag layout over them, then the --set values.
  vexabutton button;
  if (!rendertool::loadProperties(*options, button, &error))
    return fail(QStringLiteral("--set: %1").arg(error), 2);

  // Run-time state, then one paint on a surface of the requested size.
  ButtonRecord rec = rendertool::paintRecord(*options, button);
  platform::Surface surface(options->width, options->height);
  surface.setDevicePixelRatio(options->scale);
  surface.setFont(rec.mFont->toQFont());
  const vexa::PaintResult painted = vexa::Redraw(vexa::describe(rec), surface);

  const QRegion region =
      surface.hasWindowRegion() ? surface.windowRegion() : QRegion(0, 0, options->width, options->height);
  const QImage image = surface.windowImage();
  if (!rendertool::writePng(image, options->output, &error))
    return fail(QStringLiteral("cannot write %1: %2").arg(shown(options->output), error), 1);

  if (options->json) {
    QJsonArray rects;
    for (const QRect& band : region)
      rects.append(QJsonArray{band.left(), band.top(), band.right() + 1, band.bottom() + 1});
    const QJsonObject report{
        {"ClientWidth", painted.clientWidth},
        {"ClientHeight", painted.clientHeight},
        {"ButtonState", painted.state},
        {"CaptionRect", rectJson(painted.captionRect)},
        {"PictureRect", rectJson(painted.pictureRect)},
        {"SymbolRect", rectJson(painted.symbolRect)},
        {"Region", rects},
    };
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
  }
  // The report too must reach its reader whole.
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    return fail(QStringLiteral("cannot write to standard output: %1").arg(QString::fromLocal8Bit(std::strerror(errno))),
                1);
  return 0;
}
