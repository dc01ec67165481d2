#include "button/model/vexabutton.h"

void vexabutton::InitProperties() {}

bool vexabutton::ReadProperties(const platform::PropertyBag&, QString*) { return true; }

void vexabutton::WriteProperties(platform::PropertyBag&) const {}

QString vexabutton::helpString(const QString&) { return {}; }
