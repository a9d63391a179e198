#include "framework/t_frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/detail/icon.h"
#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"
#include "framework/t_application.h"
#include "framework/t_command_enabler.h"
#include "framework/t_module.h"

namespace framework {

namespace {

// The size a frame gets when the program sets none, like a desktop's default
// placement of a new main window.
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

class FrameWidget : public QMainWindow {
 public:
  FrameWidget() { setAttribute(Qt::WA_DeleteOnClose, false); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (TWindow* owner = detail::OwnerOf(this))
      owner->SendMessage(WM_CLOSE);
  }
};

// Answers the enabling question for one menu item.
class MenuItemEnabler : public TCommandEnabler {
 public:
  MenuItemEnabler(unsigned id, QAction* action) : TCommandEnabler(id), action_(action) {}
  void Enable(bool enable) override {
    TCommandEnabler::Enable(enable);
    action_->setEnabled(enable);
  }

 private:
  QAction* action_;
};

// Asks the bar's own commands before the user can reach them with the mouse
// or the keyboard; pop-ups are asked when they open. The guard is an object
// that goes with the frame object, which may go before the bar's widget does.
class BarWatcher : public QObject {
 public:
  BarWatcher(QObject* parent, QObject* guard, std::function<void()> update)
      : QObject(parent), guard_(guard), update_(std::move(update)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (guard_ != nullptr &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::ShortcutOverride ||
         event->type() == QEvent::KeyPress)) {
      update_();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QObject> guard_;
  std::function<void()> update_;
};

}  // namespace

struct TFrameWindow::FrameState {
  TWindow* client = nullptr;
  bool shrinkToClient = false;
  const TMenuTemplate* menu = nullptr;
  QIcon icon;
  bool hasIcon = false;
  // Commands on the bar itself, asked whenever the bar is used.
  std::vector<QPointer<QAction>> barCommands;
};

TFrameWindow::TFrameWindow(TWindow* parent, const char* title, TWindow* clientWnd,
                           bool shrinkToClient, const TModule* module)
    : TWindow(parent, title, module), state_(std::make_unique<FrameState>()) {
  state_->client = clientWnd;
  state_->shrinkToClient = shrinkToClient;
  if (clientWnd != nullptr)
    clientWnd->SetParent(this);
}

TFrameWindow::~TFrameWindow() = default;

TWindow* TFrameWindow::GetClientWindow() const {
  return state_->client;
}

bool TFrameWindow::AssignMenu(TResId menuId) {
  const TModule* module = GetModule();
  const TMenuTemplate* menu = module != nullptr ? module->FindMenu(menuId) : nullptr;
  if (menu == nullptr) {
    std::fprintf(stderr, "fotovuelo: menu resource %d not found\n", menuId);
    return false;
  }
  state_->menu = menu;
  return true;
}

bool TFrameWindow::SetIcon(const TModule* module, TResId iconId) {
  if (module == nullptr)
    module = GetModule();
  const TIconTemplate* icon = module != nullptr ? module->FindIcon(iconId) : nullptr;
  if (icon == nullptr) {
    std::fprintf(stderr, "fotovuelo: icon resource %d not found\n", iconId);
    return false;
  }
  state_->icon = detail::IconFrom(*icon);
  state_->hasIcon = !state_->icon.isNull();
  if (IsWindow() && state_->hasIcon)
    GetImpl().widget->setWindowIcon(state_->icon);
  return state_->hasIcon;
}

bool TFrameWindow::CreateWindowObject() {
  auto* frame = new FrameWidget();
  frame->setWindowTitle(detail::ToQt(GetCaption()));
  if (state_->hasIcon)
    frame->setWindowIcon(state_->icon);
  detail::SetOwner(frame, this);
  GetImpl().widget = frame;
  if (!state_->shrinkToClient)
    frame->resize(kDefaultWidth, kDefaultHeight);
  return true;
}

void TFrameWindow::SetupWindow() {
  TWindow::SetupWindow();
  auto* frame = static_cast<QMainWindow*>(GetImpl().widget.data());
  if (state_->client != nullptr && state_->client->IsWindow()) {
    frame->setCentralWidget(state_->client->GetImpl().widget);
  }
  if (state_->menu == nullptr)
    return;

  QMenuBar* bar = frame->menuBar();
  bar->setNativeMenuBar(false);
  QMenuBar* rightBar = nullptr;
  auto route = [this](QAction* action) {
    RouteCommand(static_cast<unsigned>(action->property(detail::kMenuCommandProperty).toInt()));
  };
  auto ask = [this](QAction* action) {
    MenuItemEnabler enabler(
        static_cast<unsigned>(action->property(detail::kMenuCommandProperty).toInt()), action);
    RouteCommandEnable(enabler);
  };
  auto askBar = [this, ask] {
    for (const QPointer<QAction>& action : state_->barCommands) {
      if (action != nullptr)
        ask(action);
    }
  };
  auto* target = &GetImpl().target;

  for (const TMenuItemTemplate& item : state_->menu->bar) {
    if (item.rightJustify && rightBar == nullptr) {
      // Items at the right end of the bar live in a second bar in its corner.
      rightBar = new QMenuBar(bar);
      rightBar->setNativeMenuBar(false);
      bar->setCornerWidget(rightBar, Qt::TopRightCorner);
      rightBar->installEventFilter(new BarWatcher(rightBar, target, askBar));
    }
    QMenuBar* into = rightBar != nullptr ? rightBar : bar;
    switch (item.kind) {
      case TMenuItemKind::Popup: {
        QMenu* menu = into->addMenu(detail::ToQt(item.text));
        for (const TMenuItemTemplate& sub : item.items) {
          if (sub.kind == TMenuItemKind::Separator) {
            menu->addSeparator();
            continue;
          }
          QAction* action = menu->addAction(detail::ToQt(sub.text));
          action->setProperty(detail::kMenuCommandProperty, sub.id);
          QObject::connect(action, &QAction::triggered, target, [route, action] { route(action); });
        }
        QObject::connect(menu, &QMenu::aboutToShow, target, [menu, ask, askBar] {
          for (QAction* action : menu->actions()) {
            if (action->property(detail::kMenuCommandProperty).isValid())
              ask(action);
          }
          askBar();
        });
        break;
      }
      case TMenuItemKind::Command: {
        QAction* action = into->addAction(detail::ToQt(item.text));
        action->setProperty(detail::kMenuCommandProperty, item.id);
        QObject::connect(action, &QAction::triggered, target, [route, action] { route(action); });
        state_->barCommands.emplace_back(action);
        break;
      }
      case TMenuItemKind::Separator:
        into->addSeparator();
        break;
    }
  }
  bar->installEventFilter(new BarWatcher(bar, target, askBar));
  askBar();
}

bool TFrameWindow::RouteCommand(unsigned id) {
  if (state_->client != nullptr && state_->client->RouteCommand(id))
    return true;
  if (TWindow::RouteCommand(id))
    return true;
  TApplication* app = GetApplication();
  return app != nullptr && app->Dispatch(TEventKind::Command, id, TEventArgs{});
}

void TFrameWindow::RouteCommandEnable(TCommandEnabler& enabler) {
  TEventArgs args;
  args.enabler = &enabler;
  const unsigned id = enabler.GetId();
  std::vector<TEventHandler*> route;
  if (state_->client != nullptr)
    route.push_back(state_->client);
  route.push_back(this);
  if (TApplication* app = GetApplication())
    route.push_back(app);
  for (TEventHandler* handler : route) {
    if (handler->Dispatch(TEventKind::CommandEnable, id, args))
      return;
  }
  bool handled = false;
  for (TEventHandler* handler : route)
    handled = handled || handler->Find(TEventKind::Command, id);
  enabler.Enable(handled);
}

}  // namespace framework
