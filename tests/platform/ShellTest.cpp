// SPDX-License-Identifier: MIT
// Opening addresses: web and mail addresses reach the desktop's handler,
// nothing else does.

#include "platform/Shell.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's handlers, so nothing is launched.
class Handler : public QObject {
  Q_OBJECT
public:
  QList<QUrl> opened;
public slots:
  void open(const QUrl& url) { opened << url; }
};

TEST(OpenWebAddress, OnlyWebAndMailAddressesOpen) {
  Handler handler;
  const char* schemes[] = {"http", "https", "mailto", "file", "ftp", "javascript", "data", "x-program"};
  for (const char* scheme : schemes)
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &handler, "open");

  const char* accepted[] = {"http://www.belmora.example", "https://www.belmora.example/zadaci?x=1",
                            "HTTPS://WWW.BELMORA.EXAMPLE", "  http://belmora.example  ",
                            "mailto:autor@belmora.example"};
  for (const char* address : accepted)
    EXPECT_TRUE(platform::openWebAddress(QString::fromLatin1(address))) << address;
  ASSERT_EQ(handler.opened.size(), qsizetype(std::size(accepted)));
  EXPECT_EQ(handler.opened.last(), QUrl(QStringLiteral("mailto:autor@belmora.example")));

  handler.opened.clear();
  const char* refused[] = {"",
                           "   ",
                           "www.belmora.example",
                           "/usr/bin/xterm",
                           "calc.exe",
                           "C:\\Windows\\notepad.exe",
                           "file:///etc/passwd",
                           "ftp://belmora.example",
                           "javascript:alert(1)",
                           "data:text/html,<b>x</b>",
                           "x-program:run",
                           "http://",
                           "https:///no-host",
                           "mailto:",
                           "http://exa mple.example"};
  for (const char* address : refused)
    EXPECT_FALSE(platform::openWebAddress(QString::fromLatin1(address))) << address;
  EXPECT_TRUE(handler.opened.isEmpty());

  for (const char* scheme : schemes)
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

} // namespace

#include "ShellTest.moc"
