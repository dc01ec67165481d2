#include "app/Form1.h"

Form1::Form1(QWidget* parent) : platform::Form(parent) {
  setCaption(QStringLiteral("Belmora - Vokrantov test inteligencije"));
  setClientSizeTwips(10455, 7920);
}

Form1::~Form1() = default;

void Form1::Form_Load() { popuni(); }

void Form1::popuni() {}

void Form1::vexabutton4_Click() { Unload(); }
