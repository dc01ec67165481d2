// SPDX-License-Identifier: MIT
// The vexabutton-render tool, run as a program.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/TestSupport.h"

#include <unistd.h>

namespace {

QString toolPath() {
  const QString dir = qEnvironmentVariable("VEXA_TOOLS_DIR");
  return dir.isEmpty() ? QString() : dir + QStringLiteral("/vexabutton-render/vexabutton-render");
}

struct ToolRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

ToolRun runTool(const QStringList& arguments, const QString& standardOutput = {}) {
  QProcess process;
  if (!standardOutput.isEmpty())
    process.setStandardOutputFile(standardOutput);
  process.start(toolPath(), arguments);
  ToolRun run;
  if (!process.waitForFinished(60000))
    return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QJsonArray rect(int l, int t, int r, int b) { return {l, t, r, b}; }

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

} // namespace

TEST(RenderTool, DrawsARoundedGradientButtonAndReportsItsLayout) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("button.png"));
  const ToolRun run =
      runTool({"--size", "75x23", "--set", "buttonstyle=2", "--set", "BackColor=0xE7EBEC", "--set", "ColorScheme=0",
               "--set", "Caption=OK", "--set", "DropDownSymbol=6", "--focus", "--json", out});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();

  const QImage image(out);
  ASSERT_EQ(image.size(), QSize(75, 23));
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // outside the rounded region
  EXPECT_EQ(qAlpha(image.pixel(74, 22)), 0);
  EXPECT_EQ(image.pixel(10, 0), qRgb(0x00, 0x3C, 0x74)); // outline 0x743C00 (0xBBGGRR)
  EXPECT_EQ(image.pixel(1, 1), qRgb(0x4D, 0x89, 0xC1));  // corner pixel 0xC1894D
  EXPECT_EQ(image.pixel(10, 2), qRgb(0xBC, 0xD4, 0xF6)); // focus ring 0xF6D4BC

  const QJsonObject json = QJsonDocument::fromJson(run.out).object();
  EXPECT_EQ(json["ClientWidth"].toInt(), 75);
  EXPECT_EQ(json["ClientHeight"].toInt(), 23);
  EXPECT_EQ(json["ButtonState"].toInt(), 0);
  EXPECT_EQ(json["SymbolRect"].toArray(), rect(60, 4, 75, 20)); // 4.5 and 19.5 round to even
  const QJsonArray caption = json["CaptionRect"].toArray();
  ASSERT_EQ(caption.size(), 4);
  EXPECT_LT(caption[0].toInt(), caption[2].toInt());
  EXPECT_EQ(json["Region"].toArray(), (QJsonArray{rect(1, 0, 74, 1), rect(0, 1, 75, 22), rect(1, 22, 74, 23)}));

  // At 2x: twice the pixels along each side, each corner cut as 2 x 2, the
  // outline two pixels thick; the report in the same logical pixels.
  const ToolRun fine =
      runTool({"--size", "75x23", "--set", "buttonstyle=2", "--set", "BackColor=0xE7EBEC", "--set", "ColorScheme=0",
               "--set", "Caption=OK", "--set", "DropDownSymbol=6", "--focus", "--json", "--scale", "2", out});
  ASSERT_EQ(fine.status, 0) << fine.err.toStdString();
  const QImage doubled(out);
  ASSERT_EQ(doubled.size(), QSize(150, 46));
  for (QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(149, 45), QPoint(148, 44)})
    EXPECT_EQ(qAlpha(doubled.pixel(p)), 0) << p.x() << "," << p.y();
  EXPECT_EQ(doubled.pixel(20, 0), image.pixel(10, 0));
  EXPECT_EQ(doubled.pixel(20, 1), image.pixel(10, 0));
  EXPECT_EQ(doubled.pixel(3, 3), image.pixel(1, 1));
  EXPECT_EQ(QJsonDocument::fromJson(fine.out).object(), json);
}

TEST(RenderTool, BadArgumentsNameTheArgumentAndWriteNothing) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("never.png"));
  const struct {
    QStringList arguments;
    const char* named;
  } cases[] = {
      {{"--set", "Colour=1", out}, "Colour"},
      {{"--set", "Enabled=maybe", out}, "Enabled"},
      {{"--set", "BackColor=0xGG", out}, "BackColor"},
      {{"--set", "PictureOpacity=256", out}, "PictureOpacity"},
      {{"--set", "PictureNormal=" + dir.filePath("missing.png"), out}, "missing.png"},
      {{"--set", "Font=Tahoma", out}, "Font"},
      {{"--size", "12by3", out}, "--size"},
      {{"--state", "pressed", out}, "--state"},
      {{"--scale", "0.5", out}, "--scale"},
      {{"--scale", "2x", out}, "--scale"},
      {{"--scale", "8", "--size", "2000x20", out}, "--scale"},
      {{"--bogus", out}, "--bogus"},
      {{"-x", out}, "\"-x\": unknown option"},
      {{"--set", "MaskColor=0x+1", out}, "MaskColor"},
      {{"--set", "Font=Tahoma,nan,400,0", out}, "from 1 to 2000"},
      {{"--bag", writeFile(dir, "typed.json", R"({"Caption": "OK", "ButtonStyle": "round"})"), out}, "ButtonStyle"},
      {{"--bag", writeFile(dir, "broken.json", R"({"Caption": "OK",)"), out}, "malformed"},
      {{"--bag", dir.filePath("none.json"), out}, "none.json"},
      {{"--bag", writeFile(dir, "thin.json", R"({"_ExtentX": 1200, "_ExtentY": 14})"), out}, "_ExtentY"},
      {{"--json", "-"}, "standard output"},
  };
  for (const auto& c : cases) {
    const ToolRun run = runTool(c.arguments);
    EXPECT_EQ(run.status, 2) << c.named;
    EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out)) << c.named;
  }
}

