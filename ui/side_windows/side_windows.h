// side_windows.h: the history window (Form2), the victory window (Form3) and
// the about box (frmAbout), opened at most once each.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "sys_info.h"

class Dialogs;
class QWidget;

// What the side windows need of the main window.
struct SideWindowHost {
  std::function<bool()> Sound;                   // Form1's public Sound
  std::function<void(std::int16_t)> PlaySfx;     // Module1's PlaySfx
};

class SideWindows {
public:
  // The about box's "System Info" button uses the machine's registry and
  // starts programs for real.
  SideWindows(SideWindowHost host, Dialogs& dialogs);
  // The same with the registry, file lookup and launcher given; they must
  // outlive this object.
  SideWindows(SideWindowHost host, Dialogs& dialogs, SysInfoServices sysInfo);
  // Closes the history window and the about box. An open victory window
  // stays on the screen while the event loop runs and closes itself when it
  // is clicked away, so that the program can end then.
  ~SideWindows();

  // Load the window when it is closed (its load handler runs, with its
  // greeting), then show it and bring it to the front.
  void ShowForm2();
  void ShowForm3();
  void ShowAbout();

  // Close the window if it is open.
  void CloseForm2();
  void CloseAbout();

  // The open window, or nullptr; for tests.
  QWidget* Form2Window() const;
  QWidget* Form3Window() const;
  QWidget* AboutWindow() const;

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
