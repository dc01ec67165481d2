// SPDX-License-Identifier: MIT
#include "StudioWindow.h"

#include "../support/ButtonImage.h"
#include "PropertyFields.h"
#include "button/model/vexabutton_p.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

namespace {

using studio::Editor;
using studio::fields;

QString colourText(qint32 colour) {
  const quint32 bits = quint32(colour);
  if ((bits & 0xFFFFFF00u) == 0x80000000u)
    return QStringLiteral("System colour %1").arg(bits & 0xFF);
  return QStringLiteral("&H%1&").arg(bits, 8, 16, QLatin1Char('0')).toUpper();
}

QString fontText(const platform::SharedFontPtr& font) {
  if (!font)
    return QString();
  QStringList parts{font->Name(), QStringLiteral("%1 pt").arg(font->Size())};
  if (font->Bold())
    parts << QStringLiteral("bold");
  if (font->Italic())
    parts << QStringLiteral("italic");
  if (font->Underline())
    parts << QStringLiteral("underline");
  if (font->Strikethrough())
    parts << QStringLiteral("strikethrough");
  return parts.join(QStringLiteral(", "));
}

// The largest side the size boxes offer and the previews show at full scale.
constexpr int PreviewSizeLimit = 400;

// The six looks side by side: the record as it is, with the run-time state
// of each look (in a running window).
struct Look {
  const char* title;
  void (*apply)(ButtonRecord&);
};
const Look Looks[] = {
    {"Normal", [](ButtonRecord&) {}},
    {"Hot",
     [](ButtonRecord& r) {
       r.ButtonState = ButtonRecord::Hot;
       r.MouseInside = true;
     }},
    {"Down",
     [](ButtonRecord& r) {
       r.ButtonState = ButtonRecord::Down;
       r.MouseInside = r.MousePressed = true;
     }},
    {"Focused", [](ButtonRecord& r) { r.HasFocus = true; }},
    {"Disabled", [](ButtonRecord& r) { r.Enabled = false; }},
    {"Checked",
     [](ButtonRecord& r) {
       if (r.Mode == 0)
         r.Mode = 1;
       r.Value = true;
     }},
};

} // namespace

StudioWindow::StudioWindow(QWidget* parent) : QMainWindow(parent) {
  auto* splitter = new QSplitter(this);
  splitter->addWidget(buildBrowser());
  auto* right = new QWidget;
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->addWidget(buildPreviews());
  rightLayout->addWidget(buildTryArea(), 1);
  splitter->addWidget(right);
  splitter->setStretchFactor(1, 1);
  setCentralWidget(splitter);
  buildMenus();
  setWindowIcon(QIcon(QPixmap::fromImage(toolsupport::buttonIcon(48, QStringLiteral("ab")))));
  resize(1040, 720);

  connect(&document_, &StudioDocument::propertyChanged, this, [this] {
    refreshEditors();
    refreshPreviews();
    rebuildTryButton();
  });
  connect(&document_, &StudioDocument::documentReset, this, [this] {
    refreshEditors();
    refreshPreviews();
    rebuildTryButton();
  });
  connect(&document_, &StudioDocument::modifiedChanged, this, &StudioWindow::refreshTitle);
  connect(&document_, &StudioDocument::filePathChanged, this, &StudioWindow::refreshTitle);
  refreshEditors();
  refreshPreviews();
  rebuildTryButton();
  refreshTitle();
}

StudioWindow::~StudioWindow() = default;

// ---- Property browser -----------------------------------------------------------

