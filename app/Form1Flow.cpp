#include "app/Form1.h"

void Form1::gotovo() {}
void Form1::vexabutton1_Click() {}
void Form1::vexabutton2_Click() {}
void Form1::vexabutton3_Click() {}
void Form1::Timer1_Timer() {}
