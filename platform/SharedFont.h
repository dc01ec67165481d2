// SPDX-License-Identifier: MIT
#pragma once

#include "vexabutton_platform_export.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <memory>

namespace platform {

//! A font object shared by reference between a host and its controls (the
//! classic "standard font"): face name, size in points, weight, character
//! set, italic, underline and strikethrough. Every attribute change emits
//! FontChanged with the attribute's name, so each holder can follow it.
//!
//! Sizes are finite numbers of points from MinSize to MaxSize; every way in
//! (the constructor, setSize, the text form) holds to that.
class VEXA_PLATFORM_EXPORT SharedFont : public QObject {
  Q_OBJECT
public:
  static constexpr double MinSize = 1;    //!< The smallest size in points.
  static constexpr double MaxSize = 2000; //!< The largest size in points.

  //! Tahoma, 8.25 points, regular weight, character set 0, no styles.
  SharedFont() = default;
  //! A font with the given attributes. A size outside the range is a
  //! programming error: asserted, and the font keeps the default size.
  SharedFont(const QString& name, double size, int weight = 400, int charset = 0, bool italic = false,
             bool underline = false, bool strikethrough = false);

  QString Name() const { return name_; }                //!< The face name, as set ("Tahoma").
  double Size() const { return size_; }                 //!< The size in points (8.25).
  int Weight() const { return weight_; }                //!< The weight, 100 to 900 (400 regular, 700 bold).
  bool Bold() const { return weight_ >= 600; }          //!< Whether the weight is 600 or more.
  int Charset() const { return charset_; }              //!< The character set number (0 Western, 2 symbol).
  bool Italic() const { return italic_; }               //!< Whether the font is italic.
  bool Underline() const { return underline_; }         //!< Whether the text is underlined.
  bool Strikethrough() const { return strikethrough_; } //!< Whether the text is struck out.

  //! Sets the face name; a face the system lacks draws in its substitute.
  void setName(const QString& name);
  //! Sets the size in points. Refuses a size that is not a finite number of
  //! points from MinSize to MaxSize: returns false, sets *error and changes nothing.
  bool setSize(double size, QString* error = nullptr);
  //! Why \a size is not a font size, or an empty string when it is one.
  static QString sizeError(double size);
  void setWeight(int weight);                //!< Sets the weight (400 regular, 700 bold).
  void setBold(bool bold);                   //!< Sets the weight to 700, or to 400.
  void setCharset(int charset);              //!< Sets the character set number.
  void setItalic(bool italic);               //!< Sets or clears italic.
  void setUnderline(bool underline);         //!< Sets or clears the underline.
  void setStrikethrough(bool strikethrough); //!< Sets or clears the strikethrough.

  //! The QFont to draw with: face (with the program's substitutes), pixel size
  //! from points at 96 dpi, weight and styles.
  QFont toQFont() const;

  //! Whether \a other has the same attributes (it need not be the same object).
  bool sameAs(const SharedFont& other) const;
  //! A new font object with the same attributes, followed by nobody yet.
  std::shared_ptr<SharedFont> clone() const;

  //! The text form "Face,points,weight,charset[,italic][,underline][,strikethrough]".
  QString toText() const;
  //! Parses the text form; returns nullptr and sets *error on a malformed entry.
  static std::shared_ptr<SharedFont> fromText(const QString& text, QString* error = nullptr);

Q_SIGNALS:
  //! An attribute changed; \a propertyName names it ("Name", "Size", "Weight", ...); nothing is emitted for a set to
  //! the same value.
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

//! A font as hosts and controls hold it: shared, so a change reaches every holder.
using SharedFontPtr = std::shared_ptr<SharedFont>;

} // namespace platform
