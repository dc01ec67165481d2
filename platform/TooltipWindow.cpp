// SPDX-License-Identifier: MIT
#include "platform/TooltipWindow.h"

#include "platform/Pointer.h"
#include "platform/SystemColors.h"

#include <QApplication>
#include <QBitmap>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>

namespace platform {

namespace {

// System colours of the tip (standard indices).
constexpr int WindowFrameColour = 6;
constexpr int InfoTextColour = 23;

// Geometry, in pixels.
constexpr int Border = 1;
constexpr int RectPadding = 3;    // inside the border of a rectangular tip
constexpr int BalloonPadding = 8; // inside the border of a balloon
constexpr int BalloonRadius = 7;
constexpr int StemHeight = 14;
constexpr int StemWidth = 12;
constexpr int StemInset = 16;       // from the body's near edge to the stem's tip
constexpr int IconSize = 16;        // the small message icon
constexpr int IconGap = 8;          // icon to title
constexpr int TitleGap = 8;         // title line to text
constexpr int Shadow = 4;           // the shadow's reach to the right and below
constexpr QPoint RectOffset{2, 20}; // a rectangular tip hangs below the pointer

const int textFlags = Qt::TextWordWrap | Qt::TextExpandTabs;

QColor colourOf(qint32 rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

bool hasIcon(const TooltipContent& content) {
  return !content.title.isEmpty() && content.icon >= 1 && content.icon <= 3;
}

QFont boldOf(QFont font) {
  font.setBold(true);
  return font;
}

// When the last tip of ours went away: moving on to another tool soon after
// shows its tip after the shorter reshow delay.
QElapsedTimer& lastTipHidden() {
  static QElapsedTimer timer;
  return timer;
}

QPainterPath shapeOf(const TooltipContent& content, const TooltipLayout& layout) {
  QPainterPath path;
  if (content.balloon) {
    path.addRoundedRect(QRectF(layout.body).adjusted(0.5, 0.5, -0.5, -0.5), BalloonRadius, BalloonRadius);
    QPainterPath stem;
    stem.addPolygon(QPolygonF(layout.stem));
    stem.closeSubpath();
    path = path.united(stem);
  } else {
    path.addRect(QRectF(layout.body).adjusted(0.5, 0.5, -0.5, -0.5));
  }
  return path;
}

} // namespace

QFont TooltipWindow::tipFont() { return QApplication::font("QTipLabel"); }

TooltipLayout TooltipWindow::layoutFor(const TooltipContent& content, const QFont& font, bool stemBelow, int stemX) {
  TooltipLayout layout;
  const QFontMetrics metrics(font);
  const QFontMetrics boldMetrics(boldOf(font));
  const bool icon = hasIcon(content);
  const bool title = !content.title.isEmpty();

  // Title line: [icon] gap title, or its mirror image.
  const int titleWidth = title ? boldMetrics.horizontalAdvance(content.title) : 0;
  const int titleLineWidth = (icon ? IconSize + IconGap : 0) + titleWidth;
  const int titleLineHeight = title ? qMax(icon ? IconSize : 0, boldMetrics.height()) : 0;
  // Text wrapped at the maximum width; line breaks start new lines.
  const QRect measured = content.text.isEmpty()
                             ? QRect()
                             : metrics.boundingRect(QRect(0, 0, MaxTextWidth, 1 << 20), textFlags, content.text);

  const int padding = Border + (content.balloon ? BalloonPadding : RectPadding);
  const int contentWidth = qMax(titleLineWidth, measured.width());
  const int contentHeight = (title ? titleLineHeight + TitleGap : 0) + measured.height();
  const int bodyTop = content.balloon && !stemBelow ? StemHeight : 0;
  layout.body = QRect(0, bodyTop, contentWidth + 2 * padding, contentHeight + 2 * padding);
  const int left = layout.body.left() + padding;
  const int right = left + contentWidth; // exclusive
  int y = layout.body.top() + padding;

  if (title) {
    const int titleY = y + (titleLineHeight - boldMetrics.height()) / 2;
    if (icon) {
      const int iconX = content.rightToLeft ? right - IconSize : left;
      layout.icon = QRect(iconX, y + (titleLineHeight - IconSize) / 2, IconSize, IconSize);
    }
    const int titleX = content.rightToLeft ? right - titleLineWidth : left + (icon ? IconSize + IconGap : 0);
    layout.title = QRect(titleX, titleY, titleWidth, boldMetrics.height());
    y += titleLineHeight + TitleGap;
  }
  const int textX = content.rightToLeft ? right - measured.width() : left;
  layout.text = QRect(textX, y, measured.width(), measured.height());

  int height = layout.body.bottom() + 1 + Shadow;
  if (content.balloon) {
    // The stem leaves the body on its straight part and ends at stemX.
    const int lowest = layout.body.left() + BalloonRadius;
    const int highest = layout.body.right() + 1 - BalloonRadius - StemWidth;
    const int base = qBound(lowest, content.rightToLeft ? stemX - StemWidth : stemX, qMax(lowest, highest));
    const int edge = stemBelow ? layout.body.bottom() : layout.body.top();
    const int tipY = stemBelow ? edge + StemHeight : 0;
    layout.stem = QPolygon({QPoint(base, edge), QPoint(base + StemWidth, edge), QPoint(stemX, tipY)});
    // A stem below ends the window: nothing of it may lie under the pointer.
    if (stemBelow)
      height = tipY + 1;
  }
  layout.windowSize = QSize(qMax(layout.body.right() + 1, stemX + 1) + Shadow, height);
  return layout;
}

TooltipWindow::TooltipWindow(QWidget* tool, const TooltipContent& content, std::optional<QPoint> pointer)
    : QWidget(tool,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      tool_(tool), content_(content), font_(tipFont()), pointer_(pointer) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setLayoutDirection(content.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  const qint32 back = translateOleColor(content.backColor);
  back_ = colourOf(back >= 0 ? back : SystemColors::get(SystemColors::InfoBackground));
  layout_ = layoutFor(content_, font_, false, StemInset);
  resize(layout_.windowSize);

  delay_.setSingleShot(true);
  delay_.setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
  autoPop_.setSingleShot(true);
  autoPop_.setTimerType(Qt::PreciseTimer);
  connect(&delay_, &QTimer::timeout, this, &TooltipWindow::popUp);
  connect(&autoPop_, &QTimer::timeout, this, [this] { popDown(false); });
  if (tool) {
    tool->installEventFilter(this);
    if (pointer_)
      arm();
  }
}

TooltipWindow::TooltipWindow(const TooltipContent& content, QPoint pointer) : TooltipWindow(nullptr, content) {
  toolTells_ = true;
  pointer_ = pointer;
  arm();
}

void TooltipWindow::pointerMoved(QPoint pointer) {
  pointer_ = pointer;
  arm();
}

void TooltipWindow::toolPressed() {
  popDown(false);
  shownThisVisit_ = true; // quiet until the pointer leaves
}

TooltipWindow::~TooltipWindow() {
  if (isVisible())
    lastTipHidden().start();
}

void TooltipWindow::arm() {
  if (shownThisVisit_ || isVisible() || delay_.isActive() || content_.text.isEmpty() || !hasTool() ||
      (tool_ && !tool_->isEnabled()) || QGuiApplication::mouseButtons() != Qt::NoButton)
    return;
  const bool recent = lastTipHidden().isValid() && lastTipHidden().elapsed() < InitialDelay;
  delay_.start(recent ? Reshow : InitialDelay);
}

void TooltipWindow::popUp() {
  if (!hasTool() || !pointer_)
    return;
  shownThisVisit_ = true;
  place(*pointer_);
  show();
  raise();
  autoPop_.start(AutoPop);
}

void TooltipWindow::pointerLeft() {
  pointer_.reset();
  popDown(true);
}

void TooltipWindow::popDown(bool byLeave) {
  delay_.stop();
  autoPop_.stop();
  if (isVisible()) {
    hide();
    lastTipHidden().start();
  }
  if (byLeave)
    shownThisVisit_ = false;
}

// Puts the tip next to the pointer, inside the screen's available area: a
// rectangle below the pointer (above it near the bottom edge), a balloon
// above the pointer with its stem pointing at it (below it when there is no
// room above). The tip never covers the pointer itself, which would take the
// pointer from the tool.
void TooltipWindow::place(QPoint pointer) {
  QScreen* screen = QGuiApplication::screenAt(pointer);
  if (!screen)
    screen = tool_ ? tool_->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(pointer - QPoint(2000, 2000), QSize(4000, 4000));

  QPoint at;
  if (content_.balloon) {
    const TooltipLayout probe = layoutFor(content_, font_, true, StemInset);
    const int bodyWidth = probe.body.width();
    const bool stemBelow = pointer.y() - probe.windowSize.height() >= area.top();
    int x = content_.rightToLeft ? pointer.x() - (bodyWidth - StemInset) : pointer.x() - StemInset;
    x = qMax(area.left(), qMin(x, area.right() + 1 - bodyWidth));
    layout_ = layoutFor(content_, font_, stemBelow, pointer.x() - x);
    // The stem's tip just above or just below the pointer.
    at = QPoint(x, stemBelow ? pointer.y() - 1 - layout_.stem.last().y() : pointer.y() + 1);
  } else {
    layout_ = layoutFor(content_, font_, false, 0);
    const QSize size = layout_.body.size();
    at = pointer + RectOffset;
    if (at.y() + size.height() > area.bottom() + 1)
      at.setY(pointer.y() - layout_.windowSize.height() - 1);
    at.setX(qMax(area.left(), qMin(at.x(), area.right() + 1 - size.width())));
    at.setY(qMax(area.top(), at.y()));
  }
  resize(layout_.windowSize);
  move(at);

  // The shadow darkens what lies under the tip; where the screen cannot be
  // read, the tip goes without a shadow.
  backdrop_ = screen ? screen->grabWindow(0, at.x() - screen->geometry().x(), at.y() - screen->geometry().y(),
                                          layout_.windowSize.width(), layout_.windowSize.height())
                     : QPixmap();
  if (backdrop_.size() != layout_.windowSize)
    backdrop_ = QPixmap();
  if (backdrop_.isNull()) {
    QBitmap shape(layout_.windowSize);
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::color1);
    painter.setBrush(Qt::color1);
    painter.drawPath(shapeOf(content_, layout_));
    painter.end();
    setMask(shape);
  } else {
    clearMask();
  }
}

bool TooltipWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != tool_)
    return false;
  switch (event->type()) {
  case QEvent::Enter:
  case QEvent::MouseMove:
    if (const auto* at = dynamic_cast<const QSinglePointEvent*>(event)) {
      // A capture (the space bar's, a press) brings the tool the moves of a
      // pointer that is elsewhere: those arm nothing, and a tip that waits
      // or shows goes, so none comes up later away from its tool.
      if (!isOnWidget(tool_, at->position().toPoint())) {
        pointer_.reset();
        popDown(false);
        break;
      }
      pointer_ = at->globalPosition().toPoint();
    }
    arm();
    break;
  case QEvent::Leave:
  case QEvent::Hide:
    pointer_.reset();
    popDown(true);
    break;
  case QEvent::EnabledChange:
    if (!tool_->isEnabled())
      popDown(true);
    break;
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonDblClick:
  case QEvent::Wheel:
    toolPressed();
    break;
  default:
    break;
  }
  return false;
}

void TooltipWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPainterPath shape = shapeOf(content_, layout_);
  if (!backdrop_.isNull()) {
    // Backdrop and a soft shadow: the shape shifted down and right, layered.
    painter.drawPixmap(0, 0, backdrop_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 28));
    for (int offset = 1; offset <= Shadow; ++offset)
      painter.drawPath(shape.translated(offset, offset));
  }
  // Body and frame
  painter.setBrush(back_);
  painter.setPen(colourOf(SystemColors::get(WindowFrameColour)));
  painter.drawPath(shape);
  painter.setRenderHint(QPainter::Antialiasing, false);

  // Icon and title
  // The tooltip's text colour, from where its back colour comes from.
  const QColor ink =
      colourOf(translateOleColor(qint32(0x80000000u | InfoTextColour), SystemColors::sourceOf(content_.backColor)));
  if (!layout_.icon.isEmpty()) {
    static constexpr QStyle::StandardPixmap icons[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                                       QStyle::SP_MessageBoxCritical};
    const QIcon icon = style()->standardIcon(icons[content_.icon - 1], nullptr, this);
    painter.drawPixmap(layout_.icon, icon.pixmap(layout_.icon.size(), devicePixelRatioF()));
  }
  painter.setPen(ink);
  if (!layout_.title.isEmpty()) {
    painter.setFont(boldOf(font_));
    painter.drawText(layout_.title, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, content_.title);
  }
  // Text, wrapped as it was measured
  painter.setFont(font_);
  const QRect wrap = content_.rightToLeft ? QRect(layout_.text.right() + 1 - MaxTextWidth, layout_.text.top(),
                                                  MaxTextWidth, layout_.text.height())
                                          : QRect(layout_.text.topLeft(), QSize(MaxTextWidth, layout_.text.height()));
  painter.setLayoutDirection(layoutDirection());
  painter.drawText(wrap, textFlags | (content_.rightToLeft ? Qt::AlignRight : Qt::AlignLeft), content_.text);
}

} // namespace platform