QWidget* StudioWindow::buildBrowser() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  table_ = new QTableWidget(int(fields().size()), 2);
  table_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int row = 0; row < int(fields().size()); ++row) {
    auto* name = new QTableWidgetItem(fields()[row].name);
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    name->setToolTip(vexabutton::helpString(fields()[row].name));
    table_->setItem(row, 0, name);
    table_->setCellWidget(row, 1, editorFor(row));
  }
  help_ = new QLabel;
  help_->setWordWrap(true);
  help_->setMinimumHeight(48);
  help_->setFrameShape(QFrame::StyledPanel);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0)
      help_->setText(
          QStringLiteral("<b>%1</b><br>%2").arg(fields()[row].name, vexabutton::helpString(fields()[row].name)));
  });
  layout->addWidget(table_, 1);
  layout->addWidget(help_);
  table_->setCurrentCell(0, 0);
  box->setMinimumWidth(400);
  return box;
}

// The editor of one row; it writes through the button's setter.
QWidget* StudioWindow::editorFor(int row) {
  const studio::Field& field = fields()[row];
  switch (field.editor) {
  case Editor::Choice: {
    auto* combo = new QComboBox;
    for (int i = 0; i < field.choices.keyCount(); ++i)
      combo->addItem(QStringLiteral("%1 - %2").arg(field.choices.value(i)).arg(QLatin1String(field.choices.key(i))),
                     field.choices.value(i));
    connect(combo, &QComboBox::activated, this, [this, row, combo](int index) { edit(row, combo->itemData(index)); });
    return combo;
  }
  case Editor::Boolean: {
    auto* check = new QCheckBox;
    connect(check, &QCheckBox::toggled, this, [this, row](bool on) { edit(row, on); });
    return check;
  }
  case Editor::Number: {
    auto* spin = new QSpinBox;
    spin->setRange(field.minimum, field.maximum);
    spin->setKeyboardTracking(false);
    connect(spin, &QSpinBox::valueChanged, this, [this, row](int value) { edit(row, value); });
    return spin;
  }
  case Editor::Text: {
    auto* line = new QLineEdit;
    // editingFinished comes again when the field loses the focus: an entered
    // value written once more would rebuild the try button under the press
    // that took the focus away, and that press would be lost.
    connect(line, &QLineEdit::editingFinished, this, [this, row, line] {
      if (line->text() != fields()[row].read(document_.button()).toString())
        edit(row, line->text());
    });
    return line;
  }
  case Editor::Colour: {
    auto* button = new QPushButton;
    connect(button, &QPushButton::clicked, this, [this, row] {
      const qint32 current = fields()[row].read(document_.button()).toInt();
      const QColor colour = QColorDialog::getColor(vexabutton::toColor(current), this, fields()[row].name);
      if (colour.isValid())
        edit(row, colour.red() | (colour.green() << 8) | (colour.blue() << 16));
    });
    return button;
  }
  case Editor::Font: {
    auto* button = new QPushButton;
    connect(button, &QPushButton::clicked, this, [this, row] {
      const platform::SharedFontPtr current = document_.button().Font();
      bool ok = false;
      const QFont chosen = QFontDialog::getFont(&ok, document_.button().font(), this, tr("Font"));
      if (!ok)
        return;
      auto font = current ? current->clone() : std::make_shared<platform::SharedFont>();
      font->setName(chosen.family());
      font->setSize(chosen.pointSizeF());
      font->setWeight(chosen.weight());
      font->setItalic(chosen.italic());
      font->setUnderline(chosen.underline());
      font->setStrikethrough(chosen.strikeOut());
      edit(row, QVariant::fromValue(platform::SharedFontPtr(font)));
    });
    return button;
  }
  case Editor::Picture: {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* thumbnail = new QLabel;
    thumbnail->setObjectName(QStringLiteral("thumbnail"));
    thumbnail->setFixedSize(24, 24);
    auto* load = new QPushButton(tr("From file..."));
    auto* clear = new QPushButton(tr("None"));
    layout->addWidget(thumbnail);
    layout->addWidget(load, 1);
    layout->addWidget(clear);
    connect(load, &QPushButton::clicked, this, [this, row] {
      const QString path = QFileDialog::getOpenFileName(this, fields()[row].name, QString(),
                                                        tr("Pictures (*.png *.bmp *.ico *.jpg *.jpeg *.gif)"));
      if (path.isEmpty())
        return;
      QString error;
      const platform::PicturePtr picture = platform::Picture::load(path, &error);
      if (!picture)
        return showError(error);
      edit(row, QVariant::fromValue(picture));
    });
    connect(clear, &QPushButton::clicked, this,
            [this, row] { edit(row, QVariant::fromValue(platform::PicturePtr())); });
    return box;
  }
  }
  return new QWidget;
}

