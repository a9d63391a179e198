// The on-screen side of a TWindow, seen only inside the framework.
#pragma once

#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "framework/t_module.h"
#include "framework/t_window.h"

namespace framework::detail {

// A message waiting in the queue for a window.
class PostedMessageEvent : public QEvent {
 public:
  static QEvent::Type EventType();
  PostedMessageEvent(TMsgId msg, TParam1 p1, TParam2 p2)
      : QEvent(EventType()), msg_(msg), p1_(p1), p2_(p2) {}
  TMsgId msg_;
  TParam1 p1_;
  TParam2 p2_;
};

// Receives a window's posted messages. It lives as long as the TWindow, so a
// message queued for a deleted window object is dropped by the toolkit with
// its receiver, and Destroy drops those of a destroyed window.
class MessageTarget : public QObject {
 public:
  explicit MessageTarget(TWindow* owner) : owner_(owner) {}
  bool event(QEvent* event) override;

 private:
  TWindow* owner_;
};

// The TWindow a widget stands for, or null once the window is destroyed.
TWindow* OwnerOf(const QObject* widget);
void SetOwner(QObject* widget, TWindow* owner);

// Template control data kept on each widget the dialog builder makes.
inline constexpr char kControlIdProperty[] = "framework_control_id";
inline constexpr char kControlKindProperty[] = "framework_control_kind";
inline constexpr char kControlStyleProperty[] = "framework_control_style";
// The command a menu item sends.
inline constexpr char kMenuCommandProperty[] = "framework_command";

// Paints a window: background (erase message, else the palette), then Paint.
void PaintWindow(TWindow& window, QWidget& widget, const QRect& area);

}  // namespace framework::detail

// What an HDC points at while a window paints.
struct framework::TDCHandle {
  QPainter* painter = nullptr;
  QColor background = Qt::white;
  QColor text = Qt::black;
};

struct framework::TWindow::Impl {
  explicit Impl(TWindow* self) : target(self) {}

  TWindow* parent = nullptr;
  std::vector<TWindow*> children;
  std::string title;
  const TModule* module = nullptr;
  int id = 0;
  QPointer<QWidget> widget;
  detail::MessageTarget target;
  // The widgets of a dialog's template controls, by control number.
  std::map<int, QPointer<QWidget>> controls;
  void* transferBuffer = nullptr;
  std::size_t transferSize = 0;
  bool transferEnabled = false;
  // Dialogs are created by their owners when they choose; controls and
  // client windows are created with their parent.
  bool autoCreate = true;
  bool destroying = false;
};
