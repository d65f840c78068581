// xvfb_server.h: a private virtual X server for one test or benchmark, on a display number it picks itself.
#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

// Starts Xvfb with a 24-bit screen and asks it to pick a free display
// number (written to a file as it becomes ready), so that servers of tests
// that run side by side never collide.
class XvfbServer {
public:
  XvfbServer() {
    const QString numberFile = dir_.path() + "/display";
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start("sh", {"-c", "exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>\"$1\"", "sh",
                          numberFile});
    if (!process_.waitForStarted(10000)) return;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
      QFile f(numberFile);
      if (f.open(QIODevice::ReadOnly)) {
        const QByteArray text = f.readAll();
        if (text.endsWith('\n')) {
          display_ = ":" + QString::fromLatin1(text.trimmed());
          return;
        }
      }
      QThread::msleep(20);
    }
  }
  ~XvfbServer() {
    if (process_.state() != QProcess::NotRunning) {
      process_.terminate();
      if (!process_.waitForFinished(5000)) process_.kill();
      process_.waitForFinished(2000);
    }
  }
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  bool Ready() const { return !display_.isEmpty(); }
  QString Display() const { return display_; }  // e.g. ":3"

  // The environment for a Qt program shown on this server.
  QProcessEnvironment ProgramEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("QT_SCALE_FACTOR");
    env.remove("QT_SCREEN_SCALE_FACTORS");
    return env;
  }

private:
  QTemporaryDir dir_;
  QProcess process_;
  QString display_;
};