void StudioWindow::edit(int row, const QVariant& value) {
  if (refreshing_)
    return;
  QString error;
  if (!fields()[row].write(document_.button(), value, &error)) {
    showError(error);
    refreshEditors();
  }
}

// Every editor shows the button's value again (a setter may change others).
void StudioWindow::refreshEditors() {
  refreshing_ = true;
  const vexabutton& button = document_.button();
  for (int row = 0; row < int(fields().size()); ++row) {
    const studio::Field& field = fields()[row];
    const QVariant value = field.read(button);
    QWidget* editor = table_->cellWidget(row, 1);
    switch (field.editor) {
    case Editor::Choice: {
      auto* combo = static_cast<QComboBox*>(editor);
      int index = combo->findData(value.toInt());
      if (index < 0) { // a value without a name
        combo->addItem(QString::number(value.toInt()), value.toInt());
        index = combo->count() - 1;
      }
      combo->setCurrentIndex(index);
      break;
    }
    case Editor::Boolean:
      static_cast<QCheckBox*>(editor)->setChecked(value.toBool());
      break;
    case Editor::Number:
      static_cast<QSpinBox*>(editor)->setValue(value.toInt());
      break;
    case Editor::Text:
      static_cast<QLineEdit*>(editor)->setText(value.toString());
      break;
    case Editor::Colour: {
      auto* button = static_cast<QPushButton*>(editor);
      QPixmap swatch(16, 16);
      swatch.fill(vexabutton::toColor(value.toInt()));
      button->setIcon(QIcon(swatch));
      button->setText(colourText(value.toInt()).replace(QLatin1Char('&'), QLatin1String("&&")));
      break;
    }
    case Editor::Font:
      static_cast<QPushButton*>(editor)->setText(fontText(value.value<platform::SharedFontPtr>()));
      break;
    case Editor::Picture: {
      const auto picture = value.value<platform::PicturePtr>();
      auto* thumbnail = editor->findChild<QLabel*>(QStringLiteral("thumbnail"));
      if (picture && !picture->isEmpty())
        thumbnail->setPixmap(QPixmap::fromImage(picture->image).scaled(24, 24, Qt::KeepAspectRatio));
      else
        thumbnail->clear();
      thumbnail->setToolTip(picture ? tr("%1 x %2 pixels").arg(picture->image.width()).arg(picture->image.height())
                                    : tr("none"));
      break;
    }
    }
  }
  refreshing_ = false;
}

// ---- Previews --------------------------------------------------------------------

QWidget* StudioWindow::buildPreviews() {
  auto* box = new QGroupBox(tr("Looks"));
  auto* grid = new QGridLayout(box);
  int column = 0;
  for (const Look& look : Looks) {
    auto* picture = new QLabel;
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(60, 40);
    auto* title = new QLabel(tr(look.title));
    title->setAlignment(Qt::AlignCenter);
    // Three looks to a row, each with its title under it.
    const int row = 2 * (column / 3);
    grid->addWidget(picture, row, column % 3);
    grid->addWidget(title, row + 1, column % 3);
    previews_ << picture;
    ++column;
  }
  auto* sizeRow = new QHBoxLayout;
  auto* width = new QSpinBox;
  auto* height = new QSpinBox;
  for (QSpinBox* spin : {width, height}) {
    spin->setRange(vexabutton::MinimumSizePixels, PreviewSizeLimit);
    spin->setSuffix(tr(" px"));
    spin->setKeyboardTracking(false);
  }
  sizeRow->addWidget(new QLabel(tr("Width")));
  sizeRow->addWidget(width);
  sizeRow->addWidget(new QLabel(tr("Height")));
  sizeRow->addWidget(height);
  sizeRow->addStretch(1);
  grid->addLayout(sizeRow, 4, 0, 1, 3);
  const auto showSize = [this, width, height] {
    const QSignalBlocker a(width), b(height);
    width->setValue(document_.button().width());
    height->setValue(document_.button().height());
  };
  showSize();
  connect(&document_, &StudioDocument::documentReset, this, showSize);
  const auto resize = [this, width, height] { document_.setButtonSize(QSize(width->value(), height->value())); };
  connect(width, &QSpinBox::valueChanged, this, resize);
  connect(height, &QSpinBox::valueChanged, this, resize);
  return box;
}

