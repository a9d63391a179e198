// The application object: builds the main window, runs the message loop and
// ends it when the main window is destroyed. There is one at a time.
#pragma once

#include <memory>
#include <string>

#include "framework/response_table.h"

namespace framework {

class TFrameWindow;
class TModule;

class TApplication : public TEventHandler {
 public:
  // module holds the program's resources; windows look them up there.
  explicit TApplication(const char* name = nullptr, const TModule* module = nullptr);
  ~TApplication() override;
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // Called by Run when there is no main window yet.
  virtual void InitMainWindow();
  // Takes ownership.
  void SetMainWindow(TFrameWindow* window);
  TFrameWindow* GetMainWindow() const;

  // Creates and shows the main window, then dispatches messages until the
  // main window is destroyed. Returns the exit code given to PostQuitMessage
  // (0 when the main window closes), or 1 when there is no main window.
  int Run();
  void PostQuitMessage(int exitCode);

  // Controls are drawn in the style of the desktop, which is already
  // three-dimensional where the desktop is; accepted for the programs that ask.
  void EnableCtl3d(bool enable = true);

  const std::string& GetName() const;
  const TModule* GetModule() const;
  static TApplication* Current();

  DECLARE_RESPONSE_TABLE(TApplication);

 protected:
  void CmExit();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Prepares the platform with the program's arguments and calls the program's
// entry, returning its result: what main does.
int RunProgram(int argc, char** argv, int (*entry)(int, char**));

}  // namespace framework
