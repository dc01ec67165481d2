#pragma once

#include <QString>

// Shared helpers of the test executables.
namespace testsupport {

// Sets up what every test process needs: the offscreen application (created
// by the test main), the program's fonts and the fixed classic system colours.
void setUpProcess();

} // namespace testsupport
