// registry_standin.h: a registry for systems that have none, which knows
// where a system-information program lies and nothing else.
#pragma once

#include <string>
#include <vector>

#include "registry.h"

// Answers ("SOFTWARE\Microsoft\Shared Tools\MSINFO", "PATH") below
// HKEY_LOCAL_MACHINE with the first of its candidates that is an executable
// file, as a text with its terminating zero; every other lookup fails, as
// does that one when no candidate is there.
class StandInRegistry final : public Registry {
public:
  StandInRegistry();  // the well-known places below
  explicit StandInRegistry(std::vector<std::string> candidates);

  long OpenKey(RegRoot root, const std::string& keyName, std::uint32_t options, std::uint32_t access,
               RegKey& key) override;
  long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, char* buffer,
                  std::uint32_t& size) override;
  long CloseKey(RegKey key) override;

  // The system monitors and hardware browsers of the common desktops, in the
  // order they are tried.
  static const std::vector<std::string>& WellKnownPrograms();

private:
  std::string FindProgram() const;

  std::vector<std::string> candidates_;
};
