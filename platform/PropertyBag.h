// SPDX-License-Identifier: MIT
#pragma once

#include "Picture.h"
#include "SharedFont.h"
#include "vexabutton_platform_export.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

namespace platform {

//! The host's persistence service for one control instance.
//!
//! Keys match without regard to letter case; a value equal to the default it
//! is written with is not stored. Values are ints, Booleans, texts, fonts
//! (SharedFontPtr) or pictures (PicturePtr, possibly null for "none"). The bag
//! keeps the order in which keys were written. Looking a key up takes constant
//! time (a hash of the case-folded key), so reading a whole layout is linear.
class VEXA_PLATFORM_EXPORT PropertyBag {
public:
  //! The stored value of \a key, or \a defaultValue when the key is absent.
  QVariant ReadProperty(const QString& key, const QVariant& defaultValue = {}) const;
  //! Stores \a value under \a key unless it equals \a defaultValue (then any
  //! stored value of the key is removed).
  void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue = {});

  //! Whether \a key is stored, in any letter case.
  bool contains(const QString& key) const;
  //! Removes \a key and its value; the other keys keep their order.
  void remove(const QString& key);
  //! The stored keys in writing order, as they were written.
  QStringList keys() const;
  int count() const { return int(entries_.size()); } //!< The number of stored keys.
  bool isEmpty() const { return entries_.empty(); }  //!< Whether no key is stored.
  //! Removes every key.
  void clear() {
    entries_.clear();
    index_.clear();
  }

  //! JSON text (one object, keys in writing order): numbers, Booleans, strings,
  //! fonts as {"Font": "Face,points,weight,charset,..."}, pictures as
  //! {"Picture": type, "Png": base64} or null.
  QByteArray toJson() const;
  //! Parses JSON text, keeping the keys in the order of the text. Whole numbers
  //! come back as int (qlonglong beyond 32 bits), null as "no picture". On
  //! malformed text, a key given twice (in any letter case), a broken font or
  //! picture entry or a value of no known kind returns nothing and sets
  //! *error, naming the key where there is one.
  static std::optional<PropertyBag> fromJson(const QByteArray& json, QString* error = nullptr);
  //! The largest stored layout file the tools read: room for four large
  //! pictures, far beyond any real button's.
  static constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

  //! A whole number written as text, as stored layouts and tools give them:
  //! decimal with an optional sign, or with allowHex also "0x" or "&H" (with
  //! an optional closing "&") and one to eight hex digits, read as an
  //! unsigned 32-bit pattern (0x80000012 is a system colour). Surrounding
  //! spaces are ignored; anything else, a sign after the prefix among it,
  //! gives nothing.
  static std::optional<qint64> parseWholeNumber(const QString& text, bool allowHex);

  //! A value of an integer type, of any width, signed or not.
  static bool isIntegerValue(const QVariant& value);
  //! Two values equal as the bag compares them against a default: numbers by
  //! value, Booleans only with Booleans, fonts by their attributes, pictures
  //! when both are none or hold the same pixels.
  static bool valuesEqual(const QVariant& a, const QVariant& b);

private:
  struct Entry {
    QString key;
    QVariant value;
  };
  qsizetype indexOf(const QString& key) const;
  void append(const QString& key, QVariant value);
  void eraseAt(qsizetype i);
  std::vector<Entry> entries_;
  QHash<QString, qsizetype> index_; // case-folded key -> position in entries_
};

} // namespace platform

Q_DECLARE_METATYPE(platform::SharedFontPtr)
Q_DECLARE_METATYPE(platform::PicturePtr)
