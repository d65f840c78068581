// registry_standin.cpp: a registry for systems that have none, which knows
// where a system-information program lies and nothing else.
#include "registry_standin.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <utility>

namespace {

constexpr RegKey kMsinfoKey = 1;
constexpr const char* kMsinfoKeyName = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kMsinfoValueName = "PATH";

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

StandInRegistry::StandInRegistry() : StandInRegistry(WellKnownPrograms()) {}

StandInRegistry::StandInRegistry(std::vector<std::string> candidates) : candidates_(std::move(candidates)) {}

const std::vector<std::string>& StandInRegistry::WellKnownPrograms() {
  static const std::vector<std::string> programs = {
      "/usr/bin/gnome-system-monitor",  // GNOME, Cinnamon, Budgie
      "/usr/bin/plasma-systemmonitor",  // KDE Plasma 5.21 and later
      "/usr/bin/ksysguard",             // older KDE Plasma
      "/usr/bin/xfce4-taskmanager",     // Xfce
      "/usr/bin/mate-system-monitor",   // MATE
      "/usr/bin/lxtask",                // LXDE
      "/usr/bin/hardinfo",              // hardware information, any desktop
  };
  return programs;
}

std::string StandInRegistry::FindProgram() const {
  for (const std::string& path : candidates_) {
    if (IsExecutableFile(path)) return path;
  }
  return {};
}

long StandInRegistry::OpenKey(RegRoot root, const std::string& keyName, std::uint32_t, std::uint32_t,
                              RegKey& key) {
  key = 0;
  if (root != kHKeyLocalMachine || keyName != kMsinfoKeyName) return kRegNotFound;
  key = kMsinfoKey;
  return kRegOk;
}

long StandInRegistry::QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, char* buffer,
                                 std::uint32_t& size) {
  if (key != kMsinfoKey) return kRegBadHandle;
  if (valueName != kMsinfoValueName) return kRegNotFound;
  // Looked up at each read, so a program installed while the game runs is
  // found by the next press of the button.
  const std::string path = FindProgram();
  if (path.empty()) return kRegNotFound;
  const std::uint32_t needed = static_cast<std::uint32_t>(path.size() + 1);
  if (needed > size) return kRegMoreData;
  std::memcpy(buffer, path.c_str(), needed);
  type = kRegSz;
  size = needed;
  return kRegOk;
}

long StandInRegistry::CloseKey(RegKey key) { return key == kMsinfoKey ? kRegOk : kRegBadHandle; }

std::unique_ptr<Registry> MakePlatformRegistry() { return std::make_unique<StandInRegistry>(); }
