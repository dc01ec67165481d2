// SPDX-License-Identifier: MIT
#include "app/Form1.h"

#include "app/BuiltArtwork.h"
#include "platform/Geometry.h"

#include <memory>

namespace {

// ---- Layout of the window (twips; controls in a frame relative to it) --------

constexpr int clientWidth = 10455;
constexpr int clientHeight = 7920;
constexpr qint32 backColour = 0x00E6E6E6;

// Character sets of the fonts.
constexpr int centralEuropean = 238;
constexpr int defaultCharset = 0;

struct LabelLayout {
  int left, top, width, height;
  double size;
  int weight;
  bool italic, underline;
  int charset;
  bool autoSize;
  int alignment;
  qint32 foreColor; // -1: the label's default
};

constexpr LabelLayout label1Layout{120, 1320, 4335, 3495, 9.75, 400, false, false, centralEuropean, false, 0, -1};
constexpr LabelLayout label2Layout{120, 960, 1410, 225, 9.75, 700, false, false, centralEuropean, true, 0, -1};
constexpr LabelLayout label3Layout{2520, 6600, 2325, 225, 9.75, 700, false, false, centralEuropean, true, 0, -1};
constexpr LabelLayout label4Layout{5760, 6600, 210, 225, 9.75, 700, false, true, centralEuropean, true, 2, 0x000000C0};
constexpr LabelLayout label5Layout{6120, 6600, 630, 225, 9.75, 700, false, false, defaultCharset, true, 0, -1};
constexpr LabelLayout label6Layout{4035, 7575, 4785, 225, 9.75, 400, true, false, defaultCharset, true, 2, 0x00404040};

// The frames stand one under the other; each holds the five lists of one
// category, house 1 leftmost, 1170 twips apart.
constexpr int frameLeft = 4320;
constexpr int frameTop = 1080;
constexpr int frameStep = 1080;
constexpr int frameWidth = 6015;
constexpr int frameHeight = 975;
constexpr int listLeft = 120;
constexpr int listStep = 1170;
constexpr int listTop = 360;
constexpr int listWidth = 975;
constexpr int listHeight = 345;

// The four buttons: the window keeps their position and size.
struct ButtonPlacement {
  int left, top, width, height;
};
constexpr ButtonPlacement buttonPlacements[4] = {
    {2520, 6960, 1815, 495}, {4515, 6960, 1815, 495}, {6480, 6960, 1815, 495}, {8520, 6960, 1815, 495}};

// The stored properties of the four button instances (class "ZVTK.vexabutton").
struct StoredButton {
  int extentX, extentY;
  int buttonStyle;
  const char* fontName;
  double fontSize;
  int fontWeight;
  int fontCharset;
  qint32 backColor;
  const char* caption;
  int pictureEffectOnOver, pictureEffectOnDown, captionEffects;
  qint32 tooltipBackColor;
};
constexpr StoredButton storedButtons[4] = {
    {3201, 873, 13, "Tahoma", 9.75, 700, 0, 0, "Provera (3)", 0, 0, 0, 0},
    {3201, 873, 13, "Tahoma", 9.75, 400, 0, 0, "O &Tesmiru Vokrantu", 0, 0, 0, 0},
    {3201, 873, 13, "Tahoma", 9.75, 400, 0, 0, "O &Programu", 0, 0, 0, 0},
    {3201, 873, 13, "Tahoma", 9.75, 400, 0, 0, "&Izlaz", 0, 0, 0, 0},
};

const char* const label6Text = "Za jos zanimljivih programa posetite www.belmora.example";

platform::Label* makeLabel(Form1* form, const char* name, const LabelLayout& layout, const QString& caption) {
  auto* label = new platform::Label(form);
  label->setObjectName(QLatin1String(name));
  form->registerControl(label, QLatin1String(name));
  label->move(layout.left, layout.top, layout.width, layout.height);
  label->setFont(platform::SharedFont(QStringLiteral("Calibri"), layout.size, layout.weight, layout.charset,
                                      layout.italic, layout.underline));
  if (layout.foreColor >= 0)
    label->setForeColor(layout.foreColor);
  label->setAlignment(layout.alignment);
  label->setCaption(caption);
  label->setAutoSize(layout.autoSize);
  return label;
}

} // namespace

