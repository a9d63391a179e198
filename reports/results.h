// "&Resultados": the summary of the flight data record and the last report.
#pragma once

#include "entry/t_transfer_struct.h"
#include "framework/t_window.h"

class TTransferDialog;

namespace fotovuelo::reports {

// When the data form is open its controls are stored into the record first,
// and the record keeps them. Then the summary of the record and the last
// computation report are shown in the modal results dialog, owned by parent.
void ShowResults(framework::TWindow* parent, TTransferStruct& record, TTransferDialog* openForm);

}  // namespace fotovuelo::reports
