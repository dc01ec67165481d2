#include "platform/MessageBox.h"

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
