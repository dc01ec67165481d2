// SPDX-License-Identifier: MIT
// The work scripts/memcheck.sh runs under valgrind: repaints of every style
// in every look, tooltip and menu cycles, and openings of both information
// windows from the main window, then an orderly end, so that whatever is
// still allocated at exit is a leak.
//
//   memcheck_driver [REPAINTS_PER_STYLE] [WINDOW_OPENINGS]   (10000 and 100)
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "button/model/vexabutton_p.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Picture.h"
#include "platform/SystemColors.h"
#include "platform/TooltipWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void flushDeletes() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int argument(int argc, char** argv, int index, int fallback) {
  return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

// Every style, each repaint in the next of six looks, with a caption, a
// picture with its effects and a drop-down symbol.
void repaintEveryStyle(int repaints) {
  QImage art(16, 16, QImage::Format_ARGB32);
  art.fill(qRgba(20, 90, 200, 200));
  const auto picture = platform::Picture::fromImage(art);
  vexabutton button;
  button.resize(121, 33);
  button.ReadProperties(platform::PropertyBag{});
  button.setCaption(QStringLiteral("&Dugme"));
  button.setPictureNormal(picture);
  button.setPictureShadow(true);
  button.setDropDownSymbol(6);
  for (qint32 style = 0; style < 14; ++style) {
    button.setButtonStyle(style);
    ButtonRecord& rec = recordOf(button);
    for (int i = 0; i < repaints; ++i) {
      rec.ButtonState = i % 3;
      rec.HasFocus = i % 2 == 0;
      rec.Mode = i % 6 < 3 ? 0 : 1;
      rec.Value = i % 4 == 0;
      redrawNow(button);
    }
  }
}

// The pointer rests on a button until its tip shows, then leaves; a press
// opens its menu, which is closed from inside its modal loop.
void tooltipAndMenuCycles(int cycles) {
  QWidget window;
  window.setGeometry(50, 50, 300, 120);
  auto* button = new vexabutton(&window);
  button->setGeometry(20, 20, 120, 30);
  button->ReadProperties(platform::PropertyBag{});
  button->setToolTip(QStringLiteral("Savet"));
  button->setTooltipTitle(QStringLiteral("Naslov"));
  button->setToolTipIcon(1);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window))
    std::fprintf(stderr, "memcheck: the window was never exposed\n");
  for (int i = 0; i < cycles; ++i) {
    button->setToolTipType(i % 2);
    QCursor::setPos(window.mapToGlobal(QPoint(60, 35)));
    QTest::qWait(platform::TooltipWindow::InitialDelay + 100);
    QCursor::setPos(window.mapToGlobal(QPoint(250, 100)));
    QTest::qWait(10);
  }
  QMenu menu;
  menu.addAction(QStringLiteral("Prva"));
  menu.addAction(QStringLiteral("Druga"));
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu] { QTimer::singleShot(0, &menu, &QMenu::close); });
  button->SetPopupMenu(&menu, 0);
  for (int i = 0; i < cycles; ++i) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(60, 15));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(250, 100));
  }
  button->UnsetPopupMenu();
}

// Each information window opened from the main window and closed again.
void openInformationWindows(int openings) {
  // The pause message each opening shows is modal: it is recorded instead.
  platform::MsgBoxRecorder boxes;
  auto* form = new Form1;
  form->Show();
  form->Timer1->setInterval(24 * 3600 * 1000);
  for (int i = 0; i < openings; ++i) {
    QTest::mouseClick(form->vexabutton2, Qt::LeftButton, {}, form->vexabutton2->rect().center());
    if (form->form2)
      form->form2->Unload();
    flushDeletes();
    QTest::mouseClick(form->vexabutton3, Qt::LeftButton, {}, form->vexabutton3->rect().center());
    if (form->form3)
      form->form3->Unload();
    flushDeletes();
  }
  delete form;
  flushDeletes();
}

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::registerProgramFonts();
  platform::SystemColors::installClassicTable();
  const int repaints = argument(argc, argv, 1, 10000);
  const int openings = argument(argc, argv, 2, 100);
  repaintEveryStyle(repaints);
  std::printf("memcheck: %d repaints of each of 14 styles\n", repaints);
  tooltipAndMenuCycles(20);
  std::printf("memcheck: 20 tooltip cycles, 20 menu cycles\n");
  openInformationWindows(openings);
  std::printf("memcheck: %d openings of each information window\n", openings);
  flushDeletes();
  return 0;
}
