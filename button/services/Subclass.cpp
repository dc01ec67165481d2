#include "button/services/Subclass.h"

SubclassTable::~SubclassTable() = default;

#include "button/model/vexabutton.h"

void vexabutton::startSubclassing() {}
void vexabutton::stopSubclassing() {}
void vexabutton::TrackMouseLeave() {}
