// SPDX-License-Identifier: MIT
#include "platform/ControlHost.h"

#include "platform/SystemColors.h"

#include <unordered_set>

namespace platform {

namespace {
std::unordered_set<const ControlHost*>& liveHosts() {
  static std::unordered_set<const ControlHost*> hosts;
  return hosts;
}
} // namespace

ControlHost::ControlHost() { liveHosts().insert(this); }
ControlHost::~ControlHost() { liveHosts().erase(this); }
bool ControlHost::isLive(const ControlHost* host) { return host && liveHosts().count(host) != 0; }

StandaloneHost::StandaloneHost() : font_(std::make_shared<SharedFont>(QStringLiteral("Tahoma"), 8.25)) {}

QString StandaloneHost::ambientDisplayName(const QWidget*) const { return displayName_; }

bool StandaloneHost::ambientDisplayAsDefault(const QWidget*) const { return displayAsDefault_; }

qint32 StandaloneHost::ambientBackColor() const { return SystemColors::get(SystemColors::ButtonFace); }

Extender& StandaloneHost::extender(const QWidget*) { return extender_; }

void StandaloneHost::propertyChanged(const QWidget*, const QString& name) {
  if (changedNames.size() >= ChangedNamesKept)
    changedNames.remove(0, changedNames.size() - ChangedNamesKept + 1);
  changedNames << name;
}

} // namespace platform