platform::PropertyBag Form1::storedButtonProperties(int index) {
  Q_ASSERT(index >= 1 && index <= 4);
  const StoredButton& stored = storedButtons[index - 1];
  platform::PropertyBag bag;
  bag.WriteProperty(QStringLiteral("_extentx"), stored.extentX);
  bag.WriteProperty(QStringLiteral("_extenty"), stored.extentY);
  bag.WriteProperty(QStringLiteral("buttonstyle"), stored.buttonStyle);
  bag.WriteProperty(QStringLiteral("font"),
                    QVariant::fromValue(std::make_shared<platform::SharedFont>(
                        QLatin1String(stored.fontName), stored.fontSize, stored.fontWeight, stored.fontCharset)));
  bag.WriteProperty(QStringLiteral("backcolor"), stored.backColor);
  bag.WriteProperty(QStringLiteral("caption"), QString::fromLatin1(stored.caption));
  bag.WriteProperty(QStringLiteral("pictureeffectonover"), stored.pictureEffectOnOver);
  bag.WriteProperty(QStringLiteral("pictureeffectondown"), stored.pictureEffectOnDown);
  bag.WriteProperty(QStringLiteral("captioneffects"), stored.captionEffects);
  bag.WriteProperty(QStringLiteral("tooltipbackcolor"), stored.tooltipBackColor);
  return bag;
}

