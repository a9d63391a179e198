#include "compute/calculo.h"

namespace fotovuelo {

std::optional<Refusal> ComputeFlight(const FlightForm& form, FlightResult& result) {
  result.inputs = ReadForm(form);
  if (auto refusal = ComputeFlightParameters(result.inputs, result.parameters))
    return refusal;
  return ComputeExposureCentres(result.inputs, result.parameters, result.centres);
}

std::optional<Refusal> Calculo(const FlightForm& form, char* buffer, std::size_t capacity) {
  FlightResult result;
  if (auto refusal = ComputeFlight(form, result))
    return refusal;
  WriteReport(result.inputs, result.parameters, result.centres, buffer, capacity);
  return std::nullopt;
}

}  // namespace fotovuelo
