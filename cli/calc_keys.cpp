#include "cli/calc_keys.h"

#include <array>

#include "compute/char_set.h"

namespace fotovuelo::cli {

namespace {

constexpr std::array<CalcKey, 27> kKeys = {{
    {"scale", FormField::Mf},
    {"focal", FormField::f},
    {"sensor-length", FormField::LDIMSR},
    {"sensor-width", FormField::ADIMSR},
    {"forward-overlap", FormField::P},
    {"side-overlap", FormField::Q},
    {"area-length", FormField::L},
    {"area-width", FormField::A},
    {"shutter", FormField::VOBTU},
    {"cruise-speed", FormField::Vc},
    {"min-speed", FormField::Vmi},
    {"terrain-min", FormField::Cotmin},
    {"terrain-max", FormField::Cotmax},
    {"terrain-mean", FormField::Cotmed},
    {"lat-deg", FormField::Lat_g},
    {"lat-min", FormField::Lat_m},
    {"lat-sec", FormField::Lat_s},
    {"lon-deg", FormField::Lon_g},
    {"lon-min", FormField::Lon_m},
    {"lon-sec", FormField::Lon_s},
    {"az-deg", FormField::Az_g},
    {"az-min", FormField::Az_m},
    {"az-sec", FormField::Az_s},
    {"lat-hemisphere", FormField::Emis},
    {"lon-side", FormField::Gree},
    {"ellipsoid", std::nullopt},
    {"camera", std::nullopt},
}};

std::string Shown(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte == ' ')
    return "' ' (blank)";
  if (byte < 0x20 || byte == 0x7F) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("byte 0x") + kHex[byte >> 4] + kHex[byte & 0xF];
  }
  if (byte >= 0x80)
    return "a non-ASCII character";
  return std::string("'") + c + "'";
}

}  // namespace

const CalcKey* KeysBegin() {
  return kKeys.data();
}
const CalcKey* KeysEnd() {
  return kKeys.data() + kKeys.size();
}

const CalcKey* FindKey(std::string_view name) {
  for (const CalcKey& key : kKeys) {
    if (key.name == name)
      return &key;
  }
  return nullptr;
}

std::string_view KeyOf(FormField field) {
  for (const CalcKey& key : kKeys) {
    if (key.field == field)
      return key.name;
  }
  return {};
}

std::optional<std::string> ApplyKey(const CalcKey& key, std::string_view value, FormTexts& form) {
  const std::string option = "--" + std::string(key.name);
  if (!key.field) {
    unsigned* state = key.name == "ellipsoid" ? &form.wgs84 : &form.analogico;
    const std::string_view checked = key.name == "ellipsoid" ? "wgs84" : "analog";
    const std::string_view other = key.name == "ellipsoid" ? "hayford" : "digital";
    if (value != checked && value != other && value != "none") {
      return option + ": '" + std::string(value) + "' is not one of " + std::string(checked) +
             ", " + std::string(other) + ", none";
    }
    *state = value == checked ? 1 : 0;
    return std::nullopt;
  }
  const FormFieldInfo& info = FieldInfo(*key.field);
  const CharSet accepted(info.filter);
  for (const char c : value) {
    if (!accepted.Has(c)) {
      return option + ": " + Shown(c) + " is not accepted (the field takes \"" +
             std::string(info.filter) + "\")";
    }
  }
  const std::size_t limit = info.width - 1;
  if (value.size() > limit) {
    return option + ": '" + std::string(value) + "' is " + std::to_string(value.size()) +
           " characters long; the field takes at most " + std::to_string(limit);
  }
  form[*key.field] = std::string(value);
  return std::nullopt;
}

}  // namespace fotovuelo::cli
