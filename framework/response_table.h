// Response tables: each class that handles commands or messages keeps one
// static table of (command or message, handler). The virtual Find searches the
// class's own table and then its base class's, so a derived class overrides an
// entry simply by listing the same command. Menu commands, button commands,
// command enabling and sent or posted messages all arrive through Find.
//
//   class TMyWindow : public framework::TWindow {
//    public:
//     DECLARE_RESPONSE_TABLE(TMyWindow);
//    private:
//     void CmOpen();
//   };
//   DEFINE_RESPONSE_TABLE1(TMyWindow, framework::TWindow)
//     EV_COMMAND(101, CmOpen),
//   END_RESPONSE_TABLE;
#pragma once

#include <cstddef>

#include "framework/t_defs.h"

namespace framework {

class TCommandEnabler;

// The painter a background is erased with, as the erase-background message
// carries it. Wrap it in a TDC to draw.
using HDC = struct TDCHandle*;

enum class TEventKind : unsigned char {
  Command,        // a menu item or a push button, by command number
  CommandEnable,  // asks whether a command is available now
  Message,        // a message by number, sent or posted
  Notify,         // a control's notification to its parent, by control id and code
};

struct TEventArgs {
  TParam1 param1 = 0;
  TParam2 param2 = 0;
  TCommandEnabler* enabler = nullptr;
};

class TEventHandler;

struct TResponseEntry {
  TEventKind kind;
  unsigned id;    // command number, message number or control id
  unsigned code;  // notification code; 0 for the other kinds
  // Calls the handler on the receiver; null marks the end of a table.
  TResult (*dispatch)(TEventHandler& receiver, const TEventArgs& args);
};

class TResponseTable {
 public:
  // entries ends with an entry whose dispatch is null.
  explicit constexpr TResponseTable(const TResponseEntry* entries) : entries_(entries) {}
  const TResponseEntry* Lookup(TEventKind kind, unsigned id, unsigned code) const;
  std::size_t Size() const;

 private:
  const TResponseEntry* entries_;
};

class TEventHandler {
 public:
  virtual ~TEventHandler() = default;

  // The entry that handles the event: this class's table first, then its
  // bases'. Null when no class in the chain handles it.
  virtual const TResponseEntry* Find(TEventKind kind, unsigned id, unsigned code = 0) const;

  // Finds the handler and calls it. False when there is none; *result then
  // stays untouched.
  bool Dispatch(TEventKind kind, unsigned id, const TEventArgs& args, TResult* result = nullptr,
                unsigned code = 0);
};

namespace detail {
template <class T>
T& Receiver(TEventHandler& handler) {
  // dynamic_cast, because a class may reach TEventHandler through a virtual
  // base, where a static downcast is not allowed.
  return dynamic_cast<T&>(handler);
}
}  // namespace detail

}  // namespace framework

// Goes in the public part of a class that has its own table.
#define DECLARE_RESPONSE_TABLE(cls)                                                  \
  const ::framework::TResponseEntry* Find(::framework::TEventKind kind, unsigned id, \
                                          unsigned code = 0) const override;         \
  static const ::framework::TResponseTable& ResponseTable()

#define DEFINE_RESPONSE_TABLE1(cls, base)                                                 \
  const ::framework::TResponseEntry* cls::Find(::framework::TEventKind kind, unsigned id, \
                                               unsigned code) const {                     \
    if (const auto* entry = ResponseTable().Lookup(kind, id, code))                       \
      return entry;                                                                       \
    return base::Find(kind, id, code);                                                    \
  }                                                                                       \
  const ::framework::TResponseTable& cls::ResponseTable() {                               \
    using TMyClass = cls;                                                                 \
    static const ::framework::TResponseEntry kEntries[] = {
#define END_RESPONSE_TABLE                                   \
  ::framework::TResponseEntry {                              \
    ::framework::TEventKind::Command, 0, 0, nullptr          \
  }                                                          \
  }                                                          \
  ;                                                          \
  static const ::framework::TResponseTable kTable(kEntries); \
  return kTable;                                             \
  }                                                          \
  static_assert(true)

