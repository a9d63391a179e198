// The data summary: a Spanish listing of what the flight data record holds,
// shown above the last computation report.
#pragma once

#include <string>

#include "entry/t_transfer_struct.h"

namespace fotovuelo::reports {

// The summary of the record, Windows-1252 with CR LF.
std::string DataSummary(const TTransferStruct& record);

}  // namespace fotovuelo::reports
