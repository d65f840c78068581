// side_doubles.h: a Dialogs that answers OK and keeps every box shown, and a
// launcher that records what it was asked to start.
#pragma once

#include <QString>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs.h"
#include "sys_info.h"

struct ShownBox {
  QString text;
  QString title;
  MsgButtons buttons;
  MsgIcon icon;
};

class RecordingDialogs final : public Dialogs {
public:
  std::vector<ShownBox> boxes;

  MsgAnswer MsgBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override {
    boxes.push_back({text, title, buttons, icon});
    return MsgAnswer::OK;
  }
  QString InputBox(const QString&, const QString&) override { return {}; }
};

class FakeLauncher final : public Launcher {
public:
  std::vector<std::string> started;
  bool succeeds = true;
  bool throws = false;

  bool Start(const std::string& program) override {
    started.push_back(program);
    if (throws) throw std::runtime_error("no process slots left");
    return succeeds;
  }
};
