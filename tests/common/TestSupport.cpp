#include "TestSupport.h"

#include "platform/Fonts.h"
#include "platform/SystemColors.h"

namespace testsupport {

void setUpProcess() {
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
}

} // namespace testsupport
