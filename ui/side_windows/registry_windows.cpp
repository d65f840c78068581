// registry_windows.cpp: the registry of advapi32, through its 8-bit calls.
#include <windows.h>

#include <string>
#include <vector>

#include "registry.h"

namespace {

// The program's texts are UTF-8; the 8-bit calls speak the system's code page.
std::string Convert(const char* text, int bytes, UINT from, UINT to) {
  if (bytes <= 0) return {};
  const int wide = MultiByteToWideChar(from, 0, text, bytes, nullptr, 0);
  if (wide <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(wide));
  MultiByteToWideChar(from, 0, text, bytes, buffer.data(), wide);
  const int narrow = WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
  if (narrow <= 0) return {};
  std::string result(static_cast<size_t>(narrow), '\0');
  WideCharToMultiByte(to, 0, buffer.data(), wide, result.data(), narrow, nullptr, nullptr);
  return result;
}

std::string ToCodePage(const std::string& text) {
  return Convert(text.data(), static_cast<int>(text.size()), CP_UTF8, CP_ACP);
}

std::string FromCodePage(const char* text, DWORD bytes) {
  return Convert(text, static_cast<int>(bytes), CP_ACP, CP_UTF8);
}

// Root keys are 32-bit values that the 64-bit API sign-extends.
HKEY RootHandle(RegRoot root) { return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(root)); }

HKEY KeyHandle(RegKey key) { return reinterpret_cast<HKEY>(key); }

class WindowsRegistry final : public Registry {
public:
  long OpenKey(RegRoot root, const std::string& keyName, std::uint32_t options, std::uint32_t access,
               RegKey& key) override {
    const std::string name = ToCodePage(keyName);
    HKEY handle = nullptr;
    LONG rc = RegOpenKeyExA(RootHandle(root), name.c_str(), options, access, &handle);
    // The keys we read lie under HKEY_LOCAL_MACHINE, which an ordinary user
    // may read but not write: asked for write rights too, Windows refuses the
    // whole open. Reading is all the about box does, so it gets read access.
    constexpr std::uint32_t kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK;
    if (rc == ERROR_ACCESS_DENIED && (access & kWriteRights) != 0) {
      rc = RegOpenKeyExA(RootHandle(root), name.c_str(), options, access & ~kWriteRights, &handle);
    }
    key = rc == ERROR_SUCCESS ? reinterpret_cast<RegKey>(handle) : 0;
    return rc;
  }

  long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, char* buffer,
                  std::uint32_t& size) override {
    const std::string name = ToCodePage(valueName);
    std::vector<char> raw(size);
    DWORD rawType = 0;
    DWORD rawSize = size;
    const LONG rc = RegQueryValueExA(KeyHandle(key), name.c_str(), nullptr, &rawType,
                                     reinterpret_cast<BYTE*>(raw.data()), &rawSize);
    if (rc != ERROR_SUCCESS) return rc;
    if (rawSize > raw.size()) return ERROR_MORE_DATA;
    std::string data(raw.data(), rawSize);
    // Texts come back in the program's encoding, their terminating zero
    // (when stored) still counted; they may grow, and must still fit.
    if (rawType == REG_SZ || rawType == REG_EXPAND_SZ) data = FromCodePage(raw.data(), rawSize);
    if (data.size() > size) return ERROR_MORE_DATA;
    data.copy(buffer, data.size());
    type = rawType;
    size = static_cast<std::uint32_t>(data.size());
    return ERROR_SUCCESS;
  }

  long CloseKey(RegKey key) override { return RegCloseKey(KeyHandle(key)); }
};

}  // namespace

std::unique_ptr<Registry> MakePlatformRegistry() { return std::make_unique<WindowsRegistry>(); }
