// SPDX-License-Identifier: MIT
// The item shows the widget's pixels: every look in the normal, hot, down
// and focused states, reached through the same input on both faces.
#include "Faces.h"

#include <gtest/gtest.h>

namespace {

enum class Shown { Normal, Hot, Down, Focused };

void reach(quicktest::Face& face, Shown state) {
  const QPoint over = quicktest::ButtonRect.topLeft() + QPoint(20, 10);
  switch (state) {
  case Shown::Normal:
    break;
  case Shown::Hot:
    QTest::mouseMove(face.window(), over);
    break;
  case Shown::Down:
    QTest::mouseMove(face.window(), over);
    QTest::mousePress(face.window(), Qt::LeftButton, {}, over);
    break;
  case Shown::Focused:
    face.focusButton();
    break;
  }
  QCoreApplication::processEvents();
}

// The pixels of `face` in `look` and `state`; empty where the look covers nothing.
QImage shown(quicktest::Face& face, int look, Shown state) {
  face.set("ButtonStyle", look);
  face.set("Caption", QStringLiteral("Go"));
  face.show();
  reach(face, state);
  QImage pixels = face.pixels();
  const QRegion covered = face.covered();
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x)
      if (!covered.contains(QPoint(x, y)))
        pixels.setPixel(x, y, 0xFF000000u);
  const QPoint over = quicktest::ButtonRect.topLeft() + QPoint(20, 10);
  if (state == Shown::Down)
    QTest::mouseRelease(face.window(), Qt::LeftButton, {}, over);
  return pixels;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<int, Shown>>& info) {
  static const char* const states[] = {"Normal", "Hot", "Down", "Focused"};
  return "Look" + std::to_string(std::get<0>(info.param)) + "_" + states[int(std::get<1>(info.param))];
}

class Pixels : public ::testing::TestWithParam<std::tuple<int, Shown>> {};

TEST_P(Pixels, TheItemShowsTheWidgetsPixels) {
  const auto [look, state] = GetParam();
  QImage widget, item;
  {
    quicktest::WidgetFace face;
    widget = shown(face, look, state);
  }
  {
    quicktest::ItemFace face;
    item = shown(face, look, state);
  }
  ASSERT_EQ(widget.size(), item.size());
  int differing = 0;
  QPoint first(-1, -1);
  for (int y = 0; y < widget.height(); ++y)
    for (int x = 0; x < widget.width(); ++x)
      if (widget.pixel(x, y) != item.pixel(x, y) && differing++ == 0)
        first = {x, y};
  EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y() << std::hex << ": widget "
                          << widget.pixel(first) << ", item " << item.pixel(first);
}

INSTANTIATE_TEST_SUITE_P(Looks, Pixels,
                         ::testing::Combine(::testing::Range(0, 14),
                                            ::testing::Values(Shown::Normal, Shown::Hot, Shown::Down, Shown::Focused)),
                         caseName);

} // namespace
