// A frame: the top-level window with caption, menu bar and icon, around a
// client window that fills the rest. Menu commands go first to the client,
// then to the frame, then to the application.
#pragma once

#include "framework/t_window.h"

namespace framework {

class TFrameWindow : public TWindow {
 public:
  // The frame takes ownership of the client window.
  TFrameWindow(TWindow* parent, const char* title = nullptr, TWindow* clientWnd = nullptr,
               bool shrinkToClient = false, const TModule* module = nullptr);
  ~TFrameWindow() override;

  TWindow* GetClientWindow() const;
  // The menu and icon are taken from the frame's module; false, with a
  // message, when it has no such resource.
  bool AssignMenu(TResId menuId);
  bool SetIcon(const TModule* module, TResId iconId);

  bool RouteCommand(unsigned id) override;
  void RouteCommandEnable(TCommandEnabler& enabler) override;

 protected:
  bool CreateWindowObject() override;
  void SetupWindow() override;

 private:
  struct FrameState;
  std::unique_ptr<FrameState> state_;
};

}  // namespace framework
