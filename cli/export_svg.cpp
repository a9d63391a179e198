#include "cli/export_svg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "cli/export_summary.h"
#include "cli/xml_text.h"

namespace fotovuelo::exports {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadian = kPi / 180.0;

// Room for the block and for the legend, in pixels.
constexpr double kMargin = 30;
constexpr double kMaxDrawingWidth = 820;
constexpr double kMaxDrawingHeight = 700;
constexpr double kLegendWidth = 330;
constexpr double kLegendLine = 18;

// One colour per strip, repeating: neighbouring strips differ, so the side
// overlap reads as a band of mixed colour.
constexpr std::array<const char*, 6> kStripColours = {"#1f6fb4", "#d0412a", "#2a9d3a",
                                                      "#8e5bb8", "#e08a00", "#11a0b3"};

struct Point {
  double east;   // metres
  double north;  // metres
};

// A plane tangent to the ellipsoid at the start point: east and north in
// metres from the radii of curvature there. Good to a few parts in a
// thousand across a block of twenty photographs, which is all a picture needs.
class LocalPlane {
 public:
  LocalPlane(double latitude, double longitude, double a, double e2)
      : latitude_(latitude), longitude_(longitude) {
    const double s = std::sin(latitude * kRadian);
    const double w = std::sqrt(1 - e2 * s * s);
    meridian_ = a * (1 - e2) / (w * w * w);
    parallel_ = a / w * std::cos(latitude * kRadian);
  }

  Point operator()(double latitude, double longitude) const {
    double dlon = std::fmod(longitude - longitude_ + 540.0, 360.0) - 180.0;
    if (dlon < -180)
      dlon += 360;
    return {dlon * kRadian * parallel_, (latitude - latitude_) * kRadian * meridian_};
  }

 private:
  double latitude_, longitude_;
  double meridian_;  // radius of curvature in the meridian, m
  double parallel_;  // radius of the parallel, m
};

std::string Num(double v) {
  char text[48];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 2);
  if (ec != std::errc())
    return "0";
  std::string s(text, end);
  if (s == "-0.00")
    s = "0.00";
  return s;
}

// 1, 2 or 5 times a power of ten, at most `metres`.
double RoundLength(double metres) {
  if (!(metres > 0))
    return 1;
  const double power = std::pow(10.0, std::floor(std::log10(metres)));
  for (const double step : {5.0, 2.0, 1.0}) {
    if (step * power <= metres)
      return step * power;
  }
  return power;
}

std::string LengthText(double metres) {
  char text[32];
  if (metres >= 1000) {
    const auto [end, ec] = std::to_chars(text, text + sizeof text, metres / 1000);
    return std::string(text, end) + " km";
  }
  const auto [end, ec] = std::to_chars(text, text + sizeof text, metres);
  return std::string(text, end) + " m";
}

class Drawing {
 public:
  explicit Drawing(const FlightExport& flight) : flight_(flight) {
    const FlightInputs& in = flight.inputs();
    const FlightParameters& p = flight.parameters();
    const ExportedCentre& start = flight.centres.front();
    const LocalPlane plane(start.latitude, start.longitude, p.a, p.e2);
    for (const ExportedCentre& c : flight.centres)
      centres_.push_back(plane(c.latitude, c.longitude));

    // Azimuths run clockwise from south: the lines head towards az, the
    // strips follow one another towards az + 90 (both in east-north terms).
    const double az = p.az * kRadian;
    along_ = {-std::sin(az), -std::cos(az)};
    across_ = {-std::cos(az), std::sin(az)};
    ground_length_ = std::fabs(static_cast<double>(in.Mf) * in.Ldimsr);
    ground_width_ = std::fabs(static_cast<double>(in.Mf) * in.Adimsr);

    double min_e = 0, max_e = 0, min_n = 0, max_n = 0;
    bool first = true;
    for (const Point& c : centres_) {
      for (const Point& corner : Footprint(c)) {
        if (first) {
          min_e = max_e = corner.east;
          min_n = max_n = corner.north;
          first = false;
        }
        min_e = std::min(min_e, corner.east);
        max_e = std::max(max_e, corner.east);
        min_n = std::min(min_n, corner.north);
        max_n = std::max(max_n, corner.north);
      }
    }
    const double width = std::max(max_e - min_e, 1.0);
    const double height = std::max(max_n - min_n, 1.0);
    scale_ = std::min(kMaxDrawingWidth / width, kMaxDrawingHeight / height);
    min_e_ = min_e;
    max_n_ = max_n;
    drawing_width_ = width * scale_;
    drawing_height_ = height * scale_;
  }

