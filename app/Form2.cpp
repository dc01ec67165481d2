// SPDX-License-Identifier: MIT
#include "app/Form2.h"

#include "app/Form1.h"
#include "app/InfoArtwork.h"
#include "app/InfoTexts.h"
#include "app/InfoWindow.h"
#include "platform/Geometry.h"

#include <QDebug>

using infowindow::addLabel;
using infowindow::calibri;

Form2::Form2(Form1* main) : main_(main) {
  setCaption(QStringLiteral("O Tesmiru Vokrantu:"));
  setClientSizeTwips(8925, 7575);
  infowindow::setToolWindowFrame(this);
  const platform::SharedFont formFont = calibri(9.75);
  setFormFont(formFont.clone());

  // In tab order.
  Picture1 = new platform::PictureBox(this);
  registerControl(Picture1, QStringLiteral("Picture1"));
  Picture1->TwipsGeometry::move(0, 3840, 3600, 3750);
  Picture1->setAutoSize(true);
  // Drawn once, when the window first opens; later openings show the same picture.
  static const QImage picture = infoartwork::vokrantPortrait();
  Picture1->setPicture(picture);
  Picture1->setAccessibleName(QStringLiteral("Tesmir Vokrant"));
  Picture1->setAccessibleDescription(infotexts::vokrantPictureDescription());

  Label1 = addLabel(this, QStringLiteral("Label1"), 120, 120, 5865, 435, calibri(18, 700), infotexts::vokrantHeading(),
                    true);
  Label2 = addLabel(this, QStringLiteral("Label2"), 120, 600, 8775, 855, formFont, infotexts::vokrantLife(), false);
  Label3 = addLabel(this, QStringLiteral("Label3"), 120, 1440, 8655, 2295, formFont, infotexts::vokrantWorks(), false);
  Label4 =
      addLabel(this, QStringLiteral("Label4"), 3720, 3840, 4815, 795, formFont, infotexts::vokrantNameSaying(), false);

  vexabutton1 = new vexabutton(this);
  registerControl(vexabutton1, QStringLiteral("vexabutton1"));
  extender(vexabutton1).Cancel = true;
  QString error;
  if (!vexabutton1->ReadProperties(storedButtonProperties(), &error))
    qWarning().noquote() << "Form2: the stored properties of vexabutton1 did not load:" << error;
  vexabutton1->setGeometry(platform::twipsToPixels(6960), platform::twipsToPixels(6960), platform::twipsToPixels(1815),
                           platform::twipsToPixels(495));
  connect(vexabutton1, &vexabutton::Click, this, &Form2::vexabutton1_Click);

  setTabOrder(Picture1, vexabutton1);
  // Read from the top: the heading, the two texts, the picture beside the last one.
  document = infowindow::addDocument(this, {Label1, Label2, Label3, Picture1, Label4}, Picture1);

  // The main window may go first (the program ends): this window goes with it.
  if (main)
    connect(main, &QObject::destroyed, this, &QObject::deleteLater);
}

Form2::~Form2() = default;

// Those of the main window's exit button, in a smaller font.
platform::PropertyBag Form2::storedButtonProperties() {
  platform::PropertyBag bag = Form1::storedButtonProperties(4);
  bag.WriteProperty(QStringLiteral("font"), QVariant::fromValue(std::make_shared<platform::SharedFont>(
                                                QStringLiteral("Tahoma"), 8.25, 400, 0)));
  return bag;
}

void Form2::Form_Load() { infowindow::pauseMain(main_); }

// Never cancels, whatever the reason for closing.
void Form2::Form_QueryUnload(bool&, int) { infowindow::resumeMain(main_); }

void Form2::vexabutton1_Click() { Unload(); }
