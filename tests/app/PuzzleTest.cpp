// SPDX-License-Identifier: MIT
#include "app/Puzzle.h"
#include "app/Form1.h"

#include <QPointer>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace {

using puzzle::Category;

QStringList entriesOf(const platform::ComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->ListCount(); ++i)
    items << list->List(i);
  return items;
}

// A loaded main window, deleted at the end of the test.
struct LoadedForm1 {
  LoadedForm1() : form(new Form1) { form->Load(); }
  ~LoadedForm1() { delete form.data(); }
  QPointer<Form1> form;
};

} // namespace

TEST(Puzzle, ListsShowTheirEntriesSortedExceptTheColourListOfHouseFour) {
  LoadedForm1 loaded;
  Form1& form = *loaded.form;
  const QStringList colours{"Bela", "Crvena", "Plava", "Zelena", "Zuta"};
  for (int house : {1, 2, 3, 5})
    EXPECT_EQ(entriesOf(form.kuca(house)), colours) << "kuca(" << house << ")";
  EXPECT_EQ(entriesOf(form.kuca(4)), (QStringList{"Zuta", "Plava", "Crvena", "Zelena", "Bela"}));
  EXPECT_FALSE(form.kuca(4)->Sorted());
  for (int house = 1; house <= 5; ++house) {
    EXPECT_EQ(entriesOf(form.vlasnik(house)), (QStringList{"Britanac", "Danac", "Nemac", "Norvezanin", "Svedjanin"}));
    EXPECT_EQ(entriesOf(form.pice(house)), (QStringList{"Caj", "Kafa", "Mleko", "Pivo", "Voda"}));
    EXPECT_EQ(entriesOf(form.sport(house)), (QStringList{"Biciklizam", "Golf", "Kosarka", "Odbojka", "Plivanje"}));
    EXPECT_EQ(entriesOf(form.ljubimac(house)), (QStringList{"Konj", "Macka", "Pas", "Ptica", "Riba"}));
  }
}

TEST(Puzzle, EveryListHoldsFiveDistinctEntriesAndNoSelectionAfterLoad) {
  LoadedForm1 loaded;
  for (const auto& content : puzzle::categories) {
    for (int house = 1; house <= 5; ++house) {
      const platform::ComboBox* list = loaded.form->lists(content.category)(house);
      const QStringList items = entriesOf(list);
      EXPECT_EQ(items.size(), 5);
      EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), 5);
      EXPECT_EQ(list->ListIndex(), -1);
      EXPECT_TRUE(list->Text().isEmpty());
      EXPECT_FALSE(list->isEditable());
    }
  }
}

TEST(Puzzle, ClueCaptionIsFifteenLinesJoinedByCrLf) {
  const QString caption = puzzle::clueCaption();
  EXPECT_EQ(caption.size(), 574);
  const QStringList lines = caption.split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 15);
  for (int i = 0; i < 15; ++i)
    EXPECT_TRUE(lines[i].startsWith(QString::number(i + 1) + QLatin1Char('.'))) << lines[i].toStdString();
  EXPECT_EQ(lines[3], QStringLiteral("4.Levo od bele kuce se nalazi zelena"));
  EXPECT_FALSE(caption.endsWith(QLatin1Char('\n')));
  EXPECT_EQ(caption.count(QLatin1Char('\n')), 14);
  EXPECT_EQ(caption.count(QLatin1Char('\r')), 14);

  LoadedForm1 loaded;
  EXPECT_EQ(loaded.form->Label1->Caption(), caption);
  EXPECT_EQ(loaded.form->Label2->Caption(), QStringLiteral("Podaci su sledeci:"));
}

TEST(Puzzle, KeyOfHouseNIsTheNthEntryAdded) {
  for (const auto& content : puzzle::categories)
    for (int house = 1; house <= 5; ++house)
      EXPECT_STREQ(puzzle::SolutionKey::cell(content.category, house), content.entries[house - 1]);
  EXPECT_STREQ(puzzle::SolutionKey::cell(Category::Kuca, 4), "Zelena");
  EXPECT_STREQ(puzzle::SolutionKey::cell(Category::Ljubimac, 1), "Macka");
}

// ---- The clues admit exactly the key ----------------------------------------------

namespace {

// house[v]: the house (0-based) of value v of a category, values numbered in
// the order of puzzle::categories' entries.
using Placement = std::array<int, 5>;

enum Colour { Zuta, Plava, Crvena, Zelena, Bela };
enum Nation { Norvezanin, Danac, Britanac, Nemac, Svedjanin };
enum Drink { Voda, Caj, Mleko, Kafa, Pivo };
enum Sport { Odbojka, Kosarka, Biciklizam, Golf, Plivanje };
enum Pet { Macka, Konj, Ptica, Riba, Pas };

bool neighbours(int a, int b) { return std::abs(a - b) == 1; }

std::vector<std::array<Placement, 5>> solve(bool directlyLeft) {
  std::vector<Placement> permutations;
  Placement p{0, 1, 2, 3, 4};
  do
    permutations.push_back(p);
  while (std::next_permutation(p.begin(), p.end()));

  std::vector<std::array<Placement, 5>> solutions;
  for (const Placement& c : permutations) {
    if (directlyLeft ? c[Zelena] + 1 != c[Bela] : c[Zelena] >= c[Bela]) // 4
      continue;
    for (const Placement& n : permutations) {
      if (n[Britanac] != c[Crvena] || n[Norvezanin] != 0 || !neighbours(n[Norvezanin], c[Plava])) // 1, 8, 14
        continue;
      for (const Placement& d : permutations) {
        if (n[Danac] != d[Caj] || c[Zelena] != d[Kafa] || d[Mleko] != 2) // 3, 5, 9
          continue;
        for (const Placement& s : permutations) {
          if (c[Zuta] != s[Odbojka] || s[Plivanje] != d[Pivo] || n[Nemac] != s[Golf] ||
              !neighbours(s[Kosarka], d[Voda])) // 7, 12, 13, 15
            continue;
          for (const Placement& a : permutations) {
            if (n[Svedjanin] != a[Pas] || s[Biciklizam] != a[Ptica] || !neighbours(s[Kosarka], a[Macka]) ||
                !neighbours(s[Odbojka], a[Konj])) // 2, 6, 10, 11
              continue;
            solutions.push_back({c, n, d, s, a});
          }
        }
      }
    }
  }
  return solutions;
}

} // namespace

TEST(Puzzle, CluesAdmitExactlyTheKeyWhenGreenIsDirectlyLeftOfWhite) {
  const auto solutions = solve(true);
  ASSERT_EQ(solutions.size(), 1u);
  // The key puts value n of every category in house n.
  const Placement identity{0, 1, 2, 3, 4};
  for (int category = 0; category < 5; ++category)
    EXPECT_EQ(solutions[0][category], identity) << "category " << category;
}

TEST(Puzzle, CluesAdmitSevenAssignmentsWhenGreenIsAnywhereLeftOfWhite) { EXPECT_EQ(solve(false).size(), 7u); }