TEST(RenderTool, AFailedWriteExitsWithTheReasonAndKeepsWhatWasThere) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  const ToolRun device = runTool({"/dev/full"});
  EXPECT_EQ(device.status, 1);
  EXPECT_TRUE(device.err.contains("No space left")) << device.err.toStdString();
  QTemporaryDir dir;
  for (const QStringList& arguments : {QStringList{"-"}, QStringList{"--json", dir.filePath("x.png")}}) {
    const ToolRun run = runTool(arguments, QStringLiteral("/dev/full"));
    EXPECT_EQ(run.status, 1) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("standard output")) << run.err.toStdString();
  }

  testsupport::SmallDisk disk;
  if (!disk.mounted())
    GTEST_SKIP() << "no small file system can be mounted here (needs root)";
  const QString keep = disk.filePath("keep.png");
  ASSERT_EQ(runTool({"--size", "60x20", keep}).status, 0);
  const QByteArray old = testsupport::contents(keep);
  disk.fill();
  const ToolRun full = runTool({"--size", "2000x1000", "--set", "ButtonStyle=8", keep});
  EXPECT_EQ(full.status, 1);
  EXPECT_TRUE(full.err.contains("No space left")) << full.err.toStdString();
  EXPECT_EQ(testsupport::contents(keep), old);
}

TEST(RenderTool, SpecialFilesAreRefusedAtOnceAndNamesNeedNotBeUtf8) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  QTemporaryDir dir;
  const QString pipe = dir.filePath("pipe.png");
  ASSERT_TRUE(testsupport::makePipe(pipe));
  const QString out = dir.filePath("never.png");
  for (const QStringList& arguments : {QStringList{"--set", "PictureNormal=" + pipe, out},
                                       QStringList{"--bag", pipe, out}, QStringList{"--bag", "/dev/zero", out}}) {
    const ToolRun run = runTool(arguments); // a blocked read would end in its time-out (status -1)
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("not a regular file")) << run.err.toStdString();
  }

  // Both names with a byte that is not UTF-8, given as bytes by the shell.
  QProcess shell;
  shell.setWorkingDirectory(dir.path());
  shell.start(
      QStringLiteral("/bin/sh"),
      {"-c",
       R"sh("$0" "$(printf 'p\377.png')" && "$0" --set "PictureNormal=$(printf 'p\377.png')" "$(printf 'out\377.png')")sh",
       toolPath()});
  ASSERT_TRUE(shell.waitForFinished(60000));
  EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
  EXPECT_EQ(::access((QFile::encodeName(dir.path()) + "/out\xFF.png").constData(), F_OK), 0);
  for (const char* name : {"/out\xFF.png", "/p\xFF.png"})
    ::unlink((QFile::encodeName(dir.path()) + name).constData());
}

TEST(RenderTool, StartsFromAStoredLayoutWarnsOfUnknownKeysAndWritesToStandardOutput) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  QTemporaryDir dir;
  const QString layout = writeFile(
      dir, "layout.json",
      R"({"buttonstyle": 2, "BackColor": 15198183, "Caption": "OK", "Shade": 3, "_ExtentX": 1500, "_ExtentY": 450})");
  const ToolRun run = runTool({"--size", "75x23", "--bag", layout, "--set", "ButtonStyle=0", "-"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("unknown key \"Shade\"")) << run.err.toStdString();
  // A value outside its list is named once, from the load that draws.
  // Without --size the layout's own size (in twips) is drawn.
  const ToolRun unlisted =
      runTool({"--bag", writeFile(dir, "style.json", R"({"ButtonStyle": 99, "_ExtentX": 900, "_ExtentY": 375})"), "-"});
  EXPECT_EQ(unlisted.status, 0);
  EXPECT_EQ(unlisted.err.count("ButtonStyle 99 is none of its values"), 1) << unlisted.err.toStdString();
  EXPECT_EQ(QImage::fromData(unlisted.out, "PNG").size(), QSize(60, 25));
  const QImage image = QImage::fromData(run.out, "PNG");
  ASSERT_EQ(image.size(), QSize(75, 23));
  // --set wins over the layout: the classic raised edge, not the rounded outline.
  EXPECT_EQ(image.pixel(0, 0), qRgb(0xD4, 0xD0, 0xC8));
  EXPECT_EQ(image.pixel(74, 22), qRgb(0x40, 0x40, 0x40));
}

