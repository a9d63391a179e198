#include "framework/t_window.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"
#include "framework/message_box.h"
#include "framework/t_application.h"
#include "framework/t_command_enabler.h"
#include "framework/t_dc.h"
#include "framework/t_frame_window.h"

namespace framework {

namespace detail {

QEvent::Type PostedMessageEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

bool MessageTarget::event(QEvent* event) {
  if (event->type() == PostedMessageEvent::EventType()) {
    const auto* posted = static_cast<PostedMessageEvent*>(event);
    owner_->SendMessage(posted->msg_, posted->p1_, posted->p2_);
    return true;
  }
  return QObject::event(event);
}

namespace {
constexpr char kOwnerProperty[] = "framework_owner";
}

TWindow* OwnerOf(const QObject* widget) {
  if (widget == nullptr)
    return nullptr;
  return static_cast<TWindow*>(widget->property(kOwnerProperty).value<void*>());
}

void SetOwner(QObject* widget, TWindow* owner) {
  widget->setProperty(kOwnerProperty, QVariant::fromValue(static_cast<void*>(owner)));
}

void PaintWindow(TWindow& window, QWidget& widget, const QRect& area) {
  QPainter painter(&widget);
  TDCHandle handle{&painter};
  TResult erased = 0;
  const bool handled = window.Dispatch(TEventKind::Message, WM_ERASEBKGND,
                                       TEventArgs{reinterpret_cast<TParam1>(&handle)}, &erased);
  if (!handled || erased == 0)
    painter.fillRect(widget.rect(), widget.palette().window());
  TDC dc(&handle);
  TRect rect{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
  window.Paint(dc, true, rect);
}

}  // namespace detail

namespace {

// The plain window: all its drawing goes through the erase message and Paint.
class ClientWidget : public QWidget {
 public:
  explicit ClientWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (TWindow* owner = detail::OwnerOf(this)) {
      detail::PaintWindow(*owner, *this, event->rect());
    } else {
      QPainter(this).fillRect(rect(), palette().window());
    }
  }
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (TWindow* owner = detail::OwnerOf(this))
      owner->SendMessage(WM_CLOSE);
  }
};

}  // namespace

// clang-format off
DEFINE_RESPONSE_TABLE1(TWindow, TEventHandler)
  EV_WM_CLOSE,
  EV_WM_DESTROY,
END_RESPONSE_TABLE;
// clang-format on

TWindow::TWindow(TWindow* parent, const char* title, const TModule* module)
    : impl_(std::make_unique<Impl>(this)) {
  impl_->module = module;
  if (title != nullptr)
    impl_->title = title;
  if (parent != nullptr) {
    impl_->parent = parent;
    parent->impl_->children.push_back(this);
  }
}

