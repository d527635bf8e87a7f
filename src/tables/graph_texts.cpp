#include "tables/graph_texts.h"

#include "astro/format.h"

namespace lumtar::tables {

namespace {

struct Pair {
  const char* german;
  const char* english;
};

constexpr Pair kTexts[] = {
    {"Zeitgleichung ", "Equation of time "},
    {"Sonnenstandsdiagramm ", "Sun path diagram "},
    {"Breite ", "Latitude "},
    {"L\xC3\xA4nge ", "Longitude "},
    {"Zonenmeridian ", "Zone meridian "},
    {"Azimut", "Azimuth"},
    {"Sonnenh\xC3\xB6he", "Altitude"},
    {"Stundenlinien: wahre Ortszeit", "Hour lines: local apparent time"},
    {"Stundenschleifen: mittlere Ortszeit", "Hour loops: local mean time"},
    {"Stundenschleifen: Zonenzeit (ohne Sommerzeit)",
     "Hour loops: zone time (no DST)"},
    {"Besonnung der Ebene: Abweichung ", "Sunshine on the plane: declination "},
    {", Neigung ", ", inclination "},
    {"Erstes und letztes Sonnenlicht (wahre Ortszeit):",
     "First and last sunlight (local apparent time):"},
    {"H\xC3\xB6henprofil", "Horizon profile"},
    {"min", "min"},
};

}  // namespace

std::string_view GraphTextOf(GraphText text, texts::Language language) {
  const Pair& p = kTexts[static_cast<int>(text)];
  return language == texts::Language::kGerman ? p.german : p.english;
}

std::string_view CompassLetter(int azimuth, texts::Language language) {
  switch (azimuth) {
    case 0:
      return "S";
    case 90:
      return "W";
    case 180:
    case -180:
      return "N";
    case -90:
      return language == texts::Language::kGerman ? "O" : "E";
    default:
      return "";
  }
}

std::string Degrees(double value, int decimals) {
  std::string s = astro::FormatFixed(decimals, decimals, value);
  s.erase(0, s.find_first_not_of(' '));
  return s + "\xC2\xB0";
}

std::string SiteLine(double latitude, double longitude, double zone_meridian,
                     texts::Language language) {
  return std::string(GraphTextOf(GraphText::kLatitude, language)) +
         Degrees(latitude, 2) + "   " +
         std::string(GraphTextOf(GraphText::kLongitude, language)) +
         Degrees(longitude, 2) + "   " +
         std::string(GraphTextOf(GraphText::kZoneMeridian, language)) +
         Degrees(zone_meridian, 1);
}

}  // namespace lumtar::tables
