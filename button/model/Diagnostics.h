// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// Warnings of the control about values it was given and could not take as
// they were (a form's or a layout's), through Qt's message handler under the
// category "vexabutton", so an application can route or silence them.
Q_DECLARE_LOGGING_CATEGORY(vexaLog)
