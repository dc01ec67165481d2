// SPDX-License-Identifier: MIT
// One table of input steps run against both faces of the control: the widget
// on a form and the Qt Quick item in its window, driven through their
// windows with QTest. Each row's log of events and Qt signals is expected
// equal to the row's, and so equal between the faces.
#include "Faces.h"

#include <gtest/gtest.h>

namespace {

using quicktest::Face;

// The steps, written as words so a row reads as a sequence:
//   over / off     move the pointer over the button (20, 10) / onto the window away from it
//   press / release the left mouse button where the pointer is
//   dbl            a double click where the pointer is
//   space / /space  the space bar down / up
//   enter / esc    a Return / Escape key click
//   alt-g          Alt+G, the access key of the caption "&Go"
//   x              a key click of X
//   focus / blur   the focus to the button / to the plain control beside it
void step(Face& face, const QString& word, QPoint& pointer) {
  QWindow* window = face.window();
  const QPoint over = quicktest::ButtonRect.topLeft() + QPoint(20, 10);
  if (word == QLatin1String("over") || word == QLatin1String("off")) {
    pointer = word == QLatin1String("over") ? over : QPoint(250, 150);
    QTest::mouseMove(window, pointer);
  } else if (word == QLatin1String("press")) {
    QTest::mousePress(window, Qt::LeftButton, {}, pointer);
  } else if (word == QLatin1String("release")) {
    QTest::mouseRelease(window, Qt::LeftButton, {}, pointer);
  } else if (word == QLatin1String("dbl")) {
    QTest::mouseDClick(window, Qt::LeftButton, {}, pointer);
  } else if (word == QLatin1String("space")) {
    QTest::keyPress(window, Qt::Key_Space);
  } else if (word == QLatin1String("/space")) {
    QTest::keyRelease(window, Qt::Key_Space);
  } else if (word == QLatin1String("enter")) {
    QTest::keyClick(window, Qt::Key_Return);
  } else if (word == QLatin1String("esc")) {
    QTest::keyClick(window, Qt::Key_Escape);
  } else if (word == QLatin1String("alt-g")) {
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
  } else if (word == QLatin1String("x")) {
    QTest::keyClick(window, Qt::Key_X);
  } else if (word == QLatin1String("focus")) {
    face.focusButton();
  } else if (word == QLatin1String("blur")) {
    face.focusElsewhere();
  } else {
    ADD_FAILURE() << "no step " << word.toStdString();
  }
  QCoreApplication::processEvents(); // a MouseLeave held until Qt's delivery is over
}

struct Row {
  const char* name;
  int mode; // 0 push, 1 check, 2 option (the other button an option that is set)
  const char* steps;
  // The log after each step, " | " between steps.
  const char* expected;
};

QString run(Face& face, const Row& row) {
  face.set("Caption", QStringLiteral("&Go"));
  face.set("Mode", row.mode);
  if (row.mode == 2) {
    face.setOther("Mode", 2);
    face.setOther("Value", true);
  }
  face.show();
  QPoint pointer(250, 150);
  QStringList perStep;
  for (const QString& word : QString::fromLatin1(row.steps).split(QLatin1Char(' '))) {
    face.log.clear();
    step(face, word, pointer);
    perStep << face.log.join(QStringLiteral(", "));
  }
  return perStep.join(QStringLiteral(" | "));
}

const Row rows[] = {
    {"HoverAndLeave", 0, "over off", "MouseEnter, MouseMove 0 0 20 10 | MouseLeave"},
    {"PushClick", 0, "over press release",
     "MouseEnter, MouseMove 0 0 20 10 | MouseDown 1 0 20 10, pressed | Click, released, clicked, MouseUp 1 0 20 10"},
    {"DragOutAndBack", 0, "over press off over release",
     "MouseEnter, MouseMove 0 0 20 10 | MouseDown 1 0 20 10, pressed | MouseMove 1 0 240 140, released | "
     "MouseEnter, MouseMove 1 0 20 10, pressed | Click, released, clicked, MouseUp 1 0 20 10"},
    {"ReleaseOutside", 0, "over press off release",
     "MouseEnter, MouseMove 0 0 20 10 | MouseDown 1 0 20 10, pressed | MouseMove 1 0 240 140, released | "
     "MouseUp 1 0 240 140, MouseLeave"},
    {"CheckClick", 1, "over press release",
     "MouseEnter, MouseMove 0 0 20 10 | MouseDown 1 0 20 10, pressed | "
     "ValueChanged, toggled 1, Click, released, clicked, MouseUp 1 0 20 10"},
    {"OptionClickClearsTheOther", 2, "over press release",
     "MouseEnter, MouseMove 0 0 20 10 | MouseDown 1 0 20 10, pressed | other: ValueChanged, other: toggled 0, "
     "ValueChanged, toggled 1, Click, released, clicked, MouseUp 1 0 20 10"},
    {"DoubleClick", 0, "over dbl",
     "MouseEnter, MouseMove 0 0 20 10 | MouseDown 1 0 20 10, pressed, Click, released, clicked, MouseUp 1 0 20 10, "
     "MouseDown 1 0 20 10, DblClick, pressed, Click, released, clicked, MouseUp 1 0 20 10"},
    {"SpaceBar", 0, "focus space /space",
     " | KeyDown 32 0, KeyPress 32, pressed | Click, released, clicked, KeyUp 32 0"},
    {"SpaceBarOnCheck", 1, "focus space /space",
     " | ValueChanged, toggled 1, KeyDown 32 0, KeyPress 32, pressed | Click, released, clicked, KeyUp 32 0"},
    {"OtherKeyCancelsTheSpaceBar", 0, "focus space x /space",
     " | KeyDown 32 0, KeyPress 32, pressed | KeyDown 88 0, KeyPress 120, released | KeyUp 32 0"},
    {"FocusLostUnderTheSpaceBar", 0, "focus space blur /space", " | KeyDown 32 0, KeyPress 32, pressed | released | "},
    {"EnterOnTheFocusedButton", 1, "focus enter", " | Click, pressed, released, clicked, KeyDown 13 0, KeyPress 13"},
    {"AccessKeyOnPush", 0, "alt-g", "Click, pressed, released, clicked"},
    {"AccessKeyOnCheck", 1, "alt-g", "ValueChanged, toggled 1, Click, pressed, released, clicked"},
    {"AccessKeyOnOption", 2, "alt-g",
     "other: ValueChanged, other: toggled 0, ValueChanged, toggled 1, Click, pressed, released, clicked"},
};

class SharedInput : public ::testing::TestWithParam<Row> {};

TEST_P(SharedInput, BothFacesLogTheRowsEvents) {
  const Row& row = GetParam();
  QString widgetLog, itemLog;
  {
    quicktest::WidgetFace face;
    widgetLog = run(face, row);
  }
  {
    quicktest::ItemFace face;
    itemLog = run(face, row);
  }
  EXPECT_EQ(widgetLog.toStdString(), row.expected) << "the widget";
  EXPECT_EQ(itemLog.toStdString(), row.expected) << "the item";
}

INSTANTIATE_TEST_SUITE_P(Rows, SharedInput, ::testing::ValuesIn(rows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
