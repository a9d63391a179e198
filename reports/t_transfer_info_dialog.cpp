#include "reports/t_transfer_info_dialog.h"

#include <algorithm>
#include <cstring>

#include "compute/report.h"

namespace {

// At least what the user could always type; never less than the summary and
// the report together, so that nothing of either is cut.
unsigned DisplayLimit(const std::string& info) {
  const std::size_t report = strnlen(fotovuelo::buffer_Tesmara, fotovuelo::kReportBufferSize);
  return static_cast<unsigned>(std::max<std::size_t>(30000, info.size() + report + 1));
}

}  // namespace

TTransferInfoDialog::TTransferInfoDialog(framework::TWindow* parent, framework::TResId resId,
                                         std::string& info)
    : framework::TDialog(parent, resId),
      DisplayInfo(new framework::TEdit(this, 301, DisplayLimit(info))),
      Info(info) {
  // The text is set in SetupWindow; the field takes no part in transfers.
  DisplayInfo->DisableTransfer();
}

TTransferInfoDialog::~TTransferInfoDialog() = default;

void TTransferInfoDialog::SetupWindow() {
  framework::TDialog::SetupWindow();
  const std::size_t report = strnlen(fotovuelo::buffer_Tesmara, fotovuelo::kReportBufferSize);
  DisplayInfo->SetText(std::string_view(fotovuelo::buffer_Tesmara, report));
  // Setting the text leaves the caret at the start: the summary goes first
  // and the report, which begins with its own line break, follows.
  DisplayInfo->Insert(Info);
}
