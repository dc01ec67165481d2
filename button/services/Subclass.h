#pragma once

#include <QtGlobal>

class vexabutton;

// The per-instance table of subclassed windows: each entry routes chosen
// messages of one window to the owning control's Subclass_WndProc.
class SubclassTable {
public:
  explicit SubclassTable(vexabutton* owner) : owner_(owner) {}
  ~SubclassTable();

private:
  vexabutton* owner_;
};