void StudioWindow::refreshPreviews() {
  const vexabutton& button = document_.button();
  // A preset may be far larger than the size box offers; its six looks are
  // then shown scaled down to that size, each rendered and dropped in turn,
  // so a large button costs one full-size picture at a time, not six.
  const QSize shown = button.size().boundedTo(QSize(PreviewSizeLimit, PreviewSizeLimit));
  const QSize fitted = button.size().scaled(shown, Qt::KeepAspectRatio);
  for (int i = 0; i < previews_.size(); ++i) {
    ButtonRecord record = recordOf(button);
    record.UserMode = true;
    record.ParentActive = true;
    Looks[i].apply(record);
    QImage look = toolsupport::renderButton(record, button.width(), button.height());
    if (look.size() != fitted)
      look = look.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    previews_[i]->setPixmap(QPixmap::fromImage(std::move(look)));
    previews_[i]->setMinimumSize(fitted + QSize(8, 8));
  }
}

// ---- Try it ----------------------------------------------------------------------

QWidget* StudioWindow::buildTryArea() {
  auto* box = new QGroupBox(tr("Try it"));
  auto* layout = new QVBoxLayout(box);
  tryFrame_ = new QWidget;
  tryFrame_->setMinimumHeight(90);
  layout->addWidget(tryFrame_);
  auto* options = new QHBoxLayout;
  auto* moves = new QCheckBox(tr("Log MouseMove"));
  auto* clear = new QPushButton(tr("Clear log"));
  options->addWidget(moves);
  options->addStretch(1);
  options->addWidget(clear);
  layout->addLayout(options);
  log_ = new QPlainTextEdit;
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(2000);
  log_->setFont(QFont(QStringLiteral("monospace")));
  layout->addWidget(log_, 1);
  connect(moves, &QCheckBox::toggled, this, [this](bool on) { logMoves_ = on; });
  connect(clear, &QPushButton::clicked, log_, &QPlainTextEdit::clear);
  return box;
}

