// SPDX-License-Identifier: MIT
#include "app/Puzzle.h"

namespace puzzle {

const QStringList& clueLines() {
  static const QStringList lines{
      QStringLiteral("1.Britanac zivi u crvenoj kuci"),
      QStringLiteral("2.Svedjanin ima psa za kucnog ljubimca"),
      QStringLiteral("3.Dancu je omiljeno pice caj"),
      QStringLiteral("4.Levo od bele kuce se nalazi zelena"),
      QStringLiteral("5.Vlasnik zelene kuce pije kafu"),
      QStringLiteral("6.Osoba koja voli biciklizam gaji ptice"),
      QStringLiteral("7.Vlasnik zute kuce igra odbojku"),
      QStringLiteral("8.Norvezanin zivi u prvoj kuci"),
      QStringLiteral("9.Covek koji zivi u srednjoj kuci pije mleko"),
      QStringLiteral("10.Sused coveka koji igra kosarku ima macku"),
      QStringLiteral("11.Sused coveka koji igra odbojku ima konja"),
      QStringLiteral("12.Osoba koja se bavi plivanjem voli da pije pivo"),
      QStringLiteral("13.Nemac voli da igra golf"),
      QStringLiteral("14.Norvezanin zivi pored plave kuce"),
      QStringLiteral("15.Sused osobe koja igra kosarku pije vodu"),
  };
  return lines;
}

QString clueCaption() { return clueLines().join(QStringLiteral("\r\n")); }

} // namespace puzzle
