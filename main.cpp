// main.cpp: starts Wirangga: the audio output, the music player, the dialogs, the side windows and the main window.
#include <QApplication>
#include <QPointer>

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

  // The device, the SoundFont and the clips come up in the background once
  // the window's first frame is painted: before it, their threads would
  // only compete with the window for the processor.
  AudioOptions audioOptions;
  audioOptions.deferStart = true;
  AudioSystem audio(audioOptions);
  Module1 module1(audio.Sfx());
  modDXMusic music(audio.Midi());
  QtDialogs dialogs;

  Form1* form1 = nullptr;
  SideWindows sideWindows(SideWindowHost{[&form1] { return form1 && form1->Sound(); },
                                         [&module1](std::int16_t n) { module1.PlaySfx(n); }},
                          dialogs);
  Form1 window(dialogs, module1, music, sideWindows, QCoreApplication::applicationDirPath());
  form1 = &window;
  // The start-up's music steps follow as soon as the SoundFont is loaded,
  // on this thread, so they never wait for it; a music command that comes
  // earlier runs them first by itself.
  QPointer<Form1> target(&window);
  window.OnFirstFrame([&audio, target] {
    // The frame is still on its way to the display: see it there before
    // the audio's threads take the processor.
    QGuiApplication::sync();
    audio.Start([target] {
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [target] {
            if (target) target->RunStartupMusic();
          },
          Qt::QueuedConnection);
    });
  });
  window.show();
  return app.exec();
}
