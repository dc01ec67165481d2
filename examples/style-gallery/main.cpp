// SPDX-License-Identifier: MIT
// The same stock dialog three times side by side, each under one look of the
// style plugin: a tool bar (a checkable tool, one with a menu), a line of
// text and the OK / Cancel / Help buttons of a QDialogButtonBox.
//
//   style-gallery [--grab FILE] [KEY KEY KEY]
//
// With --grab the gallery is saved as a PNG once shown, and the program ends.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Small tool icons drawn here: a house, a clock and a key, in the puzzle's colours.
QIcon drawnIcon(int which) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 90), 1.2));
  switch (which) {
  case 0: // house
    p.setBrush(QColor(200, 90, 60));
    p.drawPolygon(QPolygonF({QPointF(2, 8), QPointF(8, 2), QPointF(14, 8)}));
    p.setBrush(QColor(240, 220, 160));
    p.drawRect(QRectF(4, 8, 8, 6));
    break;
  case 1: // clock
    p.setBrush(QColor(250, 250, 235));
    p.drawEllipse(QRectF(2, 2, 12, 12));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9));
    break;
  default: // key
    p.setBrush(QColor(230, 190, 60));
    p.drawEllipse(QRectF(2, 5, 6, 6));
    p.drawLine(QPointF(8, 8), QPointF(14, 8));
    p.drawLine(QPointF(12, 8), QPointF(12, 11));
    break;
  }
  return QIcon(pixmap);
}

void applyStyle(QWidget* root, QStyle* style) {
  root->setStyle(style);
  for (QWidget* child : root->findChildren<QWidget*>())
    child->setStyle(style);
}

QDialog* makeDialog(const QString& key, QWidget* parent) {
  auto* dialog = new QDialog(parent);
  // Shown inside the gallery rather than as a window of its own.
  dialog->setWindowFlags(Qt::Widget);
  auto* layout = new QVBoxLayout(dialog);
  auto* bar = new QToolBar(dialog);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->addAction(drawnIcon(0), QStringLiteral("Kuće"));
  QAction* timed = bar->addAction(drawnIcon(1), QStringLiteral("Vreme"));
  timed->setCheckable(true);
  timed->setChecked(true);
  auto* menu = new QMenu(dialog);
  menu->addAction(QStringLiteral("Prikaži rešenje"));
  auto* keyButton = new QToolButton(bar);
  keyButton->setIcon(drawnIcon(2));
  keyButton->setText(QStringLiteral("Ključ"));
  keyButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  keyButton->setMenu(menu);
  keyButton->setPopupMode(QToolButton::MenuButtonPopup);
  bar->addWidget(keyButton);
  layout->addWidget(bar);
  layout->addWidget(new QLabel(QStringLiteral("Izgled: %1").arg(key), dialog));
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, dialog);
  // An icon on a push button sits where the control places a picture.
  buttons->button(QDialogButtonBox::Help)->setIcon(drawnIcon(2));
  layout->addWidget(buttons);
  return dialog;
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  QString grabFile;
  if (const qsizetype at = args.indexOf(QStringLiteral("--grab")); at >= 0 && at + 1 < args.size()) {
    grabFile = args.at(at + 1);
    args.remove(at, 2);
  }
  if (args.isEmpty())
    args = {QStringLiteral("vexa-gel"), QStringLiteral("vexa-classic"), QStringLiteral("vexa-white-gloss")};

  QWidget gallery;
  gallery.setWindowTitle(QStringLiteral("Izgledi dugmadi"));
  auto* row = new QHBoxLayout(&gallery);
  std::vector<std::unique_ptr<QStyle>> styles;
  for (const QString& key : args) {
    std::unique_ptr<QStyle> style(QStyleFactory::create(key));
    if (!style) {
      std::fprintf(stderr, "style-gallery: no style \"%s\" (is QT_PLUGIN_PATH set to the plugins folder?)\n",
                   qPrintable(key));
      return 1;
    }
    QDialog* dialog = makeDialog(key, &gallery);
    applyStyle(dialog, style.get());
    // Room for the whole tool bar in every look.
    dialog->setMinimumWidth(dialog->findChild<QToolBar*>()->sizeHint().width() + 24);
    row->addWidget(dialog);
    dialog->setVisible(true); // a dialog starts hidden, also inside another window
    styles.push_back(std::move(style));
  }
  gallery.show();
  if (!grabFile.isEmpty()) {
    QTimer::singleShot(300, &gallery, [&] {
      if (!gallery.grab().save(grabFile)) {
        std::fprintf(stderr, "style-gallery: could not write %s\n", qPrintable(grabFile));
        app.exit(1);
        return;
      }
      app.quit();
    });
  }
  const int code = app.exec();
  // The widgets go before the styles they use.
  delete row;
  for (QWidget* child : gallery.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    delete child;
  return code;
}
