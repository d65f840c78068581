// main.cpp: starts Wirangga: the audio output, the music player, the dialogs, the side windows and the main window.
#include <QApplication>

#include "audio_system.h"
#include "form1.h"
#include "mod_dx_music.h"
#include "module1.h"
#include "qt_dialogs.h"
#include "side_windows.h"

int main(int argc, char** argv) {
  // The menu bar belongs inside the window, under its title. Asking the
  // session bus for a global menu would also hold up the first frame.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wirangga"));

  // The device and the SoundFont come up in the background while the
  // window is built.
  AudioSystem audio;
  Module1 module1(audio.Sfx());
  modDXMusic music(audio.Midi());
  QtDialogs dialogs;

  Form1* form1 = nullptr;
  SideWindows sideWindows(SideWindowHost{[&form1] { return form1 && form1->Sound(); },
                                         [&module1](std::int16_t n) { module1.PlaySfx(n); }},
                          dialogs);
  Form1 window(dialogs, module1, music, sideWindows, QCoreApplication::applicationDirPath());
  form1 = &window;
  window.show();
  return app.exec();
}
