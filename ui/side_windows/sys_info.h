// sys_info.h: starts the system's information program from the about box,
// or says that there is none.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "registry.h"

class Dialogs;

// Starts a program by its path, detached and without waiting for it.
class Launcher {
public:
  virtual ~Launcher() = default;
  // program is a path (UTF-8), never a command line: blanks, quotes and
  // shell characters in it are part of the name. Answers whether it started.
  virtual bool Start(const std::string& program) = 0;
};

// What StartSysInfo needs of the system; the SideWindows that uses it keeps
// registry and launcher alive.
struct SysInfoServices {
  Registry* registry = nullptr;
  Launcher* launcher = nullptr;
  // Whether path names an ordinary file (not a folder, not hidden).
  std::function<bool(const std::string& path)> FileExists;
};

// The registry, launcher and file lookup of the machine the program runs on.
class PlatformSysInfo {
public:
  PlatformSysInfo();
  ~PlatformSysInfo();
  SysInfoServices Services();

private:
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<Launcher> launcher_;
};

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Finds the information program in the registry (its full path, or the folder
// of MSINFO32.EXE) and starts it; every failure, a failed start included,
// ends in the message kSysInfoUnavailable with the application's title.
void StartSysInfo(const SysInfoServices& services, Dialogs& dialogs);