  std::string Render() const {
    const std::vector<std::string> summary = SummaryLines(flight_);
    const double legend_x = kMargin + drawing_width_ + 2 * kMargin;
    const double legend_height = 60 + 90 + kLegendLine * (summary.size() + 6);
    // Whole pixels, so that a rendering has no half-transparent edge.
    const double width = std::ceil(legend_x + kLegendWidth + kMargin);
    const double height =
        std::ceil(std::max(kMargin + drawing_height_ + 90, kMargin + legend_height + kMargin));

    std::string out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(width) +
           "\" height=\"" + Num(height) + "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) +
           "\" font-family=\"DejaVu Sans, Liberation Sans, Arial, sans-serif\">\n";
    out += "  <title>Fotovuelo flight block</title>\n";
    out += "  <desc>" + XmlEscaped(SummaryText(flight_, "; ")) +
           "; drawn in a local plane around the start point, north up</desc>\n";
    out += "  <defs>\n";
    out +=
        "    <marker id=\"heading\" viewBox=\"0 0 10 10\" refX=\"5\" refY=\"5\" "
        "markerWidth=\"7\" markerHeight=\"7\" orient=\"auto\">"
        "<path d=\"M0,0 L10,5 L0,10 z\" fill=\"#333\"/></marker>\n";
    out += "  </defs>\n";
    out += "  <rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    RenderFootprints(out);
    RenderStrips(out);
    RenderCentres(out);
    RenderScaleBar(out);
    RenderLegend(out, legend_x, summary);
    out += "</svg>\n";
    return out;
  }

 private:
  std::array<Point, 4> Footprint(const Point& c) const {
    const double l = ground_length_ / 2, w = ground_width_ / 2;
    auto at = [&](double sl, double sw) {
      return Point{c.east + sl * l * along_.east + sw * w * across_.east,
                   c.north + sl * l * along_.north + sw * w * across_.north};
    };
    return {at(-1, -1), at(1, -1), at(1, 1), at(-1, 1)};
  }

  double X(const Point& p) const { return kMargin + (p.east - min_e_) * scale_; }
  double Y(const Point& p) const { return kMargin + (max_n_ - p.north) * scale_; }
  std::string Xy(const Point& p) const { return Num(X(p)) + "," + Num(Y(p)); }

  static const char* Colour(int strip) {
    return kStripColours[static_cast<std::size_t>(strip - 1) % kStripColours.size()];
  }

  // Labels as large as the spacing of the centres allows, within reason.
  double LabelSize() const {
    const FlightParameters& p = flight_.parameters();
    double spacing = std::fabs(static_cast<double>(p.bm)) * scale_;
    if (flight_.strips > 1)
      spacing = std::min(spacing, std::fabs(static_cast<double>(p.am)) * scale_);
    return std::clamp(spacing * 0.3, 7.0, 13.0);
  }

