#pragma once

#include "vexabutton_platform_export.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <memory>

namespace platform {

// A font object shared by reference between a host and its controls (the
// classic "standard font"): face name, size in points, weight, character
// set, italic, underline and strikethrough. Every attribute change emits
// FontChanged with the attribute's name, so each holder can follow it.
//
// Sizes are finite numbers of points from MinSize to MaxSize; every way in
// (the constructor, setSize, the text form) holds to that.
class VEXA_PLATFORM_EXPORT SharedFont : public QObject {
  Q_OBJECT
public:
  static constexpr double MinSize = 1;
  static constexpr double MaxSize = 2000;

  SharedFont() = default;
  // A size outside the range is a programming error: asserted, and the
  // font keeps the default size.
  SharedFont(const QString& name, double size, int weight = 400, int charset = 0, bool italic = false,
             bool underline = false, bool strikethrough = false);

  QString Name() const { return name_; }
  double Size() const { return size_; }
  int Weight() const { return weight_; }
  bool Bold() const { return weight_ >= 600; }
  int Charset() const { return charset_; }
  bool Italic() const { return italic_; }
  bool Underline() const { return underline_; }
  bool Strikethrough() const { return strikethrough_; }

  void setName(const QString& name);
  // Refuses a size that is not a finite number of points from MinSize to
  // MaxSize: returns false, sets *error and changes nothing.
  bool setSize(double size, QString* error = nullptr);
  // Why `size` is not a font size, or an empty string when it is one.
  static QString sizeError(double size);
  void setWeight(int weight);
  void setBold(bool bold);
  void setCharset(int charset);
  void setItalic(bool italic);
  void setUnderline(bool underline);
  void setStrikethrough(bool strikethrough);

  // The QFont to draw with: face (with the program's substitutes), pixel size
  // from points at 96 dpi, weight and styles.
  QFont toQFont() const;

  // Same attributes (not the same object).
  bool sameAs(const SharedFont& other) const;
  std::shared_ptr<SharedFont> clone() const;

  // Text form "Face,points,weight,charset[,italic][,underline][,strikethrough]";
  // parse returns nullptr and sets *error on a malformed entry.
  QString toText() const;
  static std::shared_ptr<SharedFont> fromText(const QString& text, QString* error = nullptr);

signals:
  void FontChanged(const QString& propertyName);

private:
  QString name_ = QStringLiteral("Tahoma");
  double size_ = 8.25;
  int weight_ = 400;
  int charset_ = 0;
  bool italic_ = false;
  bool underline_ = false;
  bool strikethrough_ = false;
};

using SharedFontPtr = std::shared_ptr<SharedFont>;

} // namespace platform
