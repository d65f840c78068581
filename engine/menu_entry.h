// menu_entry.h: names one entry of the main window's menu arrays.
#pragma once

#include <cstdint>

// The groups of alternative menu entries; each group shares one handler.
enum class MenuArray { suara, musik, modevs, song };

// One member of a menu array, e.g. modevs(2) = "Human vs &Dez".
struct MenuEntry {
  MenuArray array;
  std::int16_t index;

  friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};
