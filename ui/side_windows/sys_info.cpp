// sys_info.cpp: starts the system's information program from the about box,
// or says that there is none.
#include "sys_info.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <exception>
#include <optional>

#include "dialogs.h"
#include "get_key_value.h"

namespace {

class ProcessLauncher final : public Launcher {
public:
  bool Start(const std::string& program) override {
    // No arguments and no shell: the path is data, whatever it contains.
    return QProcess::startDetached(QString::fromStdString(program), QStringList{});
  }
};

bool IsOrdinaryFile(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  return info.isFile() && !info.isHidden();
}

// The two places the information program is registered.
constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kPathValue = "PATH";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kFolderValue = "MSINFO";
constexpr const char* kProgramInFolder = "\\MSINFO32.EXE";

// The path of the program, or nothing when neither place leads to one.
std::optional<std::string> FindSysInfo(const SysInfoServices& services) {
  std::string path;
  // A full path is taken as it stands; a failed start tells the rest.
  if (GetKeyValue(*services.registry, kHKeyLocalMachine, kPathKey, kPathValue, path)) return path;
  path.clear();
  if (GetKeyValue(*services.registry, kHKeyLocalMachine, kFolderKey, kFolderValue, path)) {
    path += kProgramInFolder;
    if (services.FileExists && services.FileExists(path)) return path;
  }
  return std::nullopt;
}

}  // namespace

PlatformSysInfo::PlatformSysInfo()
    : registry_(MakePlatformRegistry()), launcher_(std::make_unique<ProcessLauncher>()) {}

PlatformSysInfo::~PlatformSysInfo() = default;

SysInfoServices PlatformSysInfo::Services() { return SysInfoServices{registry_.get(), launcher_.get(), IsOrdinaryFile}; }

void StartSysInfo(const SysInfoServices& services, Dialogs& dialogs) {
  bool started = false;
  try {
    if (services.registry && services.launcher) {
      const std::optional<std::string> path = FindSysInfo(services);
      started = path && services.launcher->Start(*path);
    }
  } catch (const std::exception&) {
    // Whatever goes wrong on the way ends in the same message.
    started = false;
  }
  if (!started) {
    dialogs.MsgBox(QString::fromUtf8(kSysInfoUnavailable), QCoreApplication::applicationName(), MsgButtons::OK,
                   MsgIcon::None);
  }
}
