// main_menu.h: the main window's menu tree, its entry arrays and their check marks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QString>

#include "menu_entry.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The handlers the menu calls: one per single entry, one per entry array,
// which receives the index of the clicked member.
struct MenuHandlers {
  std::function<void()> play1, xit1, history1, about1;
  std::function<void(std::int16_t)> suara, musik, modevs, song;
};

class MainMenu {
public:
  MainMenu(QWidget* owner, MenuHandlers handlers);

  QMenuBar* Bar() const { return bar_; }

  // The member of an entry array, or nullptr for an index it does not have.
  QAction* Entry(MenuEntry entry) const;
  bool IsChecked(MenuEntry entry) const;
  void SetChecked(MenuEntry entry, bool on);

  // The submenus and single entries, by the names the handlers use.
  QMenu *fil1, *set1, *sound1, *music1, *mode1, *song1, *help1;
  QAction *play1, *xit1, *history1, *about1;

private:
  QAction* AddArrayEntry(QMenu* menu, const char* arrayName, const QString& caption, bool checked,
                         const std::function<void(std::int16_t)>& handler, std::int16_t index);

  QMenuBar* bar_;
  std::array<QAction*, 3> suara_{};
  std::array<QAction*, 3> musik_{};
  std::array<QAction*, 3> modevs_{};
  std::array<QAction*, 5> song_{};
};
