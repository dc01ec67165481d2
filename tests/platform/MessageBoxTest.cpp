// SPDX-License-Identifier: MIT
#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

TEST(MessageBox, RecorderKeepsEveryCallAndRunsCodeWhileTheBoxIsOpen) {
  platform::MsgBoxRecorder recorder;
  std::vector<QString> seen;
  recorder.whileOpen = [&](const platform::MsgBoxCall& call) {
    seen.push_back(call.text);
    // A box shown while another is open (a timer tick during the first).
    if (recorder.calls.size() == 1)
      for (int i = 0; i < 20; ++i)
        platform::msgBox(QStringLiteral("nested %1").arg(i), platform::MsgBoxIcon::Information, QStringLiteral("T"));
  };
  platform::msgBox(QStringLiteral("Netacno! Pokusajte opet."), platform::MsgBoxIcon::Exclamation,
                   QStringLiteral("Belmora - Vokrantov test inteligencije"));
  ASSERT_EQ(recorder.calls.size(), 21u);
  EXPECT_EQ(recorder.calls[0].text, QStringLiteral("Netacno! Pokusajte opet."));
  EXPECT_EQ(recorder.calls[0].icon, platform::MsgBoxIcon::Exclamation);
  EXPECT_EQ(recorder.calls[0].title, QStringLiteral("Belmora - Vokrantov test inteligencije"));
  ASSERT_EQ(seen.size(), 21u);
  EXPECT_EQ(seen[0], QStringLiteral("Netacno! Pokusajte opet."));
  EXPECT_EQ(seen[20], QStringLiteral("nested 19"));
}

// The real box: a short message still leaves room for the whole title in a
// bold title-bar font beside the frame's icon and buttons.
TEST(MessageBox, IsWideEnoughForItsWholeTitle) {
  const QString title = QStringLiteral("Belmora - Vokrantov test inteligencije");
  int width = 0;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    width = box->width();
    box->close();
  });
  platform::msgBox(QStringLiteral("Netacno! Pokusajte opet."), platform::MsgBoxIcon::Exclamation, title);
  QFont bold = QApplication::font();
  bold.setBold(true);
  // A title bar also holds the window's icon and three buttons, some 24 pixels each.
  EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 4 * 24);
}
