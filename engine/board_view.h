// board_view.h: the requests through which the game engine drives its window.
//
// The engine never touches a widget. The main window implements this
// interface on its controls; tests implement it as a recorder.
#pragma once

#include <cstdint>
#include <string>

#include "menu_entry.h"

// Text colours are 24-bit values in the form 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kBlack = 0x000000;

class BoardView {
public:
  virtual ~BoardView() = default;

  // Box(i), i = 1..13, shows the picture of Pic(k), k = 1..4; k = 0 shows none.
  virtual void SetBoxPicture(std::int16_t i, std::int16_t k) = 0;
  // The line under the ring (commentlbl). Texts are UTF-8.
  virtual void SetCommentCaption(const std::string& text) = 0;
  // namalbl(k), k = 1 or 2.
  virtual void SetNameCaption(std::int16_t k, const std::string& text) = 0;
  virtual void SetNameColour(std::int16_t k, Colour colour) = 0;
  // Dez's face, monsterpic.
  virtual void SetMonsterVisible(bool on) = 0;
  // Starts or stops Timer1..Timer4. Starting a stopped timer begins a full
  // interval; enabling a running timer leaves its interval alone.
  virtual void SetTimerEnabled(std::int16_t n, bool on) = 0;
  // Loads and shows the victory window without waiting for it.
  virtual void ShowForm3() = 0;
  // Plays sound effect n, 1..6; returns without handling any pending event.
  virtual void PlaySfx(std::int16_t n) = 0;
  // Whether the menu entry carries its check mark.
  virtual bool IsMenuChecked(MenuEntry entry) = 0;

  // Dez's thinking pause appends dots to the turn line.
  virtual std::string GetCommentCaption() = 0;
  // The game clock, timelbl.
  virtual void SetClockCaption(const std::string& text) = 0;
  // Top edge of monsterpic in twips (15 twips to a pixel).
  virtual std::int32_t GetMonsterTop() = 0;
  virtual void SetMonsterTop(std::int32_t twips) = 0;
};
