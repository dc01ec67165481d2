// SPDX-License-Identifier: MIT
#include "StudioDocument.h"

#include "button/model/vexabutton_p.h"
#include "platform/Files.h"
#include "platform/PropertyBag.h"

namespace {
constexpr int TwipsPerPixel = 15;
// The largest button the control takes, as stored.
constexpr int MaxExtentTwips = vexabutton::MaximumSizePixels * TwipsPerPixel;
const QString ExtentX = QStringLiteral("_ExtentX");
const QString ExtentY = QStringLiteral("_ExtentY");
} // namespace

// Design time; the button's change notifications go to the document.
class StudioDocument::Host : public platform::StandaloneHost {
public:
  explicit Host(StudioDocument& document) : document_(document) { setUserMode(false); }
  void propertyChanged(const QWidget* control, const QString& name) override {
    platform::StandaloneHost::propertyChanged(control, name);
    if (document_.loading_)
      return;
    document_.setModified(true);
    emit document_.propertyChanged(name);
  }

private:
  StudioDocument& document_;
};

StudioDocument::StudioDocument() : host_(std::make_unique<Host>(*this)) {
  host_->setDisplayName(QStringLiteral("vexabutton1"));
  button_ = std::make_unique<vexabutton>(nullptr, host_.get());
  newDocument();
}

StudioDocument::~StudioDocument() = default;

void StudioDocument::newDocument() {
  loading_ = true;
  button_->resize(121, 33);
  initProperties(*button_);
  loading_ = false;
  setModified(false);
  setFilePath(QString());
  emit documentReset();
}

QByteArray StudioDocument::presetText() const {
  platform::PropertyBag bag;
  bag.WriteProperty(ExtentX, button_->width() * TwipsPerPixel);
  bag.WriteProperty(ExtentY, button_->height() * TwipsPerPixel);
  button_->WriteProperties(bag);
  return bag.toJson();
}

bool StudioDocument::loadPresetText(const QByteArray& text, QString* error) {
  QString why;
  const auto bag = platform::PropertyBag::fromJson(text, &why);
  if (!bag) {
    *error = why;
    return false;
  }
  const QStringList unknown = vexabutton::unknownKeys(*bag);
  if (!unknown.isEmpty()) {
    *error = QStringLiteral("unknown property \"%1\"").arg(unknown.first());
    return false;
  }
  QSize size(121, 33);
  for (const auto& [key, extent] : {std::pair{ExtentX, &size.rwidth()}, std::pair{ExtentY, &size.rheight()}}) {
    if (!bag->contains(key))
      continue;
    const QVariant value = bag->ReadProperty(key);
    const qlonglong twips = value.toLongLong();
    if (!platform::PropertyBag::isIntegerValue(value) || twips < 0 || twips > MaxExtentTwips) {
      *error = QStringLiteral("property \"%1\": expected a size in twips from 0 to %2 (%3 pixels)")
                   .arg(key)
                   .arg(MaxExtentTwips)
                   .arg(vexabutton::MaximumSizePixels);
      return false;
    }
    *extent = qMax(vexabutton::MinimumSizePixels, int(twips / TwipsPerPixel));
  }

  // The load is all or nothing: the button keeps its record when it fails.
  loading_ = true;
  const QSize before = button_->size();
  button_->resize(size);
  const bool loaded = button_->ReadProperties(*bag, &why);
  if (!loaded)
    button_->resize(before);
  loading_ = false;
  if (!loaded) {
    *error = why;
    return false;
  }
  emit documentReset();
  return true;
}

bool StudioDocument::open(const QString& path, QString* error) {
  QString why;
  const std::optional<QByteArray> text = platform::readRegularFile(path, platform::PropertyBag::MaxFileBytes, &why);
  if (!text) {
    *error = QStringLiteral("cannot open \"%1\": %2").arg(path, why);
    return false;
  }
  if (!loadPresetText(*text, &why)) {
    *error = QStringLiteral("\"%1\" is not a usable preset: %2").arg(path, why);
    return false;
  }
  setModified(false);
  setFilePath(path);
  return true;
}

bool StudioDocument::save(const QString& path, QString* error) {
  QString why;
  if (!platform::writeFileReplacing(path, presetText(), &why)) {
    *error = QStringLiteral("cannot write \"%1\": %2; the file was left as it was").arg(path, why);
    return false;
  }
  setModified(false);
  setFilePath(path);
  return true;
}

void StudioDocument::setButtonSize(const QSize& size) {
  const QSize fitted = size.expandedTo(QSize(vexabutton::MinimumSizePixels, vexabutton::MinimumSizePixels));
  if (fitted == button_->size())
    return;
  button_->resize(fitted);
  setModified(true);
  emit propertyChanged(QStringLiteral("Size"));
}

void StudioDocument::setModified(bool modified) {
  if (modified_ == modified)
    return;
  modified_ = modified;
  emit modifiedChanged(modified);
}

void StudioDocument::setFilePath(const QString& path) {
  if (path_ == path)
    return;
  path_ = path;
  emit filePathChanged(path);
}
