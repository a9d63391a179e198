// Text and attribute values for the XML formats (KML, GPX, SVG).
#pragma once

#include <string>
#include <string_view>

namespace fotovuelo::exports {

// `text` (UTF-8) as character data: '&', '<' and '>' as entities, so that a
// typed letter or a label can never break the document. Quotes stay as they
// are, where a reader of the file expects them (40° 0' 0.000"N).
std::string XmlEscaped(std::string_view text);

// `text` as an attribute value between double quotes: quotes as entities too.
std::string XmlAttribute(std::string_view text);

}  // namespace fotovuelo::exports
