// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// What the fuzz harnesses share. Each harness defines LLVMFuzzerTestOneInput;
// built with clang's fuzzer it is driven by libFuzzer, built with the normal
// toolchain it is linked into ReplayMain, which runs it over the seed corpus
// and every crash reproducer kept in the repository.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzzsupport {

// Once per process: an offscreen QApplication, the program's fonts and the
// classic system-colour table, as the program and the tests have them.
void setUpOnce();

// Stops the process with a message: an invariant the harness checks broke.
[[noreturn]] void violated(const char* what, const QByteArray& detail = {});

inline QByteArray bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzzsupport
