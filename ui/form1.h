// form1.h: the main window: the board, its controls, menu and timers, and the handlers of its events.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "board_view.h"
#include "game.h"

class BoardSurface;
class Dialogs;
class MainMenu;
class Module1;
class PictureBox;
class QLabel;
class QMouseEvent;
class QTimer;
class SideWindows;
class modDXMusic;

// Form1 holds the one game (Game) and carries out its requests on real
// widgets. It is laid out at 96 dots per inch: every position and size is
// the designed twip value divided by 15; Qt's high-DPI scaling carries the
// layout to other screens.
class Form1 : public QWidget, public BoardView {
public:
  // programDir: the folder that holds the program, where "Music" is looked
  // for. endProgram: ends the program at once, running no window's close
  // handler (the exit command's last step).
  Form1(Dialogs& dialogs, Module1& module1, modDXMusic& music, SideWindows& sideWindows, QString programDir,
        std::function<void()> endProgram = {});
  ~Form1() override;

  // The state that other windows read.
  bool Sound() const { return game_.state().Sound; }
  bool Music() const { return game_.state().Music; }
  bool Gamesselesai() const { return game_.state().Gamesselesai; }
  std::int16_t PilihMusik() const { return game_.state().PilihMusik; }

  Game& game() { return game_; }
  // Whether the start-up's music is still waiting for the first frame.
  bool MusicStartPending() const { return musicStartPending_; }
  // Runs once the window's first frame is painted, in place of the start-up's
  // music steps: whoever sets it runs them later by RunStartupMusic, e.g.
  // once the audio they need is ready, so that they do not wait for it.
  void OnFirstFrame(std::function<void()> hook) { firstFrame_ = std::move(hook); }
  // The start-up's music steps, if they are still waiting; else nothing.
  void RunStartupMusic() { StartMusic(); }

  // Event handlers.
  void Form_Load();
  void Form_Unload(std::int16_t& Cancel);
  void play1_Click();
  void modevs_Click(std::int16_t Index);
  void xit1_Click();
  void suara_Click(std::int16_t Index);
  void musik_Click(std::int16_t Index);
  void song_Click(std::int16_t Index);
  void history1_Click();
  void about1_Click();

  // BoardView.
  void SetBoxPicture(std::int16_t i, std::int16_t k) override;
  void SetCommentCaption(const std::string& text) override;
  void SetNameCaption(std::int16_t k, const std::string& text) override;
  void SetNameColour(std::int16_t k, Colour colour) override;
  void SetMonsterVisible(bool on) override;
  void SetTimerEnabled(std::int16_t n, bool on) override;
  void ShowForm3() override;
  void PlaySfx(std::int16_t n) override;
  bool IsMenuChecked(MenuEntry entry) override;
  std::string GetCommentCaption() override;
  void SetClockCaption(const std::string& text) override;
  std::int32_t GetMonsterTop() override;
  void SetMonsterTop(std::int32_t twips) override;

  // The controls, for whoever needs to look at them (tests do).
  QWidget* Board() const;
  PictureBox* Box(int i) const;
  const QPixmap& Pic(int k) const { return pic_[k]; }
  PictureBox* monsterpic() const { return monsterpic_; }
  QLabel* namalbl(int k) const { return namalbl_[k]; }
  QLabel* timelbl() const { return timelbl_; }
  QLabel* commentlbl() const { return commentlbl_; }
  QTimer* Timer(int n) const { return timer_[n]; }
  MainMenu& Menu() const { return *menu_; }

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void BuildControls();
  void RoutePointer(QMouseEvent* event);
  void StartMusic();
  void FinishStartup();
  void AskNames();

  Game game_{*this};
  Dialogs& dialogs_;
  Module1& module1_;
  modDXMusic& music_;
  SideWindows& side_;
  QString programDir_;
  std::function<void()> endProgram_;
  std::function<void()> firstFrame_;

  std::unique_ptr<MainMenu> menu_;
  BoardSurface* board_ = nullptr;
  std::array<PictureBox*, kPits + 1> box_{};
  std::array<QPixmap, 5> pic_{};
  PictureBox* monsterpic_ = nullptr;
  std::int32_t monsterTop_ = 240;
  std::array<QLabel*, 3> namalbl_{};
  QLabel* timelbl_ = nullptr;
  QLabel* commentlbl_ = nullptr;
  std::array<QTimer*, 5> timer_{};

  bool musicStartPending_ = false;  // Form_Load's music start waits for the first frame
  bool ended_ = false;              // the window has been unloaded or the program ended
};
