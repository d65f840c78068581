// recording_board_view.h: a BoardView that keeps every request in order and
// models what a window would show, for comparing engine behaviour.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "board_view.h"

class RecordingBoardView : public BoardView {
public:
  RecordingBoardView() { pictures.fill(1); }  // the design-time board shows thirteen stones

  // Every request and query, in order, e.g. "SetBoxPicture 3 4".
  std::vector<std::string> log;
  bool recording = true;

  // What the window would show now.
  std::array<int, 14> pictures{};
  std::string comment = "WELCOME TO WIRANGGA";
  std::array<std::string, 3> names{"", "Player 1", "Dez"};
  std::array<Colour, 3> colours{};
  bool monsterVisible = true;
  std::array<bool, 5> timerOn{};
  std::string clock = "00:00:00";
  std::int32_t monsterTop = 240;
  int form3Shown = 0;

  // The menu's check marks as the window holds them at start.
  std::map<std::pair<MenuArray, int>, bool> checks = {
      {{MenuArray::suara, 1}, true}, {{MenuArray::suara, 2}, false},
      {{MenuArray::musik, 1}, true}, {{MenuArray::musik, 2}, false},
      {{MenuArray::modevs, 1}, false}, {{MenuArray::modevs, 2}, true},
  };

  void SetMode(int mode) {
    checks[{MenuArray::modevs, 1}] = mode == 1;
    checks[{MenuArray::modevs, 2}] = mode == 2;
  }

  std::vector<std::string> Take() {
    std::vector<std::string> out;
    out.swap(log);
    return out;
  }

  void SetBoxPicture(std::int16_t i, std::int16_t k) override {
    Record("SetBoxPicture " + std::to_string(i) + " " + std::to_string(k));
    if (i >= 1 && i <= 13) pictures[i] = k;
  }
  void SetCommentCaption(const std::string& text) override {
    Record("SetCommentCaption " + text);
    comment = text;
  }
  void SetNameCaption(std::int16_t k, const std::string& text) override {
    Record("SetNameCaption " + std::to_string(k) + " " + text);
    names.at(k) = text;
  }
  void SetNameColour(std::int16_t k, Colour colour) override {
    Record("SetNameColour " + std::to_string(k) + (colour == kBlue ? " blue" : colour == kBlack ? " black" : " other"));
    colours.at(k) = colour;
  }
  void SetMonsterVisible(bool on) override {
    Record(std::string("SetMonsterVisible ") + (on ? "on" : "off"));
    monsterVisible = on;
  }
  void SetTimerEnabled(std::int16_t n, bool on) override {
    Record("SetTimerEnabled " + std::to_string(n) + (on ? " on" : " off"));
    timerOn.at(n) = on;
  }
  void ShowForm3() override {
    Record("ShowForm3");
    ++form3Shown;
  }
  void PlaySfx(std::int16_t n) override { Record("PlaySfx " + std::to_string(n)); }
  bool IsMenuChecked(MenuEntry entry) override {
    static const char* const arrays[] = {"suara", "musik", "modevs", "song"};
    Record(std::string("IsMenuChecked ") + arrays[static_cast<int>(entry.array)] + " " + std::to_string(entry.index));
    const auto it = checks.find({entry.array, entry.index});
    return it != checks.end() && it->second;
  }
  std::string GetCommentCaption() override {
    Record("GetCommentCaption");
    return comment;
  }
  void SetClockCaption(const std::string& text) override {
    Record("SetClockCaption " + text);
    clock = text;
  }
  std::int32_t GetMonsterTop() override {
    Record("GetMonsterTop");
    return monsterTop;
  }
  void SetMonsterTop(std::int32_t twips) override {
    Record("SetMonsterTop " + std::to_string(twips));
    monsterTop = twips;
  }

private:
  void Record(std::string entry) {
    if (recording) log.push_back(std::move(entry));
  }
};
