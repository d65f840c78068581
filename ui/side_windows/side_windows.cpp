// side_windows.cpp: the history window, the victory window and the about box.
#include "side_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "dialogs.h"

namespace {

// Greetings of the windows that have one.
constexpr std::int16_t kHistorySfx = 6;
constexpr std::int16_t kAboutSfx = 5;

// A borderless picture window without a taskbar button. The picture is drawn
// at its own size from the top left corner, whatever part of it the window
// cuts off or leaves bare.
class PictureWindow : public QWidget {
public:
  PictureWindow(const QString& picture, const QString& title, QSize size, bool closesOnClick)
      : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
        picture_(QStringLiteral(":/pictures/%1.png").arg(picture)),
        sharpPicture_(QStringLiteral(":/pictures/%1@2x.png").arg(picture)),
        closesOnClick_(closesOnClick) {
    sharpPicture_.setDevicePixelRatio(2.0);
    setWindowTitle(title);
    setFixedSize(size);
    // Tool windows do not keep the program running by default; the ones
    // that should say so themselves (see SetKeepsProgramRunning).
    setAttribute(Qt::WA_QuitOnClose, false);
  }

  // Whether the program goes on while this window is open after the main
  // window has closed, and ends when it closes.
  void SetKeepsProgramRunning(bool on) { setAttribute(Qt::WA_QuitOnClose, on); }

  // Runs once the window has closed, by whatever means.
  void SetOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

  // Centred on the screen the player is looking at: the one of the active
  // window (the main window, usually), else the primary one.
  void Centre() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QWidget* active = QApplication::activeWindow()) screen = active->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }

  void BringToFront() {
    show();
    raise();
    activateWindow();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, devicePixelRatioF() > 1.0 ? sharpPicture_ : picture_);
  }

  // A click is a release over the window of a button pressed on it; any
  // button will do.
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (closesOnClick_ && rect().contains(event->position().toPoint())) {
      close();
      return;
    }
    QWidget::mouseReleaseEvent(event);
  }

  void closeEvent(QCloseEvent* event) override {
    QWidget::closeEvent(event);
    if (event->isAccepted() && onClosed_) {
      // The callback may free this window; nothing below may touch it.
      auto onClosed = std::move(onClosed_);
      onClosed();
    }
  }

private:
  QPixmap picture_;
  QPixmap sharpPicture_;
  bool closesOnClick_;
  std::function<void()> onClosed_;
};

// The about box: its picture and two buttons.
class AboutBox final : public PictureWindow {
public:
  explicit AboutBox(std::function<void()> cmdSysInfo_Click)
      : PictureWindow(QStringLiteral("about"), QStringLiteral("About Wirangga"), QSize(352, 309), false),
        cmdSysInfoClick_(std::move(cmdSysInfo_Click)) {
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(3, 248, 84, 23);
    cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(4, 277, 83, 23);
    setTabOrder(cmdOK_, cmdSysInfo_);
    cmdOK_->setFocus();

    QObject::connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    QObject::connect(cmdSysInfo_, &QPushButton::clicked, this, [this] {
      // Copied: the box may be closed, and freed, while the message it may
      // show is open.
      auto click = cmdSysInfoClick_;
      if (click) click();
    });
  }

protected:
  // Outside a dialog the buttons leave Esc and Enter to their window. Enter
  // presses the button that has the focus, the OK button otherwise, which
  // is the default.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
      switch (event->key()) {
        case Qt::Key_Escape:
          cmdOK_->click();
          return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
          (focusWidget() == cmdSysInfo_ ? cmdSysInfo_ : cmdOK_)->click();
          return;
        default:
          break;
      }
    }
    PictureWindow::keyPressEvent(event);
  }

private:
  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdSysInfo_ = nullptr;
  std::function<void()> cmdSysInfoClick_;
};

}  // namespace