  void RenderFootprints(std::string& out) const {
    out += "  <g id=\"footprints\" stroke-width=\"1\">\n";
    for (std::size_t k = 0; k < centres_.size(); ++k) {
      const int strip = flight_.centres[k].strip;
      std::string points;
      for (const Point& corner : Footprint(centres_[k])) {
        if (!points.empty())
          points += ' ';
        points += Xy(corner);
      }
      out += "    <polygon class=\"footprint\" points=\"" + points + "\" fill=\"" + Colour(strip) +
             "\" fill-opacity=\"0.13\" stroke=\"" + Colour(strip) +
             "\" stroke-opacity=\"0.55\"/>\n";
    }
    out += "  </g>\n";
  }

  void RenderStrips(std::string& out) const {
    out += "  <g id=\"strips\" fill=\"none\" stroke-width=\"2\">\n";
    for (int strip = 1; strip <= flight_.strips; ++strip) {
      if (flight_.exposures_per_strip < 2)
        continue;
      std::string points;
      const std::size_t first = static_cast<std::size_t>(strip - 1) * flight_.exposures_per_strip;
      for (int i = 0; i < flight_.exposures_per_strip; ++i) {
        if (!points.empty())
          points += ' ';
        points += Xy(centres_[first + i]);
      }
      out += "    <polyline class=\"strip\" points=\"" + points + "\" stroke=\"" + Colour(strip) +
             "\" marker-end=\"url(#heading)\"/>\n";
    }
    out += "  </g>\n";
  }

  void RenderCentres(std::string& out) const {
    const double size = LabelSize();
    const double r = std::clamp(size * 0.3, 2.0, 4.0);
    out += "  <g id=\"centres\" font-size=\"" + Num(size) + "\">\n";
    for (std::size_t k = 0; k < centres_.size(); ++k) {
      const ExportedCentre& c = flight_.centres[k];
      const double x = X(centres_[k]), y = Y(centres_[k]);
      out += "    <circle class=\"centre\" cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"" +
             Num(r) + "\" fill=\"#222\"><title>" +
             XmlEscaped(c.label + ": " + c.latitude_dms + " " + c.longitude_dms) +
             "</title></circle>\n";
      out += "    <text class=\"label\" x=\"" + Num(x + r + 1) + "\" y=\"" + Num(y - r - 1) +
             "\" fill=\"#111\">" + XmlEscaped(c.label) + "</text>\n";
    }
    const Point& start = centres_.front();
    out += "    <circle class=\"start\" cx=\"" + Num(X(start)) + "\" cy=\"" + Num(Y(start)) +
           "\" r=\"" + Num(r * 2.5) + "\" fill=\"none\" stroke=\"#000\" stroke-width=\"1.5\"/>\n";
    out += "  </g>\n";
  }

  void RenderScaleBar(std::string& out) const {
    const double metres = RoundLength(drawing_width_ / 3 / scale_);
    const double length = metres * scale_;
    const double x = kMargin, y = kMargin + drawing_height_ + 30;
    out += "  <g id=\"scale-bar\" font-size=\"12\">\n";
    for (int k = 0; k < 4; ++k) {
      out += "    <rect x=\"" + Num(x + k * length / 4) + "\" y=\"" + Num(y) + "\" width=\"" +
             Num(length / 4) + "\" height=\"6\" fill=\"" + (k % 2 ? "white" : "black") +
             "\" stroke=\"black\"/>\n";
    }
    out += "    <text x=\"" + Num(x) + "\" y=\"" + Num(y + 20) +
           "\" text-anchor=\"middle\">0</text>\n";
    out += "    <text x=\"" + Num(x + length) + "\" y=\"" + Num(y + 20) +
           "\" text-anchor=\"middle\">" + LengthText(metres) + "</text>\n";
    out += "    <text x=\"" + Num(x) + "\" y=\"" + Num(y + 40) +
           "\" fill=\"#555\">Local plane around the start point, north up</text>\n";
    out += "  </g>\n";
  }

