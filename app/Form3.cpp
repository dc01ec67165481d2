// SPDX-License-Identifier: MIT
#include "app/Form3.h"

#include "app/Form1.h"
#include "app/InfoArtwork.h"
#include "app/InfoTexts.h"
#include "app/InfoWindow.h"

using infowindow::addLabel;
using infowindow::calibri;

Form3::Form3(Form1* main) : main_(main) {
  setCaption(QStringLiteral("O Programu i autoru"));
  setClientSizeTwips(7875, 6810);
  infowindow::setToolWindowFrame(this);
  setBackColor(0x00E6E6E6);
  // The window has no button and Esc leaves it open: say how it closes.
  setAccessibleDescription(QStringLiteral("Prozor se zatvara tasterima Alt+F4."));

  // In tab order.
  Picture1 = new platform::PictureBox(this);
  registerControl(Picture1, QStringLiteral("Picture1"));
  Picture1->TwipsGeometry::move(0, 1560, 2940, 5250);
  Picture1->setAutoSize(true);
  // Drawn once, when the window first opens; later openings show the same picture.
  static const QImage picture = infoartwork::authorSnapshot();
  Picture1->setPicture(picture);
  Picture1->setToolTipText(infotexts::authorPictureTip());
  Picture1->setAccessibleName(QStringLiteral("Autor programa"));
  Picture1->setAccessibleDescription(infotexts::authorPictureDescription());

  const platform::SharedFont text = calibri(9.75);
  const platform::SharedFont contact = calibri(11.25, 700);
  Label1 = addLabel(this, QStringLiteral("Label1"), 120, 120, 7695, 1575, text, infotexts::programIdea(), false);
  Label2 = addLabel(this, QStringLiteral("Label2"), 3000, 1560, 4815, 1935, text, infotexts::programAuthor(), false);
  Label3 = addLabel(this, QStringLiteral("Label3"), 3000, 3480, 2160, 270, contact, infotexts::contactWeb(), true);
  Label4 =
      addLabel(this, QStringLiteral("Label4"), 3000, 3840, 2955, 270, contact, infotexts::contactAuthorMail(), true);
  Label5 = addLabel(this, QStringLiteral("Label5"), 3000, 4560, 2895, 270, contact, infotexts::contactStudio(), true);
  Label7 = addLabel(this, QStringLiteral("Label7"), 3000, 4200, 3300, 270, contact, infotexts::contactInfoMail(), true);
  // Read from the top: the idea, the picture and the author beside it, the
  // contact lines as they stand one under the other.
  document = infowindow::addDocument(this, {Label1, Picture1, Label2, Label3, Label4, Label7, Label5}, Picture1);

  // The main window may go first (the program ends): this window goes with it.
  if (main)
    connect(main, &QObject::destroyed, this, &QObject::deleteLater);
}

Form3::~Form3() = default;

void Form3::Form_Load() { infowindow::pauseMain(main_); }

// Never cancels, whatever the reason for closing.
void Form3::Form_QueryUnload(bool&, int) { infowindow::resumeMain(main_); }
