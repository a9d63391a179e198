// The main window's client: owns the flight data record for the whole run,
// opens the data form (one at a time), shows the About box and paints its
// area black.
#pragma once

#include <memory>

#include "entry/t_transfer_struct.h"
#include "framework/t_command_enabler.h"
#include "framework/t_window.h"

class TTransferDialog;

class TTransferWindow : public framework::TWindow {
 public:
  explicit TTransferWindow(framework::TWindow* parent);
  ~TTransferWindow() override;

  void Paint(framework::TDC& dc, bool erase, framework::TRect& rect) override;

  DECLARE_RESPONSE_TABLE(TTransferWindow);

  // The flight data record: what the data form shows and stores.
  TTransferStruct TransferStruct;
  // The data form open now, or null. Every form object is a child of this
  // window; one whose window has closed is deleted when its message arrives.
  TTransferDialog* TransferDialog;
  // 1024 characters holding the empty string for the window's whole life.
  std::unique_ptr<char[]> Label;

 protected:
  void CmDialog();
  void CmTransfer();
  void CmDialogEnable(framework::TCommandEnabler& commandHandler);
  void CmAcerca();
  framework::TResult EvDialogClosed(framework::TParam1, framework::TParam2);
  bool EvEraseBkgnd(framework::HDC hdc);
};