TWindow::~TWindow() {
  // Virtual calls reach only this class from here on, so a derived class's
  // EvDestroy is not called; derived classes that care destroy first.
  DestroyTree(0, true);
  std::vector<TWindow*> children = std::move(impl_->children);
  impl_->children.clear();
  for (TWindow* child : children) {
    child->impl_->parent = nullptr;
    delete child;
  }
  if (impl_->parent != nullptr) {
    auto& siblings = impl_->parent->impl_->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

TWindow* TWindow::GetParent() const {
  return impl_->parent;
}

void TWindow::SetParent(TWindow* newParent) {
  if (newParent == impl_->parent)
    return;
  if (impl_->parent != nullptr) {
    auto& siblings = impl_->parent->impl_->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  impl_->parent = newParent;
  if (newParent != nullptr)
    newParent->impl_->children.push_back(this);
}

const std::vector<TWindow*>& TWindow::GetChildren() const {
  return impl_->children;
}

int TWindow::GetId() const {
  return impl_->id;
}

const TModule* TWindow::GetModule() const {
  if (impl_->module != nullptr)
    return impl_->module;
  if (impl_->parent != nullptr)
    return impl_->parent->GetModule();
  if (TApplication* app = TApplication::Current())
    return app->GetModule();
  return nullptr;
}

TApplication* TWindow::GetApplication() const {
  return TApplication::Current();
}

bool TWindow::Create() {
  if (IsWindow())
    return true;
  if (!CreateWindowObject())
    return false;
  SetupWindow();
  return IsWindow();
}

bool TWindow::CreateWindowObject() {
  QWidget* parentWidget = impl_->parent != nullptr ? impl_->parent->impl_->widget.data() : nullptr;
  auto* widget = new ClientWidget(parentWidget);
  widget->setWindowTitle(detail::ToQt(impl_->title));
  detail::SetOwner(widget, this);
  impl_->widget = widget;
  return true;
}

void TWindow::SetupWindow() {
  for (TWindow* child : std::vector<TWindow*>(impl_->children)) {
    if (child->impl_->autoCreate && !child->IsWindow() && !child->Create()) {
      std::fprintf(stderr, "fotovuelo: a child window (id %d) could not be created\n",
                   child->GetId());
    }
  }
}

bool TWindow::IsWindow() const {
  return !impl_->widget.isNull();
}

void TWindow::ShowWindow(int showCommand) {
  QWidget* w = impl_->widget;
  if (w == nullptr)
    return;
  switch (showCommand) {
    case SW_HIDE:
      w->hide();
      break;
    case SW_MAXIMIZE:
      w->showMaximized();
      break;
    case SW_MINIMIZE:
      w->showMinimized();
      break;
    default:
      w->show();
      if (w->isWindow()) {
        w->raise();
        w->activateWindow();
      }
      break;
  }
}

bool TWindow::IsWindowVisible() const {
  return IsWindow() && impl_->widget->isVisible();
}

void TWindow::SetFocus() {
  if (IsWindow())
    impl_->widget->setFocus(Qt::OtherFocusReason);
}

void TWindow::CloseWindow(int retVal) {
  if (CanClose())
    Destroy(retVal);
}

bool TWindow::CanClose() {
  for (TWindow* child : std::vector<TWindow*>(impl_->children)) {
    if (child->IsWindow() && !child->CanClose())
      return false;
  }
  return true;
}

void TWindow::Destroy(int retVal) {
  DestroyTree(retVal, true);
}

void TWindow::DestroyTree(int retVal, bool releaseOnScreen) {
  if (!IsWindow() || impl_->destroying)
    return;
  impl_->destroying = true;
  SendMessage(WM_DESTROY);
  for (TWindow* child : std::vector<TWindow*>(impl_->children)) {
    // A child's widget goes with this one unless it is a top-level window of
    // its own (a dialog), which is released by itself.
    child->DestroyTree(retVal, false);
  }
  ReleaseWindowObject(retVal);
  QPointer<QWidget> widget = impl_->widget;
  impl_->widget = nullptr;
  QCoreApplication::removePostedEvents(&impl_->target, detail::PostedMessageEvent::EventType());
  if (widget != nullptr) {
    detail::SetOwner(widget, nullptr);
    QObject::disconnect(widget, nullptr, &impl_->target, nullptr);
    if (releaseOnScreen || widget->isWindow()) {
      widget->hide();
      // Later, not now: the widget may be in the middle of delivering the
      // click that closes it.
      widget->deleteLater();
    }
  }
  impl_->destroying = false;
  if (TApplication* app = TApplication::Current();
      app != nullptr && static_cast<TWindow*>(app->GetMainWindow()) == this) {
    app->PostQuitMessage(0);
  }
}

void TWindow::ReleaseWindowObject(int) {}

TResult TWindow::SendMessage(TMsgId msg, TParam1 p1, TParam2 p2) {
  if (msg == WM_COMMAND) {
    RouteCommand(static_cast<unsigned>(p1 & 0xFFFF));
    return 0;
  }
  TResult result = 0;
  Dispatch(TEventKind::Message, msg, TEventArgs{p1, p2}, &result);
  return result;
}

bool TWindow::PostMessage(TMsgId msg, TParam1 p1, TParam2 p2) {
  if (!IsWindow())
    return false;
  QCoreApplication::postEvent(&impl_->target, new detail::PostedMessageEvent(msg, p1, p2));
  return true;
}

bool TWindow::RouteCommand(unsigned id) {
  return Dispatch(TEventKind::Command, id, TEventArgs{});
}

void TWindow::RouteCommandEnable(TCommandEnabler& enabler) {
  TEventArgs args;
  args.enabler = &enabler;
  if (!Dispatch(TEventKind::CommandEnable, enabler.GetId(), args)) {
    enabler.Enable(Find(TEventKind::Command, enabler.GetId()) != nullptr);
  }
}

void TWindow::Paint(TDC&, bool, TRect&) {}

TRect TWindow::GetClientRect() const {
  if (!IsWindow())
    return {};
  const QRect r = impl_->widget->rect();
  return TRect{0, 0, r.width(), r.height()};
}

void TWindow::Invalidate() {
  if (IsWindow())
    impl_->widget->update();
}

void TWindow::SetCaption(std::string_view title) {
  impl_->title = std::string(title);
  if (IsWindow())
    impl_->widget->setWindowTitle(detail::ToQt(title));
}

std::string TWindow::GetCaption() const {
  return impl_->title;
}

void TWindow::SetTransferBuffer(void* buffer, std::size_t size) {
  impl_->transferBuffer = buffer;
  impl_->transferSize = buffer != nullptr ? size : 0;
}

void* TWindow::GetTransferBuffer() const {
  return impl_->transferBuffer;
}

std::size_t TWindow::Transfer(void* buffer, std::size_t size, TTransferDirection direction) {
  if (buffer == nullptr)
    return 0;
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t offset = 0;
  for (TWindow* child : impl_->children) {
    if (!child->IsTransferEnabled())
      continue;
    const std::size_t need = child->TransferSize();
    if (need > size - offset) {
      std::fprintf(stderr,
                   "fotovuelo: transfer buffer of %zu bytes ends before the field of control %d "
                   "(%zu bytes at offset %zu); transfer stopped\n",
                   size, child->GetId(), need, offset);
      return offset;
    }
    child->Transfer(bytes + offset, need, direction);
    offset += need;
  }
  return offset;
}

void TWindow::TransferData(TTransferDirection direction) {
  if (impl_->transferBuffer == nullptr)
    return;
  const std::size_t walked = Transfer(impl_->transferBuffer, impl_->transferSize, direction);
  if (walked != impl_->transferSize) {
    std::fprintf(stderr,
                 "fotovuelo: the controls take %zu bytes of a %zu-byte transfer buffer; the record "
                 "and the controls do not match\n",
                 walked, impl_->transferSize);
  }
}

std::size_t TWindow::TransferSize() const {
  return 0;
}

void TWindow::EnableTransfer() {
  impl_->transferEnabled = true;
}

void TWindow::DisableTransfer() {
  impl_->transferEnabled = false;
}

bool TWindow::IsTransferEnabled() const {
  return impl_->transferEnabled;
}

int TWindow::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return framework::MessageBox(this, text, caption, type);
}

void TWindow::EvClose() {
  CloseWindow();
}

void TWindow::EvDestroy() {}

}  // namespace framework