// The button to try is a running copy of the document's: it is loaded from
// the document's stored properties after every change.
void StudioWindow::rebuildTryButton() {
  delete tryButton_;
  platform::PropertyBag bag;
  document_.button().WriteProperties(bag);
  auto* button = new vexabutton(tryFrame_);
  button->resize(document_.button().size());
  button->move(12, 12);
  QString error;
  if (!button->ReadProperties(bag, &error))
    logEvent(tr("(cannot load the button: %1)").arg(error));
  const auto mouse = [](const char* name, qint16 b, qint16 s, float x, float y) {
    return QStringLiteral("%1 Button=%2 Shift=%3 X=%4 Y=%5").arg(QLatin1String(name)).arg(b).arg(s).arg(x).arg(y);
  };
  connect(button, &vexabutton::Click, this, [this] { logEvent(QStringLiteral("Click")); });
  connect(button, &vexabutton::DblClick, this, [this] { logEvent(QStringLiteral("DblClick")); });
  connect(button, &vexabutton::MouseEnter, this, [this] { logEvent(QStringLiteral("MouseEnter")); });
  connect(button, &vexabutton::MouseLeave, this, [this] { logEvent(QStringLiteral("MouseLeave")); });
  connect(button, &vexabutton::MouseDown, this,
          [this, mouse](qint16 b, qint16 s, float x, float y) { logEvent(mouse("MouseDown", b, s, x, y)); });
  connect(button, &vexabutton::MouseUp, this,
          [this, mouse](qint16 b, qint16 s, float x, float y) { logEvent(mouse("MouseUp", b, s, x, y)); });
  connect(button, &vexabutton::MouseMove, this, [this, mouse](qint16 b, qint16 s, float x, float y) {
    if (logMoves_)
      logEvent(mouse("MouseMove", b, s, x, y));
  });
  connect(button, &vexabutton::KeyDown, this, [this](qint16 key, qint16 shift) {
    logEvent(QStringLiteral("KeyDown KeyCode=%1 Shift=%2").arg(key).arg(shift));
  });
  connect(button, &vexabutton::KeyUp, this, [this](qint16 key, qint16 shift) {
    logEvent(QStringLiteral("KeyUp KeyCode=%1 Shift=%2").arg(key).arg(shift));
  });
  connect(button, &vexabutton::KeyPress, this,
          [this](qint16 ascii) { logEvent(QStringLiteral("KeyPress KeyAscii=%1").arg(ascii)); });
  button->show();
  tryButton_ = button;
}

void StudioWindow::logEvent(const QString& text) {
  log_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz  ")) + text);
}

// ---- Files -----------------------------------------------------------------------

void StudioWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&New"), QKeySequence::New, this, [this] {
    if (maybeSave())
      document_.newDocument();
  });
  file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] {
    if (!maybeSave())
      return;
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open preset"), QString(), tr("Button presets (*.json);;All files (*)"));
    if (!path.isEmpty())
      openFile(path);
  });
  file->addAction(tr("&Save"), QKeySequence::Save, this, &StudioWindow::save);
  file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &StudioWindow::saveAs);
  file->addSeparator();
  file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("About the &button..."), this, [this] { document_.button().About(); });
}

bool StudioWindow::openFile(const QString& path) {
  QString error;
  if (!document_.open(path, &error)) {
    showError(error);
    return false;
  }
  return true;
}

bool StudioWindow::saveFile(const QString& path) {
  QString error;
  if (!document_.save(path, &error)) {
    showError(error);
    return false;
  }
  return true;
}

bool StudioWindow::save() { return document_.filePath().isEmpty() ? saveAs() : saveFile(document_.filePath()); }

// The dialog adds ".json" to a name without a suffix before it asks about
// replacing a file, so the question is about the file that is written. A
// dialog of the system that leaves the suffix out gets it here, and the
// question with it.
bool StudioWindow::saveAs() {
  QFileDialog dialog(this, tr("Save preset"), document_.filePath(), tr("Button presets (*.json);;All files (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("json"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return false;
  QString path = dialog.selectedFiles().constFirst();
  if (QFileInfo(path).suffix().isEmpty()) {
    path += QStringLiteral(".json");
    if (QFileInfo::exists(path) &&
        QMessageBox::question(this, tr("Save preset"),
                              tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
      return false;
  }
  return saveFile(path);
}

bool StudioWindow::maybeSave() {
  if (!document_.isModified())
    return true;
  const auto answer = QMessageBox::question(this, windowTitle(), tr("The button has changed. Save the preset?"),
                                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Save)
    return save();
  return answer == QMessageBox::Discard;
}

void StudioWindow::closeEvent(QCloseEvent* event) {
  if (maybeSave())
    event->accept();
  else
    event->ignore();
}

void StudioWindow::refreshTitle() {
  const QString name = document_.filePath().isEmpty() ? tr("Untitled") : QFileInfo(document_.filePath()).fileName();
  setWindowTitle(tr("%1[*] - vexabutton studio").arg(name));
  setWindowModified(document_.isModified());
}

void StudioWindow::showError(const QString& message) { QMessageBox::warning(this, tr("vexabutton studio"), message); }
