// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The content of the test: the five categories with their entries, the clue
// list and the solution key. Everything is fixed; nothing is read or drawn at
// random, so every run presents the same puzzle.
namespace puzzle {

inline constexpr int HouseCount = 5;
inline constexpr int CategoryCount = 5;

// The categories, in the order of the frames on the main window.
enum class Category { Kuca, Vlasnik, Pice, Sport, Ljubimac };

struct CategoryContent {
  Category category;
  const char* frameCaption;
  // In the order popuni adds them to every list of the category.
  std::array<const char*, HouseCount> entries;
};

inline constexpr std::array<CategoryContent, CategoryCount> categories{{
    {Category::Kuca, "Boja kuce", {"Zuta", "Plava", "Crvena", "Zelena", "Bela"}},
    {Category::Vlasnik, "Poreklo vlasnika", {"Norvezanin", "Danac", "Britanac", "Nemac", "Svedjanin"}},
    {Category::Pice, "Omiljeno pice", {"Voda", "Caj", "Mleko", "Kafa", "Pivo"}},
    {Category::Sport, "Omiljeni sport", {"Odbojka", "Kosarka", "Biciklizam", "Golf", "Plivanje"}},
    {Category::Ljubimac, "Kucni ljubimac", {"Macka", "Konj", "Ptica", "Riba", "Pas"}},
}};

inline constexpr const CategoryContent& content(Category category) { return categories[int(category)]; }

// The only list of the window that is not sorted: the colour list of house 4.
inline constexpr Category unsortedCategory = Category::Kuca;
inline constexpr int unsortedHouse = 4;

// The answers the check accepts, house 1 to 5 in each category. Compared as
// exact, case-sensitive strings. Kept as the check's own constants (not read
// back from the lists).
namespace SolutionKey {
inline constexpr std::array<const char*, HouseCount> kuca{"Zuta", "Plava", "Crvena", "Zelena", "Bela"};
inline constexpr std::array<const char*, HouseCount> vlasnik{"Norvezanin", "Danac", "Britanac", "Nemac", "Svedjanin"};
inline constexpr std::array<const char*, HouseCount> pice{"Voda", "Caj", "Mleko", "Kafa", "Pivo"};
inline constexpr std::array<const char*, HouseCount> sport{"Odbojka", "Kosarka", "Biciklizam", "Golf", "Plivanje"};
inline constexpr std::array<const char*, HouseCount> ljubimac{"Macka", "Konj", "Ptica", "Riba", "Pas"};

// The key cell of `house` (1 to 5) in `category`.
inline constexpr const char* cell(Category category, int house) {
  switch (category) {
  case Category::Kuca:
    return kuca[house - 1];
  case Category::Vlasnik:
    return vlasnik[house - 1];
  case Category::Pice:
    return pice[house - 1];
  case Category::Sport:
    return sport[house - 1];
  case Category::Ljubimac:
    return ljubimac[house - 1];
  }
  return "";
}
} // namespace SolutionKey

// The heading above the clues.
inline constexpr const char* cluesHeading = "Podaci su sledeci:";

// The fifteen clues, one line each.
const QStringList& clueLines();

// The caption of the clue label: the fifteen lines joined by CR LF, without a
// line break after the last.
QString clueCaption();

} // namespace puzzle
