#include "platform/PropertyBag.h"

namespace platform {

int PropertyBag::indexOf(const QString& key) const {
  for (int i = 0; i < int(entries_.size()); ++i)
    if (entries_[i].key.compare(key, Qt::CaseInsensitive) == 0)
      return i;
  return -1;
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
  const int i = indexOf(key);
  return i < 0 ? defaultValue : entries_[i].value;
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) {
  const int i = indexOf(key);
  if (valuesEqual(value, defaultValue)) {
    if (i >= 0)
      entries_.erase(entries_.begin() + i);
    return;
  }
  if (i >= 0)
    entries_[i].value = value;
  else
    entries_.push_back({key, value});
}

bool PropertyBag::contains(const QString& key) const { return indexOf(key) >= 0; }

void PropertyBag::remove(const QString& key) {
  const int i = indexOf(key);
  if (i >= 0)
    entries_.erase(entries_.begin() + i);
}

QStringList PropertyBag::keys() const {
  QStringList result;
  for (const auto& entry : entries_)
    result << entry.key;
  return result;
}

bool PropertyBag::valuesEqual(const QVariant& a, const QVariant& b) { return a == b; }

QByteArray PropertyBag::toJson() const { return {}; }

std::optional<PropertyBag> PropertyBag::fromJson(const QByteArray&, QString* error) {
  if (error)
    *error = QStringLiteral("not implemented");
  return std::nullopt;
}

} // namespace platform
