#include "reports/results.h"

#include <string>

#include "entry/t_transfer_dialog.h"
#include "reports/data_summary.h"
#include "reports/t_transfer_info_dialog.h"
#include "resources/ids.h"

namespace fotovuelo::reports {

void ShowResults(framework::TWindow* parent, TTransferStruct& record, TTransferDialog* openForm) {
  if (openForm != nullptr)
    openForm->Transfer(record, framework::tdGetData);
  std::string displayInfo = DataSummary(record);
  // A child of the parent for as long as it runs; deleting it takes it off
  // the parent's children.
  auto* dialog = new TTransferInfoDialog(parent, res::kResultsDialog, displayInfo);
  dialog->Execute();
  delete dialog;
}

}  // namespace fotovuelo::reports
