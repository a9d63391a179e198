#include "app/t_transfer_app.h"

#include "app/t_transfer_window.h"
#include "compute/cp1252.h"
#include "framework/t_frame_window.h"
#include "resources/ids.h"
#include "resources/module.h"

using fotovuelo::cp1252::operator""_cp1252;
namespace res = fotovuelo::res;

namespace {
// Two blanks before the hyphen.
constexpr std::string_view kCaption =
    "Programación de un Vuelo Fotogramétrico  -por Brundak"_cp1252;
}  // namespace

TTransferApp::TTransferApp() : framework::TApplication("", &res::ProgramModule()) {}

TTransferApp::~TTransferApp() = default;

void TTransferApp::InitMainWindow() {
  auto* client = new TTransferWindow(nullptr);
  const std::string caption(kCaption);
  auto* frame = new framework::TFrameWindow(nullptr, caption.c_str(), client, false);
  frame->AssignMenu(res::kMainMenu);
  frame->SetIcon(GetModule(), res::kFrameIcon);
  SetMainWindow(frame);
  EnableCtl3d(true);
}
