// SPDX-License-Identifier: MIT
#include "button/render/VisualStyles.h"

#include "platform/Theme.h"

namespace vexa {

namespace {
struct Kept {
  bool presentEvaluated = false;
  bool present = false;
  bool themedEvaluated = false;
  bool themed = false;
};
Kept& kept() {
  static Kept value;
  return value;
}
} // namespace

bool IsUxThemePresent() {
  Kept& k = kept();
  if (!k.presentEvaluated) {
    k.present = platform::Theme::themeLibraryPresent();
    k.presentEvaluated = true;
  }
  return k.present;
}

bool IsThemed() {
  Kept& k = kept();
  if (!IsUxThemePresent())
    return k.themed;
  if (!k.themedEvaluated) {
    k.themed = platform::Theme::appThemed();
    k.themedEvaluated = true;
  }
  return k.themed;
}

void resetVisualStyles() { kept() = Kept{}; }

void setVisualStylesForTesting(bool themed) {
  Kept& k = kept();
  k.present = k.presentEvaluated = true;
  k.themed = themed;
  k.themedEvaluated = true;
}

} // namespace vexa