// Each handler's signature is fixed by the entry: the member function pointer
// is converted to exactly that type, so a wrong signature does not compile.
#define EV_COMMAND(id, method)                                              \
  ::framework::TResponseEntry {                                             \
    ::framework::TEventKind::Command, static_cast<unsigned>(id), 0,         \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs&) { \
          constexpr void (TMyClass::*pm)() = &TMyClass::method;             \
          (::framework::detail::Receiver<TMyClass>(r).*pm)();               \
          return ::framework::TResult{0};                                   \
        }                                                                   \
  }

#define EV_COMMAND_ENABLE(id, method)                                                        \
  ::framework::TResponseEntry {                                                              \
    ::framework::TEventKind::CommandEnable, static_cast<unsigned>(id), 0,                    \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs& a) {                \
          constexpr void (TMyClass::*pm)(::framework::TCommandEnabler&) = &TMyClass::method; \
          (::framework::detail::Receiver<TMyClass>(r).*pm)(*a.enabler);                      \
          return ::framework::TResult{0};                                                    \
        }                                                                                    \
  }

#define EV_MESSAGE(msg, method)                                                        \
  ::framework::TResponseEntry {                                                        \
    ::framework::TEventKind::Message, static_cast<unsigned>(msg), 0,                   \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs& a) {          \
          constexpr ::framework::TResult (TMyClass::*pm)(                              \
              ::framework::TParam1, ::framework::TParam2) = &TMyClass::method;         \
          return (::framework::detail::Receiver<TMyClass>(r).*pm)(a.param1, a.param2); \
        }                                                                              \
  }

#define EV_CHILD_NOTIFY(id, notifyCode, method)                                                    \
  ::framework::TResponseEntry {                                                                    \
    ::framework::TEventKind::Notify, static_cast<unsigned>(id), static_cast<unsigned>(notifyCode), \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs&) {                        \
          constexpr void (TMyClass::*pm)() = &TMyClass::method;                                    \
          (::framework::detail::Receiver<TMyClass>(r).*pm)();                                      \
          return ::framework::TResult{0};                                                          \
        }                                                                                          \
  }

// The erase-background message: bool EvEraseBkgnd(HDC). True means the
// handler has painted the background and nothing else should.
#define EV_WM_ERASEBKGND                                                                   \
  ::framework::TResponseEntry {                                                            \
    ::framework::TEventKind::Message, ::framework::WM_ERASEBKGND, 0,                       \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs& a) {              \
          constexpr bool (TMyClass::*pm)(::framework::HDC) = &TMyClass::EvEraseBkgnd;      \
          return ::framework::TResult{(::framework::detail::Receiver<TMyClass>(r).*        \
                                       pm)(reinterpret_cast<::framework::HDC>(a.param1))}; \
        }                                                                                  \
  }

// void EvDestroy(): the window is going; its controls still exist.
#define EV_WM_DESTROY                                                       \
  ::framework::TResponseEntry {                                             \
    ::framework::TEventKind::Message, ::framework::WM_DESTROY, 0,           \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs&) { \
          constexpr void (TMyClass::*pm)() = &TMyClass::EvDestroy;          \
          (::framework::detail::Receiver<TMyClass>(r).*pm)();               \
          return ::framework::TResult{0};                                   \
        }                                                                   \
  }

// void EvClose(): a close request (the window's close box, or WM_CLOSE sent).
#define EV_WM_CLOSE                                                         \
  ::framework::TResponseEntry {                                             \
    ::framework::TEventKind::Message, ::framework::WM_CLOSE, 0,             \
        [](::framework::TEventHandler& r, const ::framework::TEventArgs&) { \
          constexpr void (TMyClass::*pm)() = &TMyClass::EvClose;            \
          (::framework::detail::Receiver<TMyClass>(r).*pm)();               \
          return ::framework::TResult{0};                                   \
        }                                                                   \
  }
