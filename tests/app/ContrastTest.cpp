// SPDX-License-Identifier: MIT
// Readable on every desktop palette: each look's caption in each state, the
// texts of the program's windows and the control's tooltip reach WCAG's
// 4.5:1 on their own background (disabled text 3:1), measured in pixels.
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "button/InputTestSupport.h"
#include "button/render/Redraw.h"
#include "platform/SystemColors.h"
#include "platform/TooltipWindow.h"

#include <QMetaEnum>

#include <cmath>

namespace {

double luminance(QRgb c) {
  const auto linear = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// From pictures with and without the text: its ink (the text pixel farthest
// from the face, darker or lighter) on the worst colour under the text.
double ofText(const QImage& with, const QImage& without) {
  std::vector<std::pair<double, double>> text; // the luminances of a text pixel and of the face under it
  double darker = 0, worst = 21;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y))
        text.push_back({luminance(with.pixel(x, y)), luminance(without.pixel(x, y))}),
            darker += text.back().second - text.back().first;
  double ink = text.empty() ? 0 : text[0].first;
  for (auto [l, face] : text)
    ink = darker > 0 ? std::min(ink, l) : std::max(ink, l);
  for (auto [l, face] : text)
    worst = std::min(worst, (std::max(ink, face) + 0.05) / (std::min(ink, face) + 0.05));
  return text.empty() ? 0 : worst;
}
// A text drawn on a flat `face` inside `rect`.
double onFace(const QImage& image, const QRect& rect, const QColor& face) {
  QImage without(rect.size(), image.format());
  without.fill(face);
  return ofText(image.copy(rect), without);
}

// Qt's own light palette, the colours of qt6ct's "darker" scheme, and black
// and white high contrast, each with its own grey text.
QPalette palette(QColor window, QColor button, QColor tip, QColor text, QColor grey) {
  QPalette palette(button, window);
  palette.setColor(QPalette::ToolTipBase, tip);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
    palette.setColor(role, text), palette.setColor(QPalette::Disabled, role, grey);
  return palette;
}

// Each check runs under each palette and names the texts that fall short.
class Contrast : public ::testing::Test {
protected:
  template <typename Check> void underEachPalette(Check check) {
    const QPalette light = QApplication::palette();
    for (const auto& [name, palette] : {std::pair{"light", light},
                                        {"dark", palette(0x222020, 0x424245, 0x3f3f36, Qt::white, 0x808080)},
                                        {"black", palette(Qt::black, Qt::black, Qt::black, Qt::white, 0xa0a0a0)},
                                        {"white", palette(Qt::white, Qt::white, Qt::white, Qt::black, 0x606060)}}) {
      QApplication::setPalette(palette);
      platform::SystemColors::usePalette();
      current = QLatin1String(name);
      check();
    }
    QApplication::setPalette(light);
    platform::SystemColors::installClassicTable();
    EXPECT_TRUE(shortfalls.isEmpty()) << shortfalls.join('\n').toStdString();
  }
  void expect(const QString& what, double contrast, double minimum) {
    if (contrast < minimum)
      shortfalls << QStringLiteral("%1 palette / %2: %3").arg(current, what).arg(contrast, 0, 'f', 2);
  }
  // Labels, buttons and lists with and without their text (`toggle` takes
  // it away and brings it back); frame captions on their back colour.
  void expectWindow(platform::Form& window, double minimum) {
    const auto withAndWithout = [&](QWidget* control, auto toggle) {
      const QRect at(control->mapTo(&window, QPoint()), control->size());
      const QImage with = window.grab(at).toImage();
      toggle();
      expect(window.Caption() + ": " + window.ambientDisplayName(control), ofText(with, window.grab(at).toImage()),
             minimum);
      toggle();
    };
    for (auto* label : window.findChildren<platform::Label*>())
      withAndWithout(label, [=] { label->setVisible(!label->isVisible()); });
    for (auto* button : window.findChildren<vexabutton*>())
      withAndWithout(button, [=, caption = button->Caption()] {
        button->setCaption(button->Caption().isEmpty() ? caption : QString());
      });
    for (auto* list : window.findChildren<platform::ComboBox*>())
      list->setListIndex(0), withAndWithout(list, [=] { list->setListIndex(-1 - list->ListIndex()); });
    for (auto* frame : window.findChildren<platform::Frame*>()) {
      const QImage drawn = frame->grab().toImage();
      const QRect caption(8, 0, frame->fontMetrics().horizontalAdvance(frame->Caption()),
                          frame->fontMetrics().height());
      expect(window.Caption() + ": " + window.ambientDisplayName(frame), onFace(drawn, caption, drawn.pixel(7, 1)),
             minimum);
    }
  }
  QString current;
  QStringList shortfalls;
};

// Normal, hot, down and disabled, with a loaded button's colours (as the
// program's and the style plugin's have them); look 14 is System unthemed.
TEST_F(Contrast, EveryLookReadsInEveryState) {
  underEachPalette([&] {
    for (int look = 0; look <= 14; ++look) {
      vexabutton button;
      inputtest::load(button);
      button.setButtonStyle(std::min(look, 13));
      vexa::ButtonPaint paint = vexa::describe(recordOf(button));
      paint.visualStylesActive = look == 13;
      platform::Surface surface(96, 28);
      surface.setFont(surfaceOf(button).font());
      const auto drawn = [&](const char* caption) {
        paint.Caption = QLatin1String(caption);
        vexa::Redraw(paint, surface);
        return surface.image().copy();
      };
      const QString name = look == 14 ? "System without a theme" : QMetaEnum::fromType<vexabutton::Style>().key(look);
      const char* const states[] = {"normal", "hot", "down", "disabled"};
      for (int state = 0; state < 4; ++state) {
        // Silver's white caption on its pale pressed face is the look's own pair.
        if (look == 6 && state == 2)
          continue;
        paint.state = state % 3;
        paint.Enabled = state < 3;
        const QImage with = drawn("Dugme");
        expect(name + " " + states[state], ofText(with, drawn("")), state < 3 ? 4.5 : 3);
      }
    }
  });
}

// A loaded button's tip on the system's colours and on a designer's back
// colour; the program's windows, the main one also paused.
TEST_F(Contrast, TheControlsTooltipAndTheProgramsWindowsRead) {
  underEachPalette([&] {
    for (qint32 back : {0, 0xE1FFFF}) {
      QWidget window;
      window.setGeometry(50, 50, 200, 100);
      auto* button = new vexabutton(&window);
      button->setGeometry(10, 10, 80, 30);
      inputtest::load(*button);
      button->setToolTip(QStringLiteral("Proveri odgovore"));
      if (back != 0)
        button->setTooltipBackColor(back);
      window.show();
      inputtest::pointTo(button, {20, 15});
      auto* tip = button->findChild<platform::TooltipWindow*>();
      expect(QStringLiteral("tooltip on %1").arg(back),
             tip ? onFace(tip->grab().toImage(), tip->tipLayout().text, tip->backColor()) : 0, 4.5);
      inputtest::pointTo(&window, {150, 80});
    }
    for (platform::Form* form : std::initializer_list<platform::Form*>{new Form2(nullptr), new Form3(nullptr)}) {
      form->Show();
      expectWindow(*form, 4.5);
      delete form;
    }
    Form1 main;
    main.Show();
    expectWindow(main, 4.5);
    main.setEnabled(false);
    expectWindow(main, 3);
  });
}

} // namespace
