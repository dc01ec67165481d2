// SPDX-License-Identifier: MIT
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool openWebAddress(const QString& address) {
  const QUrl url(address.trimmed(), QUrl::StrictMode);
  if (!url.isValid() || url.isRelative())
    return false;
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
    if (url.host().isEmpty())
      return false;
  } else if (scheme == QLatin1String("mailto")) {
    if (url.path().trimmed().isEmpty())
      return false;
  } else {
    return false;
  }
  return QDesktopServices::openUrl(url);
}

} // namespace platform