Form1::Form1(QWidget* parent) : platform::Form(parent) {
  setObjectName(QStringLiteral("Form1"));
  // The window
  setCaption(QStringLiteral("Belmora - Vokrantov test inteligencije"));
  setBorderStyle(1);
  setMaxButton(false);
  setMinButton(true);
  setStartUpPosition(2);
  setClientSizeTwips(clientWidth, clientHeight);
  setBackColor(backColour);
  setPicture(builtartwork::banner());
  setIcon(builtartwork::windowIcon());

  // The portrait comes first: it is the first stop of the tab order and has
  // the focus when the window opens.
  tesmir = new platform::PictureBox(this);
  tesmir->setObjectName(QStringLiteral("tesmir"));
  registerControl(tesmir, QStringLiteral("tesmir"));
  tesmir->move(0, 4930, 2310, 3000);
  tesmir->setAutoSize(true);
  tesmir->setPicture(builtartwork::tesmirPortrait());
  tesmir->setToolTipText(QStringLiteral(":-P"));
  tesmir->setAccessibleName(QStringLiteral("Tesmir Vokrant"));
  tesmir->setAccessibleDescription(QStringLiteral("Crtez: Tesmir Vokrant u sakou sa leptir masnom, sa okruglim "
                                                  "naocarima i kratkom bradom, smeje se i plazi jezik."));

  // Clues and their heading
  Label1 = makeLabel(this, "Label1", label1Layout, puzzle::clueCaption());
  Label2 = makeLabel(this, "Label2", label2Layout, QLatin1String(puzzle::cluesHeading));
  Label2->setAccessibleRole(QAccessible::Heading);
  Label2->setLabelFor(Label1);
  // A screen reader reads the clues one by one, as a list that joins the Tab
  // order after the portrait (the clues' own place in it) only while it runs.
  Label1->setLinesAsList(true);

  // The buttons, loaded from their stored properties
  vexabutton** buttons[4] = {&vexabutton1, &vexabutton2, &vexabutton3, &vexabutton4};
  for (int i = 0; i < 4; ++i) {
    auto* button = new vexabutton(this);
    const QString name = QStringLiteral("vexabutton%1").arg(i + 1);
    button->setObjectName(name);
    registerControl(button, name);
    const ButtonPlacement& at = buttonPlacements[i];
    button->setGeometry(platform::twipsToPixels(at.left), platform::twipsToPixels(at.top),
                        platform::twipsToPixels(at.width), platform::twipsToPixels(at.height));
    QString error;
    if (!button->ReadProperties(storedButtonProperties(i + 1), &error))
      qWarning("Form1: the stored properties of %s could not be loaded (%s); the button keeps its defaults",
               qPrintable(name), qPrintable(error));
    *buttons[i] = button;
  }
  vexabutton1->setTag(QStringLiteral("3"));
  extender(vexabutton1).Default = true;
  extender(vexabutton4).Cancel = true;

  // Status line
  Label3 = makeLabel(this, "Label3", label3Layout, QStringLiteral("Vreme za resavanje testa je:"));
  Label4 = makeLabel(this, "Label4", label4Layout, QStringLiteral("30"));
  Label5 = makeLabel(this, "Label5", label5Layout, QStringLiteral("minuta."));
  // Assistive technology reads the status line whole, through Label3.
  Label3->setAccessibleRole(QAccessible::StatusBar);
  Label4->setAccessibleHidden(true);
  Label5->setAccessibleHidden(true);
  Label3->setAccessibleName(statusLineText());

  // The frames with their lists
  platform::Frame** frames[5] = {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5};
  const platform::SharedFont listFont(QStringLiteral("Calibri"), 9.75, 400, centralEuropean);
  for (int f = 0; f < puzzle::CategoryCount; ++f) {
    const puzzle::CategoryContent& content = puzzle::categories[f];
    auto* frame = new platform::Frame(this);
    const QString frameName = QStringLiteral("Frame%1").arg(f + 1);
    frame->setObjectName(frameName);
    registerControl(frame, frameName);
    frame->move(frameLeft, frameTop + f * frameStep, frameWidth, frameHeight);
    frame->setCaption(QLatin1String(content.frameCaption));
    frame->setFont(listFont);
    frame->setBackColor(backColour);
    *frames[f] = frame;
  }
  for (int f = 0; f < puzzle::CategoryCount; ++f) {
    static const char* const arrayNames[] = {"kuca", "vlasnik", "pice", "sport", "ljubimac"};
    const puzzle::Category category = puzzle::categories[f].category;
    for (int house = 1; house <= puzzle::HouseCount; ++house) {
      auto* list = new platform::ComboBox(*frames[f]);
      const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(arrayNames[f])).arg(house);
      list->setObjectName(name);
      registerControl(list, name);
      list->move(listLeft + (house - 1) * listStep, listTop, listWidth, listHeight);
      list->setFont(listFont);
      list->setSorted(!(category == puzzle::unsortedCategory && house == puzzle::unsortedHouse));
      list->setAccessibleName(
          QStringLiteral("Kuca %1, %2").arg(house).arg(QLatin1String(puzzle::categories[f].frameCaption)));
      lists(category).set(house, list);
    }
  }

  // Footer
  Label6 = makeLabel(this, "Label6", label6Layout, QLatin1String(label6Text));

  // Countdown
  Timer1 = new platform::TimerControl(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  Timer1->setTag(QStringLiteral("60"));
  Timer1->setEnabled(true);

  // Tab order: the portrait, the four buttons, then the lists row by row.
  QWidget* previous = tesmir;
  auto chain = [&previous](QWidget* next) {
    setTabOrder(previous, next);
    previous = next;
  };
  chain(Label1);
  chain(vexabutton1);
  chain(vexabutton2);
  chain(vexabutton3);
  chain(vexabutton4);
  for (const auto& content : puzzle::categories)
    for (int house = 1; house <= puzzle::HouseCount; ++house)
      chain(lists(content.category)(house));
  tesmir->setFocus();

  // Handlers
  connect(vexabutton1, &vexabutton::Click, this, &Form1::vexabutton1_Click);
  connect(vexabutton2, &vexabutton::Click, this, &Form1::vexabutton2_Click);
  connect(vexabutton3, &vexabutton::Click, this, &Form1::vexabutton3_Click);
  connect(vexabutton4, &vexabutton::Click, this, &Form1::vexabutton4_Click);
  connect(Timer1, &platform::TimerControl::Timer, this, &Form1::Timer1_Timer);
}

Form1::~Form1() = default;

ControlArray<platform::ComboBox, 5>& Form1::lists(puzzle::Category category) {
  switch (category) {
  case puzzle::Category::Kuca:
    return kuca;
  case puzzle::Category::Vlasnik:
    return vlasnik;
  case puzzle::Category::Pice:
    return pice;
  case puzzle::Category::Sport:
    return sport;
  case puzzle::Category::Ljubimac:
    break;
  }
  return ljubimac;
}

void Form1::Form_Load() { popuni(); }

void Form1::popuni() {
  for (int i = 1; i <= puzzle::HouseCount; ++i)
    for (const puzzle::CategoryContent& content : puzzle::categories)
      for (const char* entry : content.entries)
        lists(content.category)(i)->AddItem(QLatin1String(entry));
}

void Form1::vexabutton4_Click() { Unload(); }
