// "&Calcular" without a window: read the form, compute the flight and its
// exposure centres, write the report.
#pragma once

#include <cstddef>
#include <optional>

#include "compute/exposure_centres.h"
#include "compute/flight_form.h"
#include "compute/flight_parameters.h"
#include "compute/refusal.h"
#include "compute/report.h"

namespace fotovuelo {

// Everything one run computes.
struct FlightResult {
  FlightInputs inputs;
  FlightParameters parameters;
  ExposureCentres centres;
};

// Reads the form and computes; writes nothing. On refusal `result` holds no
// meaning.
std::optional<Refusal> ComputeFlight(const FlightForm& form, FlightResult& result);

// The whole command: computes and, when the input is inside the computation's
// domain, writes the report into the buffer (buffer_Tesmara unless told
// otherwise). A refused run leaves the buffer exactly as it was.
std::optional<Refusal> Calculo(const FlightForm& form, char* buffer = buffer_Tesmara,
                               std::size_t capacity = kReportBufferSize);

}  // namespace fotovuelo
