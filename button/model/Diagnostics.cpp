// SPDX-License-Identifier: MIT
#include "button/model/Diagnostics.h"

Q_LOGGING_CATEGORY(vexaLog, "vexabutton")
