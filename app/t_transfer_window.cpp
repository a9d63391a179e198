#include "app/t_transfer_window.h"

#include "compute/cp1252.h"
#include "entry/t_transfer_dialog.h"
#include "framework/t_dc.h"
#include "reports/results.h"
#include "resources/ids.h"
#include "resources/module.h"

using fotovuelo::cp1252::operator""_cp1252;
namespace res = fotovuelo::res;

namespace {
constexpr std::size_t kLabelSize = 1024;
}

// clang-format off
DEFINE_RESPONSE_TABLE1(TTransferWindow, framework::TWindow)
  EV_COMMAND(res::kCmDatos, CmDialog),
  EV_COMMAND(res::kCmResultados, CmTransfer),
  EV_COMMAND_ENABLE(res::kCmDatos, CmDialogEnable),
  EV_MESSAGE(res::kWmDialogClosed, EvDialogClosed),
  EV_COMMAND(res::kCmAcerca, CmAcerca),
  EV_WM_ERASEBKGND,
END_RESPONSE_TABLE;
// clang-format on

TTransferWindow::TTransferWindow(framework::TWindow* parent)
    : framework::TWindow(parent),
      TransferStruct(),
      TransferDialog(nullptr),
      Label(std::make_unique<char[]>(kLabelSize)) {
  Label[0] = '\0';
}

TTransferWindow::~TTransferWindow() = default;

void TTransferWindow::Paint(framework::TDC&, bool, framework::TRect&) {}

void TTransferWindow::CmDialog() {
  TransferDialog = new TTransferDialog(this, res::kDataForm, TransferStruct);
  if (!TransferDialog->Create()) {
    // No window, so no message will come to clear it: forget the form now,
    // or "&Datos" would stay greyed for good.
    delete TransferDialog;
    TransferDialog = nullptr;
    MessageBox("No se pudo abrir el formulario de datos."_cp1252, "Control de Datos",
               framework::MB_OK | framework::MB_ICONEXCLAMATION);
    return;
  }
  TransferDialog->ShowWindow(framework::SW_SHOW);
}

// "&Resultados": the data summary and the results dialog belong to the
// reports layer, which gives this handler its body; until then the command
// is accepted and shows nothing.
void TTransferWindow::CmTransfer() {
  fotovuelo::reports::ShowResults(this, TransferStruct, TransferDialog);
}

void TTransferWindow::CmDialogEnable(framework::TCommandEnabler& commandHandler) {
  commandHandler.Enable(TransferDialog == nullptr);
}

void TTransferWindow::CmAcerca() {
  MessageBox(res::AboutText(), "  Información"_cp1252,
             framework::MB_OK | framework::MB_ICONINFORMATION);
}

framework::TResult TTransferWindow::EvDialogClosed(framework::TParam1, framework::TParam2) {
  // The form's window is gone and its destruction has finished, so the
  // object goes too: kept as a child until the program ends, every opening
  // would leave about 20 kB behind for the rest of the run.
  if (TransferDialog != nullptr && !TransferDialog->IsWindow())
    delete TransferDialog;
  TransferDialog = nullptr;
  return 1;
}

bool TTransferWindow::EvEraseBkgnd(framework::HDC hdc) {
  framework::TDC dc(hdc);
  dc.SetBkColor(framework::TColor{0, 0, 0});
  const framework::TRect client = GetClientRect();
  dc.ExtTextOut(0, 0, framework::ETO_OPAQUE, &client, "");
  return true;
}
