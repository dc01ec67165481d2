// SPDX-License-Identifier: MIT
#include "style/ButtonLookStyle.h"

#include <QStylePlugin>

#include <array>

namespace {

// Style keys by ButtonStyle; the System look is the plain "vexa".
constexpr std::array<const char*, 14> Keys = {
    "vexa-classic",
    "vexa-classic-thin",
    "vexa-rounded-gradient",
    "vexa-blue-glass",
    "vexa-toolbar",
    "vexa-warm-highlight",
    "vexa-silver",
    "vexa-soft-blue",
    "vexa-gel",
    "vexa-white-gloss",
    "vexa-shaded",
    "vexa-flat-classic",
    "vexa-flat-thin",
    "vexa",
};

} // namespace

class VexaStylePlugin : public QStylePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "vexa-styles.json")

public:
  // QStyleFactory passes the key as the user wrote it; keys are matched
  // without regard to case, as Qt's own styles are.
  QStyle* create(const QString& key) override {
    for (std::size_t look = 0; look < Keys.size(); ++look)
      if (key.compare(QLatin1String(Keys[look]), Qt::CaseInsensitive) == 0)
        return new vexa::ButtonLookStyle(qint32(look));
    return nullptr;
  }
};

#include "StylePlugin.moc"