struct SideWindows::Impl {
  Impl(SideWindowHost host_, Dialogs& dialogs_, std::unique_ptr<PlatformSysInfo> platform_, SysInfoServices sysInfo_)
      : host(std::move(host_)), dialogs(dialogs_), platform(std::move(platform_)), sysInfo(std::move(sysInfo_)) {
    if (platform) sysInfo = platform->Services();
  }

  SideWindowHost host;
  Dialogs& dialogs;
  std::unique_ptr<PlatformSysInfo> platform;  // when no services were given
  SysInfoServices sysInfo;

  QPointer<PictureWindow> form2;
  QPointer<PictureWindow> form3;
  QPointer<AboutBox> about;
  // Closed windows wait here for their deferred deletion, so that none is
  // left behind when this object goes first.
  std::vector<QPointer<QWidget>> closing;

  bool SoundOn() const { return host.Sound && host.Sound(); }

  void PlaySfx(std::int16_t id) const {
    if (host.PlaySfx) host.PlaySfx(id);
  }

  // Shows the window that slot holds, loading it first when it is closed.
  template <typename Window, typename Load>
  void Show(QPointer<Window>& slot, Load load) {
    if (!slot) {
      Window* window = load();
      window->SetOnClosed([this, &slot, window] {
        if (slot == window) slot = nullptr;
        std::erase_if(closing, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
        closing.emplace_back(window);
        window->deleteLater();
      });
      slot = window;
      window->Centre();
    }
    slot->BringToFront();
  }

  static void Close(QWidget* window) {
    if (window) window->close();
  }
};

SideWindows::SideWindows(SideWindowHost host, Dialogs& dialogs)
    : impl_(std::make_unique<Impl>(std::move(host), dialogs, std::make_unique<PlatformSysInfo>(), SysInfoServices{})) {}

SideWindows::SideWindows(SideWindowHost host, Dialogs& dialogs, SysInfoServices sysInfo)
    : impl_(std::make_unique<Impl>(std::move(host), dialogs, nullptr, std::move(sysInfo))) {}

SideWindows::~SideWindows() {
  if (PictureWindow* form3 = impl_->form3) {
    form3->SetOnClosed(nullptr);
    if (QThread::currentThread()->loopLevel() > 0) {
      // The program is running: the victory window outlives its owner and
      // frees itself once it is clicked away, or when the program ends.
      form3->setAttribute(Qt::WA_DeleteOnClose, true);
      QObject::connect(qApp, &QCoreApplication::aboutToQuit, form3, &QObject::deleteLater);
    } else {
      delete form3;
    }
  }
  delete impl_->form2.data();
  delete impl_->about.data();
  for (const QPointer<QWidget>& window : impl_->closing) delete window.data();
}

void SideWindows::ShowForm2() {
  impl_->Show(impl_->form2, [this] {
    auto* window = new PictureWindow(QStringLiteral("history"), QStringLiteral("Form2"), QSize(499, 347), true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    // Form_Load
    if (impl_->SoundOn()) impl_->PlaySfx(kHistorySfx);
    return window;
  });
}

void SideWindows::ShowForm3() {
  impl_->Show(impl_->form3, [] {
    auto* window = new PictureWindow(QStringLiteral("victory"), QStringLiteral("Form3"), QSize(529, 263), true);
    window->SetKeepsProgramRunning(true);
    return window;
  });
}

void SideWindows::ShowAbout() {
  impl_->Show(impl_->about, [this] {
    Impl* impl = impl_.get();
    auto* window = new AboutBox([impl] { StartSysInfo(impl->sysInfo, impl->dialogs); });
    // Form_Load
    if (impl_->SoundOn()) impl_->PlaySfx(kAboutSfx);
    return window;
  });
}

void SideWindows::CloseForm2() { Impl::Close(impl_->form2); }
void SideWindows::CloseAbout() { Impl::Close(impl_->about); }

QWidget* SideWindows::Form2Window() const { return impl_->form2; }
QWidget* SideWindows::Form3Window() const { return impl_->form3; }
QWidget* SideWindows::AboutWindow() const { return impl_->about; }
