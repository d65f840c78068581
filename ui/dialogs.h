// dialogs.h: the modal message box and input box behind a small interface,
// so that tests can answer them from a script.
#pragma once

#include <QString>

enum class MsgButtons { OK, OKCancel, YesNo };
enum class MsgIcon { None, Error };
enum class MsgAnswer { OK, Cancel, Yes, No };

class Dialogs {
public:
  virtual ~Dialogs() = default;
  // A modal box; the first button is the default. Timers keep ticking while
  // it is open. Answers the button pressed.
  virtual MsgAnswer MsgBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) = 0;
  // A modal box with a one-line field that starts empty, OK and Cancel.
  // Answers the text on OK, "" on Cancel or when the box is closed.
  virtual QString InputBox(const QString& prompt, const QString& title) = 0;
};
