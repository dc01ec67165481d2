#include "button/model/vexabutton.h"

// The control's own tooltip window.
void vexabutton::ShowToolTip() {}
