// Asked of the response tables before a command is offered (a menu opening):
// a handler registered with EV_COMMAND_ENABLE decides whether the command is
// available now. The framework applies the answer to the menu item.
#pragma once

namespace framework {

class TCommandEnabler {
 public:
  explicit TCommandEnabler(unsigned id) : id_(id) {}
  virtual ~TCommandEnabler() = default;

  unsigned GetId() const { return id_; }
  virtual void Enable(bool enable = true) {
    enabled_ = enable;
    handled_ = true;
  }
  bool IsEnabled() const { return enabled_; }
  // Whether some handler answered; when none did, the framework enables the
  // command exactly when some handler would receive it.
  bool WasHandled() const { return handled_; }

 private:
  unsigned id_;
  bool enabled_ = true;
  bool handled_ = false;
};

}  // namespace framework
