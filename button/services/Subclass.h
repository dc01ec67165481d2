// SPDX-License-Identifier: MIT
#pragma once

#include "platform/EventRouter.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class vexabutton;

// The per-instance table of subclassed windows: each entry routes chosen
// messages of one window to the owning control's Subclass_WndProc.
//
// Every entry owns its own router on the window; the routers of all the
// buttons on one window share that window's single event filter, and the
// buttons may end in any order: stopping an entry unlinks only its router.
// Entries are reused once freed; the table never shrinks.
class SubclassTable {
public:
  // Bits of the `when` argument of Subclass_AddMsg.
  enum When : int { MSG_BEFORE = 1, MSG_AFTER = 2 };

  explicit SubclassTable(vexabutton* owner) : owner_(owner) {}
  ~SubclassTable();
  SubclassTable(const SubclassTable&) = delete;
  SubclassTable& operator=(const SubclassTable&) = delete;

  // Starts routing the window; returns its entry index, or -1 when the handle
  // names no window. A window already in the table keeps its entry.
  int Subclass_Start(qint32 lHwnd);
  // Adds uMsg to list 1 (when & MSG_BEFORE) and/or list 2 (when & MSG_AFTER).
  // Fails (false, *error names the window) for a window not in the table.
  bool Subclass_AddMsg(qint32 lHwnd, qint32 uMsg, int when, QString* error = nullptr);
  // Removes the window's router and frees its entry. Fails like Subclass_AddMsg.
  bool Subclass_Stop(qint32 lHwnd, QString* error = nullptr);
  // Stops every entry in use, from the last to the first.
  void Subclass_StopAll();

  // Mouse-leave tracking on a routed window: one WM_MOUSELEAVE per request.
  // False when the window is not in the table.
  bool trackMouseLeave(qint32 lHwnd);

  // For tests and diagnostics.
  int entryCount() const { return int(entries_.size()); }
  int activeCount() const;
  int indexOf(qint32 lHwnd) const;
  bool routes(qint32 lHwnd, qint32 uMsg) const;

private:
  struct Entry {
    qint32 window = 0; // 0 marks a free entry
    std::unique_ptr<platform::MessageRouter> router;
    std::vector<qint32> before; // list 1
    std::vector<qint32> after;  // list 2
  };

  static void addTo(std::vector<qint32>& list, qint32 uMsg);
  bool dispatch(int index, const platform::RoutedMessage& message);

  vexabutton* owner_;
  std::vector<Entry> entries_;
};

// True when the named platform module offers the named function.
bool IsFunctionExported(const QString& sFunction, const QString& sModule);
