// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QPolygon>
#include <QTimer>
#include <QWidget>

namespace platform {

// What one tip shows.
struct TooltipContent {
  QString text;  // empty: the tip never shows
  QString title; // empty: no title line (and no icon)
  int icon = 0;  // beside the title: 1 information, 2 warning, 3 error; any other value none
  bool balloon = false;
  // 0x00BBGGRR, or 0x800000nn for system colour nn; -1 for the platform's
  // tooltip background. The text takes the same source's colour.
  qint32 backColor = -1;
  bool rightToLeft = false;
};

// Where the parts of a tip lie, in the tip window's own coordinates.
struct TooltipLayout {
  QSize windowSize; // body, stem and shadow
  QRect body;       // the rectangle, or the balloon's rounded body
  QPolygon stem;    // the balloon's stem, its last point the tip; empty for a rectangle
  QRect icon;       // empty without an icon
  QRect title;      // empty without a title
  QRect text;
};

// The platform's tooltip for one tool widget: our own Qt::ToolTip window,
// drawn by us. It belongs to the tool (deleted with it) and shows and hides
// itself by watching the tool's events: it shows after the initial delay
// while the pointer rests on the tool, hides again after the auto-pop time,
// when the pointer leaves, a mouse button is pressed or the tool is hidden or
// disabled, and then shows again only after the pointer has left and come
// back. Keyboard focus never shows it. The drop shadow is drawn in the tip's
// own window, so no other tooltip of the application changes.
class TooltipWindow : public QWidget {
  Q_OBJECT
public:
  // The platform's timings, in milliseconds, and the widest a line of text gets.
  static constexpr int InitialDelay = 500;
  static constexpr int AutoPop = 5000;
  static constexpr int Reshow = 100;
  static constexpr int MaxTextWidth = 240;

  // A tip for `tool`. `pointer` is the global position of the pointer on
  // the tool when the tool makes its tip while the pointer rests on it (the
  // initial delay starts at once); after that the tip follows the pointer
  // from the tool's own events.
  TooltipWindow(QWidget* tool, const TooltipContent& content, std::optional<QPoint> pointer = std::nullopt);
  // A tip for a tool that is no widget (an item of a Qt Quick window), made
  // while the pointer rests on it at `pointer` (global). The tool tells the
  // tip itself of the pointer's moves over it, of a press and of the
  // pointer leaving it (pointerLeft).
  TooltipWindow(const TooltipContent& content, QPoint pointer);
  ~TooltipWindow() override;

  // The pointer moved over a tool that tells of it itself, to `pointer` (global).
  void pointerMoved(QPoint pointer);
  // A mouse button was pressed on a tool that tells of it itself.
  void toolPressed();

  // The tool knows the pointer has left it where Qt sent it no Leave (a
  // capture by another widget, a window taking the pointer): the tip goes
  // and waits for the next arrival.
  void pointerLeft();

  const TooltipContent& content() const { return content_; }
  const TooltipLayout& tipLayout() const { return layout_; }
  QColor backColor() const { return back_; }
  // The delay before the tip shows is running.
  bool isPending() const { return delay_.isActive(); }

  // The layout of `content` with `font` (the title in its bold form). The
  // stem of a balloon hangs below the body when `stemBelow`, else above it;
  // `stemX` is the tip of the stem measured from the window's left edge.
  static TooltipLayout layoutFor(const TooltipContent& content, const QFont& font, bool stemBelow, int stemX);

  // The tooltip font: the application's font for tips.
  static QFont tipFont();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void arm();
  void popUp();
  void popDown(bool byLeave);
  void place(QPoint pointer);
  bool hasTool() const { return tool_ || toolTells_; }

  QPointer<QWidget> tool_;
  TooltipContent content_;
  TooltipLayout layout_;
  QColor back_;
  QFont font_;
  QPixmap backdrop_; // the screen under the tip, for the shadow
  QTimer delay_;
  QTimer autoPop_;
  bool toolTells_ = false;        // the tool is no widget and tells the tip of the pointer itself
  bool shownThisVisit_ = false;   // shown (or cut short by a press) since the pointer came
  std::optional<QPoint> pointer_; // where the pointer is on the tool, while it is
};

} // namespace platform
