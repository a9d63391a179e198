// A window: an object that owns its child objects, answers commands and
// messages through its response table, paints itself and may be connected to
// an on-screen window (its "window" below) from Create to Destroy. The object
// outlives its on-screen window: a dialog object stays a child of its parent
// after it is closed, until the parent object is deleted.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/response_table.h"
#include "framework/t_defs.h"

namespace framework {

class TApplication;
class TDC;
class TModule;

class TWindow : public TEventHandler {
 public:
  // The parent takes ownership: it deletes this object when it is deleted.
  // title is Windows-1252; module null means the parent's, or else the
  // application's.
  explicit TWindow(TWindow* parent, const char* title = nullptr, const TModule* module = nullptr);
  ~TWindow() override;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  TWindow* GetParent() const;
  // Moves the object to another owner (a frame adopting its client).
  void SetParent(TWindow* newParent);
  // Child objects in the order they were built: the order of creation and of
  // transfer.
  const std::vector<TWindow*>& GetChildren() const;
  // The control number this object is bound to in its parent's template, or 0.
  int GetId() const;
  const TModule* GetModule() const;
  TApplication* GetApplication() const;

  // Makes the on-screen window and its children's, then calls SetupWindow.
  // False, with a message on the error stream, when it cannot (a missing
  // resource, a control that does not match its template).
  virtual bool Create();
  bool IsWindow() const;
  virtual void ShowWindow(int showCommand);
  bool IsWindowVisible() const;
  void SetFocus();

  // Closes if CanClose agrees: the polite way to close.
  virtual void CloseWindow(int retVal = 0);
  // Asks every child with a window; a child that refuses says why itself.
  virtual bool CanClose();
  // Ends the on-screen window now: WM_DESTROY goes to this window and then to
  // its children, messages still queued for it are dropped. The object stays.
  virtual void Destroy(int retVal = 0);

  // SendMessage dispatches now and returns the handler's result (0 when none).
  // PostMessage queues the message; the message loop dispatches it later,
  // unless the window is destroyed first. False when there is no window.
  TResult SendMessage(TMsgId msg, TParam1 p1 = 0, TParam2 p2 = 0);
  bool PostMessage(TMsgId msg, TParam1 p1 = 0, TParam2 p2 = 0);

  // Sends a command the way a menu item or a button does. False when nothing
  // in the command's route handles it.
  virtual bool RouteCommand(unsigned id);
  // Asks the command's route whether it is available; see TCommandEnabler.
  virtual void RouteCommandEnable(TCommandEnabler& enabler);

  // Draws the window's contents after the background is erased.
  virtual void Paint(TDC& dc, bool erase, TRect& rect);
  TRect GetClientRect() const;
  // Repaints the whole window soon.
  void Invalidate();

  // Windows-1252.
  void SetCaption(std::string_view title);
  std::string GetCaption() const;

  // Transfer buffers. A transfer walks the children in creation order; each
  // child that takes part reads or writes its own field and moves on by the
  // field's size. The buffer's size bounds the walk: a child whose field
  // would not fit stops it, with a message, and nothing beyond the buffer is
  // touched. A control whose window is gone leaves its field as it is.
  // Returns the bytes walked.
  template <class T>
  void SetTransferBuffer(T& buffer) {
    SetTransferBuffer(static_cast<void*>(&buffer), sizeof(T));
  }
  void SetTransferBuffer(void* buffer, std::size_t size);
  void* GetTransferBuffer() const;
  template <class T>
  std::size_t Transfer(T& buffer, TTransferDirection direction) {
    return Transfer(static_cast<void*>(&buffer), sizeof(T), direction);
  }
  virtual std::size_t Transfer(void* buffer, std::size_t size, TTransferDirection direction);
  // Transfers the bound buffer, if any.
  virtual void TransferData(TTransferDirection direction);
  // Bytes this object's own field takes in a buffer; 0 for windows that do
  // not take part.
  virtual std::size_t TransferSize() const;
  void EnableTransfer();
  void DisableTransfer();
  bool IsTransferEnabled() const;

  // A message box owned by this window; returns the button pressed (IDOK...).
  int MessageBox(std::string_view text, std::string_view caption = {}, unsigned type = MB_OK);

  DECLARE_RESPONSE_TABLE(TWindow);

  struct Impl;
  // The framework's own view of the on-screen side.
  Impl& GetImpl() const { return *impl_; }

 protected:
  // Called once the on-screen window exists, before it is shown: creates
  // the children's windows. Overrides call the base first.
  virtual void SetupWindow();
  // Makes the on-screen window; the classes of the framework override it.
  virtual bool CreateWindowObject();
  // The on-screen window is going; dialogs end their modal loop here.
  virtual void ReleaseWindowObject(int retVal);

  void EvClose();
  void EvDestroy();

 private:
  void DestroyTree(int retVal, bool releaseOnScreen);
  std::unique_ptr<Impl> impl_;
};

}  // namespace framework
