// registry.h: the three registry calls the about box makes, behind an
// interface so that each platform, and each test, can supply its own.
//
// Plain C++ without Qt, so that the Windows side cross-compiles on its own.
// Texts are UTF-8; a Windows implementation converts them to and from the
// system's 8-bit code page at its edge.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A root key is the 32-bit handle the registry API documents; an opened key
// is whatever handle the implementation hands out (0 = none).
using RegRoot = std::int32_t;
using RegKey = std::uintptr_t;

inline constexpr RegRoot kHKeyLocalMachine = static_cast<RegRoot>(0x80000002u);

// Results of the calls: 0 is success, anything else a failure.
inline constexpr long kRegOk = 0;
inline constexpr long kRegNotFound = 2;
inline constexpr long kRegBadHandle = 6;
inline constexpr long kRegMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

// The access the about box asks for when it opens a key: the standard read
// right and every key-specific right (query, set, create, enumerate, notify,
// link).
inline constexpr std::uint32_t kKeyOpenAccess = 0x2003F;

class Registry {
public:
  virtual ~Registry() = default;
  // Opens KeyName below root; on success key holds the open handle.
  virtual long OpenKey(RegRoot root, const std::string& keyName, std::uint32_t options, std::uint32_t access,
                       RegKey& key) = 0;
  // Reads the value into buffer, which holds size bytes. On success type is
  // the value's type and size the number of bytes stored; a value that does
  // not fit fails with kRegMoreData.
  virtual long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, char* buffer,
                          std::uint32_t& size) = 0;
  virtual long CloseKey(RegKey key) = 0;
};

// The registry of the machine the program runs on: the real one on Windows,
// a stand-in elsewhere.
std::unique_ptr<Registry> MakePlatformRegistry();