TEST(RenderTool, DrawsThePictureOfEachStateFromFiles) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  QTemporaryDir dir;
  const auto writePicture = [&](const char* name, QRgb colour) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(image.save(path));
    return path;
  };
  const QStringList pictures = {"--set", "PictureNormal=" + writePicture("normal.png", qRgb(255, 0, 0)),
                                "--set", "PictureHot=" + writePicture("hot.bmp", qRgb(0, 255, 0)),
                                "--set", "PictureDown=" + writePicture("down.png", qRgb(0, 0, 255))};
  // A stored layout's defaults lighten while Hot (255 and 0 stay) and darken
  // while Down (255 becomes 217). No caption: the picture is centred.
  const struct {
    const char* state;
    QRgb colour;
  } cases[] = {{"normal", qRgb(255, 0, 0)}, {"hot", qRgb(0, 255, 0)}, {"down", qRgb(0, 0, 217)}};
  for (const auto& c : cases) {
    const QString out = dir.filePath(QStringLiteral("%1.png").arg(c.state));
    const ToolRun run =
        runTool(QStringList{"--size", "40x20", "--set", "ButtonStyle=2", "--set", "Caption=", "--state", c.state} +
                pictures + QStringList{"--json", out});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["PictureRect"].toArray(), rect(16, 6, 24, 14));
    const QImage image(out);
    EXPECT_EQ(image.pixel(16, 6), c.colour) << c.state;
    EXPECT_EQ(image.pixel(23, 13), c.colour) << c.state;
  }
}

TEST(RenderTool, SheetDrawsEveryStyleInEveryLook) {
  if (toolPath().isEmpty() || !QFile::exists(toolPath()))
    GTEST_SKIP() << "VEXA_TOOLS_DIR does not point at the built tools";
  QTemporaryDir dir;
  const QString out = dir.filePath(QStringLiteral("sheet.png"));
  const ToolRun run = runTool({"--sheet", out});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QImage sheet(out);
  // A label column of 132, eight 96 x 28 cells 8 apart, a header of 24,
  // fourteen rows (ButtonStyle 0 to 13) and four of pictures.
  ASSERT_EQ(sheet.size(), QSize(132 + 8 * 104 + 8, 24 + 18 * 36 + 8));
  const auto cellPixel = [&](int row, int column, int x, int y) {
    return sheet.pixel(132 + column * 104 + x, 24 + row * 36 + y);
  };
  EXPECT_EQ(cellPixel(2, 0, 10, 0), qRgb(0x00, 0x3C, 0x74));  // style 2 at rest: its outline
  EXPECT_EQ(cellPixel(0, 2, 10, 0), qRgb(0, 0, 0));           // style 0 pressed: black frame
  EXPECT_EQ(cellPixel(4, 1, 10, 0), qRgb(0x31, 0x6A, 0xC5));  // style 4 hot: palette 0 outline
  EXPECT_EQ(cellPixel(4, 0, 10, 0), cellPixel(4, 0, 10, 10)); // style 4 at rest: no outline
  EXPECT_EQ(cellPixel(5, 6, 10, 0), qRgb(0x00, 0x00, 0x80));  // style 5 checked: navy outline
  EXPECT_EQ(cellPixel(13, 0, 10, 0), qRgb(0x00, 0x3C, 0x74)); // style 13 without visual styles
  // The last row lifts its picture while hot, over a silver silhouette.
  const auto silverPixels = [&](int row, int column) {
    int count = 0;
    for (int y = 0; y < 28; ++y)
      for (int x = 0; x < 96; ++x)
        count += cellPixel(row, column, x, y) == qRgb(0xC0, 0xC0, 0xC0);
    return count;
  };
  EXPECT_EQ(silverPixels(17, 0), 0);
  EXPECT_GT(silverPixels(17, 1), 0);

  // With --themed one more row, with --scale the device size; other options
  // do not go with --sheet.
  ASSERT_EQ(runTool({"--sheet", out, "--themed", "--scale", "1.5"}).status, 0);
  EXPECT_EQ(QImage(out).size(), QSize((132 + 8 * 104 + 8) * 3 / 2, (24 + 19 * 36 + 8) * 3 / 2));
  const ToolRun mixed = runTool({"--sheet", out, "--set", "Caption=OK"});
  EXPECT_EQ(mixed.status, 2);
  EXPECT_TRUE(mixed.err.contains("--sheet")) << mixed.err.toStdString();
}
