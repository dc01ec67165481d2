#include "platform/Fonts.h"

namespace platform {

QStringList registerProgramFonts(const QString&) { return {}; }

} // namespace platform
