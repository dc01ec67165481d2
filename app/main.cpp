#include "app/Form1.h"
#include "platform/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  platform::registerProgramFonts();
  auto* form = new Form1;
  QObject::connect(form, &platform::Form::unloaded, &app, &QApplication::quit);
  form->Show();
  return app.exec();
}
