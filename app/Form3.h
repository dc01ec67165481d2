// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/TextDocument.h"

#include <QPointer>

class Form1;

// The information window about the program and its author. While it is open
// the main window is hidden and disabled and the countdown is paused. It has
// no button: the close box closes it.
class Form3 : public platform::Form {
  Q_OBJECT
public:
  // `main` is the window that opened it and is paused meanwhile.
  explicit Form3(Form1* main);
  ~Form3() override;

  platform::PictureBox* Picture1 = nullptr;
  platform::Label* Label1 = nullptr;
  platform::Label* Label2 = nullptr;
  platform::Label* Label3 = nullptr;
  platform::Label* Label4 = nullptr;
  platform::Label* Label5 = nullptr;
  platform::Label* Label7 = nullptr;
  // The texts as assistive technology reads them.
  platform::TextDocument* document = nullptr;

protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel, int unloadMode) override;

private:
  QPointer<Form1> main_;
};