  void RenderLegend(std::string& out, double x, const std::vector<std::string>& summary) const {
    const FlightInputs& in = flight_.inputs();
    double y = kMargin + 16;
    out += "  <g id=\"legend\" font-size=\"12\">\n";
    out += "    <text x=\"" + Num(x) + "\" y=\"" + Num(y) +
           "\" font-size=\"16\" font-weight=\"bold\">Flight block</text>\n";
    // North arrow, at the legend's top right.
    const double nx = x + kLegendWidth - 30, ny = kMargin;
    out += "    <g id=\"north-arrow\"><path d=\"M" + Num(nx) + "," + Num(ny + 8) + " L" +
           Num(nx + 9) + "," + Num(ny + 44) + " L" + Num(nx) + "," + Num(ny + 36) + " L" +
           Num(nx - 9) + "," + Num(ny + 44) + " z\" fill=\"#000\"/><text x=\"" + Num(nx) +
           "\" y=\"" + Num(ny + 4) +
           "\" text-anchor=\"middle\" font-size=\"14\" font-weight=\"bold\">N</text></g>\n";
    y += 2 * kLegendLine;
    for (const std::string& line : summary) {
      out +=
          "    <text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\">" + XmlEscaped(line) + "</text>\n";
      y += kLegendLine;
    }
    y += kLegendLine;
    // Symbols.
    const std::string footprint =
        "Photograph on the ground, " +
        ReportNumber(static_cast<float>(static_cast<double>(in.Mf) * in.Ldimsr)) + " x " +
        ReportNumber(static_cast<float>(static_cast<double>(in.Mf) * in.Adimsr)) + " m";
    out += "    <rect x=\"" + Num(x) + "\" y=\"" + Num(y - 11) +
           "\" width=\"24\" height=\"14\" fill=\"" + Colour(1) +
           "\" fill-opacity=\"0.13\" stroke=\"" + Colour(1) + "\" stroke-opacity=\"0.55\"/>\n";
    out += "    <text x=\"" + Num(x + 34) + "\" y=\"" + Num(y) + "\">" + XmlEscaped(footprint) +
           "</text>\n";
    y += kLegendLine + 4;
    out += "    <line x1=\"" + Num(x) + "\" y1=\"" + Num(y - 4) + "\" x2=\"" + Num(x + 20) +
           "\" y2=\"" + Num(y - 4) + "\" stroke=\"" + Colour(1) +
           "\" stroke-width=\"2\" marker-end=\"url(#heading)\"/>\n";
    out += "    <text x=\"" + Num(x + 34) + "\" y=\"" + Num(y) +
           "\">Strip, in the direction of flight</text>\n";
    y += kLegendLine + 4;
    out += "    <circle cx=\"" + Num(x + 12) + "\" cy=\"" + Num(y - 4) +
           "\" r=\"3\" fill=\"#222\"/>\n";
    out += "    <text x=\"" + Num(x + 34) + "\" y=\"" + Num(y) +
           "\">Exposure centre: \u00d832 is exposure 3 of strip 2</text>\n";
    y += kLegendLine + 4;
    out += "    <circle cx=\"" + Num(x + 12) + "\" cy=\"" + Num(y - 4) +
           "\" r=\"7\" fill=\"none\" stroke=\"#000\" stroke-width=\"1.5\"/>\n";
    out += "    <text x=\"" + Num(x + 34) + "\" y=\"" + Num(y) + "\">Start point</text>\n";
    out += "  </g>\n";
  }

  const FlightExport& flight_;
  std::vector<Point> centres_;  // in the report's order
  Point along_{}, across_{};    // unit vectors: direction of flight, next strip
  double ground_length_ = 0;    // footprint along the line, m
  double ground_width_ = 0;     // footprint across the line, m
  double scale_ = 1;            // pixels per metre
  double min_e_ = 0, max_n_ = 0;
  double drawing_width_ = 0, drawing_height_ = 0;
};

}  // namespace

std::string Svg(const FlightExport& flight) {
  if (flight.centres.empty())
    return {};
  return Drawing(flight).Render();
}

}  // namespace fotovuelo::exports
