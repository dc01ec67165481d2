// SPDX-License-Identifier: MIT
#pragma once

#include "button/model/vexabutton.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/TextDocument.h"

#include <QPointer>

class Form1;

// The information window about Tesmir Vokrant. While it is open the main
// window is hidden and disabled and the countdown is paused.
class Form2 : public platform::Form {
  Q_OBJECT
public:
  // `main` is the window that opened it and is paused meanwhile.
  explicit Form2(Form1* main);
  ~Form2() override;

  platform::PictureBox* Picture1 = nullptr;
  platform::Label* Label1 = nullptr;
  platform::Label* Label2 = nullptr;
  platform::Label* Label3 = nullptr;
  platform::Label* Label4 = nullptr;
  vexabutton* vexabutton1 = nullptr;
  // The texts as assistive technology reads them.
  platform::TextDocument* document = nullptr;

  // The stored properties of vexabutton1, as the window keeps them.
  static platform::PropertyBag storedButtonProperties();

protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel, int unloadMode) override;

private:
  void vexabutton1_Click();

  QPointer<Form1> main_;
};
