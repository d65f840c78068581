// qt_dialogs.h: the program's message and input boxes on QMessageBox and QInputDialog.
#pragma once

#include "dialogs.h"

class QtDialogs : public Dialogs {
public:
  // Both boxes are application-modal and run their own event loop, so the
  // main window's timers go on ticking while one is open. They centre on the
  // active window, or on the screen when there is none.
  MsgAnswer MsgBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
  QString InputBox(const QString& prompt, const QString& title) override;
};
