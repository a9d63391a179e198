// A dialog built from a template: modeless with Create, modal with Execute.
// Its controls are the child objects the constructor of a derived class
// builds (TEdit, TCheckBox, ...), each bound by number to a control of the
// template; template controls without an object (labels, frames, buttons)
// are shown all the same. Buttons send their number as a command.
//
// Commands of the dialog's own table: IDOK calls CmOk, which calls the
// virtual CloseWindow(IDOK); IDCANCEL (the Esc key) and a close request
// destroy the window with IDCANCEL without calling CloseWindow.
#pragma once

#include <memory>

#include "framework/t_module.h"
#include "framework/t_window.h"

namespace framework {

class TDialog : public TWindow {
 public:
  // The template comes from the module (the parent's, or the application's).
  TDialog(TWindow* parent, TResId resId, const TModule* module = nullptr);
  // The template is given directly and must outlive the dialog.
  TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate);
  ~TDialog() override;

  // Modeless: makes the window and its controls, fills the controls from the
  // transfer buffer, and shows the window if the template says visible.
  bool Create() override;
  // Modal: as Create, then runs until the window is destroyed. Returns the
  // value it was destroyed with, or -1 when it could not be created.
  virtual int Execute();
  bool IsModal() const;

  // Asks CanClose (every control, so every validator) and destroys the
  // window with retVal if all agree. It does not transfer: a dialog that
  // stores its controls does so in its override.
  void CloseWindow(int retVal = IDOK) override;
  void Destroy(int retVal = IDCANCEL) override;
  // The value the window was last destroyed with.
  int GetResult() const;

  const TDialogTemplate* GetTemplate() const;

  DECLARE_RESPONSE_TABLE(TDialog);

 protected:
  // Creates the controls' windows, then transfers the buffer into them.
  void SetupWindow() override;
  bool CreateWindowObject() override;
  void ReleaseWindowObject(int retVal) override;

  void CmOk();
  void CmCancel();
  void EvClose();

 private:
  struct DialogState;
  std::unique_ptr<DialogState> state_;
};

}  // namespace framework
