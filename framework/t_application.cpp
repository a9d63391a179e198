#include "framework/t_application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "framework/detail/icon.h"
#include "framework/detail/text.h"
#include "framework/t_frame_window.h"
#include "framework/t_module.h"

namespace framework {

namespace {
TApplication* g_current = nullptr;

// When nobody made the toolkit's application object (RunProgram does), the
// framework makes one; its argument count must outlive it.
int g_argc = 1;
char g_arg0[] = "fotovuelo";
char* g_argv[] = {g_arg0, nullptr};
}  // namespace

struct TApplication::Impl {
  std::string name;
  const TModule* module = nullptr;
  std::unique_ptr<QApplication> ownQt;
  std::unique_ptr<TFrameWindow> mainWindow;
  bool quitRequested = false;
  int exitCode = 0;
};

// clang-format off
DEFINE_RESPONSE_TABLE1(TApplication, TEventHandler)
  EV_COMMAND(CM_EXIT, CmExit),
END_RESPONSE_TABLE;
// clang-format on

TApplication::TApplication(const char* name, const TModule* module)
    : impl_(std::make_unique<Impl>()) {
  if (name != nullptr)
    impl_->name = name;
  impl_->module = module;
  if (QApplication::instance() == nullptr)
    impl_->ownQt = std::make_unique<QApplication>(g_argc, g_argv);
  // The program ends when its main window is destroyed, not when the last
  // window happens to close (a message box shown before the main window).
  QApplication::setQuitOnLastWindowClosed(false);
  if (!impl_->name.empty())
    QCoreApplication::setApplicationName(detail::ToQt(impl_->name));
  g_current = this;
}

TApplication::~TApplication() {
  impl_->mainWindow.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (g_current == this)
    g_current = nullptr;
}

void TApplication::InitMainWindow() {}

void TApplication::SetMainWindow(TFrameWindow* window) {
  impl_->mainWindow.reset(window);
}

TFrameWindow* TApplication::GetMainWindow() const {
  return impl_->mainWindow.get();
}

int TApplication::Run() {
  impl_->quitRequested = false;
  impl_->exitCode = 0;
  // The program's icon is its module's first icon, as a desktop shows for a program file.
  if (impl_->module != nullptr) {
    if (const TIconTemplate* icon = impl_->module->FirstIcon()) {
      QApplication::setWindowIcon(detail::IconFrom(*icon));
    }
  }
  if (impl_->mainWindow == nullptr)
    InitMainWindow();
  TFrameWindow* main = impl_->mainWindow.get();
  if (main == nullptr) {
    std::fprintf(stderr, "fotovuelo: the application has no main window\n");
    return 1;
  }
  if (!main->IsWindow()) {
    if (!main->Create()) {
      std::fprintf(stderr, "fotovuelo: the main window could not be created\n");
      return 1;
    }
    main->ShowWindow(SW_SHOWDEFAULT);
  }
  const int status = impl_->quitRequested ? impl_->exitCode : QApplication::exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}

void TApplication::PostQuitMessage(int exitCode) {
  impl_->quitRequested = true;
  impl_->exitCode = exitCode;
  QCoreApplication::exit(exitCode);
}

void TApplication::EnableCtl3d(bool) {}

const std::string& TApplication::GetName() const {
  return impl_->name;
}

const TModule* TApplication::GetModule() const {
  return impl_->module;
}

TApplication* TApplication::Current() {
  return g_current;
}

void TApplication::CmExit() {
  if (impl_->mainWindow != nullptr)
    impl_->mainWindow->CloseWindow();
}

int RunProgram(int argc, char** argv, int (*entry)(int, char**)) {
  QApplication qt(argc, argv);
  return entry(argc, argv);
}

}  // namespace framework
