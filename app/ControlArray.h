// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <array>

// A control array with 1-based indices, as the forms name their lists: kuca(1) .. kuca(5).
template <typename T, int N> class ControlArray {
public:
  T* operator()(int index) const {
    Q_ASSERT(index >= 1 && index <= N);
    return items_[index - 1];
  }
  void set(int index, T* item) {
    Q_ASSERT(index >= 1 && index <= N);
    items_[index - 1] = item;
  }
  static constexpr int count() { return N; }

private:
  std::array<T*, N> items_{};
};
