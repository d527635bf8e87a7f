#include "app/palette.h"

#include <algorithm>
#include <cmath>

#include "texts/text_table.h"

namespace lumtar::app {

void ResetColours(model::Model& model) { model.Colors = model::kDefaultColors; }

std::uint8_t ColourRoleBlockForKind(char kind) {
  switch (kind) {
    case 'q':
      return 12;
    case 'a':
      return 24;
    case 'z':
    case 'k':
      return 36;
    case 'r':
      return 48;
    case 'c':
      return 60;
    case 'm':
      return 72;
    case 'w':
    case 'p':
      return 84;
    default:
      return 0;  // h, v, i and the kinds without construction
  }
}

void UpdateColourRoleBlock(model::Model& model) {
  model.ColourRoleBlock = ColourRoleBlockForKind(model.DialKind);
}

std::string_view ColourPanelTitle(char kind, bool umbrella,
                                  texts::Language language) {
  int id = 1701;
  switch (kind) {
    case 'q':
      id = 1703;
      break;
    case 'a':
      id = 1727;
      break;
    case 'z':
      id = 1704;
      break;
    case 'k':
      id = 1705;
      break;
    case 'r':
      id = 1706;
      break;
    case 'c':
      id = 1707;
      break;
    case 'm':
      id = 1708;
      break;
    case 'w':
    case 'p':
      id = 1728;
      break;
    default:
      id = umbrella ? 1702 : 1701;
      break;
  }
  return texts::RawText(id, language);
}

std::string ColourPanelHeading(const model::Model& model) {
  std::string h = " " + std::string(texts::RawText(1709, model.Language));
  h += ColourPanelTitle(model.DialKind, model.selectors.UmbrellaFlag != 0,
                        model.Language);
  h += ":";
  return h;
}

namespace {

// Twelve rows per dial family, in the order of the role blocks.
constexpr ColourRole kRoles[96] = {
    // Planar dials.
    {"1", "= Deklinationslinien", "= declination lines"},
    {"2", "= volle Stunden mit ZGL", "= full hours with EoT"},
    {"3", "= volle Stunden ohne ZGL", "= full hours without EoT"},
    {"4", "= Text", "= text"},
    {"5", "= Linien f\xC3\xBCr Sonnenh\xC3\xB6he", "= lines for sun altitude"},
    {"6", "= Italienische Stunden", "= Italian hours"},
    {"7", "= Babylonische Stunden", "= Babylonian hours"},
    {"8", "= Stundenlinien f\xC3\xBCr Teilstunden",
     "= hour lines for not full hours"},
    {"9", "= Gitter (Koordinaten)", "= grid (coordinates)"},
    {"10", "= Temporalstunden", "= temporal hours"},
    {"11", "= K\xC3\xBCstenlinien", "= coast lines"},
    {"12", "= Grenzen", "= boundaries"},
    // Altitude dials.
    {"1", "= Winkelmesser, B\xC3\xB6gen", "= protractor, arcs"},
    {"2", "= Stundenlinien (volle Stunden)", "= hour lines (full hours)"},
    {"", "   ( 3 = f\xC3\xBCr Teile der Stunde)",
     "   ( 3 = for parts of the single hour)"},
    {"3", "= Stundenlinien zwischen vollen Stunden",
     "= hour lines between full hours"},
    {"4", "= Text", "= text"},
    {"5", "= Azimutlinien (Gunter)", "= azimuth lines (Gunter)"},
    {"6", "= B\xC3\xB6gen f\xC3\xBCr verschiedene Daten",
     "= arcs for different dates"},
    {"7", "= Azimutlinien (Gunter)", "= azimuth lines (Gunter)"},
    {"8", "= B\xC3\xB6gen f\xC3\xBCr verschiedene Daten",
     "= arcs for different dates"},
    {"10", "= Temporalstunden (volle Stunden)",
     "= temporal hours (full hours)"},
    {"", "   ( 3 = f\xC3\xBCr Teile der Temporalstunde)",
     "   ( 3 = for parts of the temporal hour)"},
    {"11,12", "= Hintergrund der Skalen", "= scales background"},
    // Azimuthal dials.
    {"1", "= Babylonische Stundenlinien (voll)",
     "= Babylonian hour lines (full)"},
    {"2", "= Ortszeit (volle Stunden)", "= local time (full hours)"},
    {"3", "= Stundenlinien zwischen vollen Stunden",
     "= hour lines in between full hours"},
    {"4", "= Text, Winkelmesser", "= text, protractor"},
    {"5", "= Linien Sonnenuntergang/-aufgang", "= lines sunset/sunrise"},
    {"6, 7", "= B\xC3\xB6gen (f\xC3\xBCr Daten)", "= arcs (for dates)"},
    {"8", "= Temporalstunden", "= temporal hours"},
    {"9", "= farbiger Kreisring (nur Bildschirm), Gitter (Koordinaten)",
     "= colored circle ring (only screen), grid (co-ordinates)"},
    {"10", "= Italienische Stundenlinien (voll) 3 = Zwischenzeiten",
     "= Italian hour lines (full) 3 = times in between"},
    {"11", "= Horizontprofil (Skyline)", "= horizon profile (skyline)"},
    {"", "", ""},
    {"", "", ""},
    // Cylinder and horizontal altitude dials.
    {"1", "= Gitter mit Daten", "= grid with dates"},
    {"2", "= Stundenlinien vormittags (volle Stunden)",
     "= hour lines a.m. (full hours)"},
    {"3", "= Stundenlinien nachmittags (volle Stunden)",
     "= hour lines p.m. (full hours)"},
    {"4", "= Text, Datumslinien", "= text, date lines"},
    {"5", "= Zwischenstunden vormittags // Ital. Stunden",
     "= for hours in between a.m. // Ital. Hours"},
    {"6", "= Zwischenstunden nachmittags // Babyl. Stunden",
     "= for hours in between p.m.// Babyl. Hours"},
    {"8", "= Skala f\xC3\xBCr Sonnenh\xC3\xB6he", "= scale for Sun altitude"},
    {"10", "= Temporalstunden", "= temporal hours"},
    {"", "   ( 9 = f\xC3\xBCr Teile der Temporalstunden)",
     "   ( 9 = for parts of temporal hours)"},
    {"1", "= Winkelmesser, B\xC3\xB6gen", "= protractor, arcs"},
    {"", "", ""},
    {"", "", ""},
    // Ring dial.
    {"1", "= Text", "= text"},
    {"2", "= Stundenlinien (volle Stunden)", "= hour lines (full hours)"},
    {"3", "= Stundenlinien zwischen vollen Stunden",
     "= hour lines between full hours"},
    {"4", "= Datumslinien (Tierkreis)", "= date lines (Zodiac)"},
    {"5,9", "= Italienische Stunden (volle, Teile)",
     "= Italian Hours (full hours, parts)"},
    {"6,9", "= Babylon. Stunden (volle, Teile)",
     "= Babylon. (full hours,parts)"},
    {"8", "= Linie f\xC3\xBCr Sonnenauf-/untergang", "= Line for Sun rise/set"},
    {"10", "= Temporalstunden (volle Stunden)",
     "= temporal hours (full hours)"},
    {"", "   ( 3 = f\xC3\xBCr Teile der Temporalstunde)",
     "   ( 3 = for parts of the temporal hour)"},
    {"", "", ""},
    {"", "", ""},
    {"", "", ""},
    // Compressed dial.
    {"2", "= Stundenlinien (volle Stunden)", "= hour lines (full hours)"},
    {"3", "= Stundenlinien zwischen vollen Stunden",
     "= hour lines between full hours"},
    {"4", "= Text", "= text"},
    {"5", "= Stundenlinien mit ZGL", "= hour lines with Eot"},
    {"6", "= Datumslinien (Tierkreis)", "= date lines (Zodiac)"},
    {"7", "= Datumslinien", "= date lines"},
    {"11", "= K\xC3\xBCstenlinien", "= coast lines"},
    {"12", "= Grenzen", "= boundaries"},
    {"", "", ""},
    {"", "", ""},
    {"", "", ""},
    {"", "", ""},
    // Mean-time dial.
    {"1", "= Text", "= text"},
    {"2", "= Stundenlinien (volle Stunden)", "= hour lines (full hours)"},
    {"3", "= Stundenlinien zwischen vollen Stunden",
     "= hour lines between full hours"},
    {"4", "= Schattenkegel (Position)", "= shadow con(position)"},
    {"6", "= Datumslinien", "= date lines"},
    {"7", "= Datumslinien", "= date lines"},
    {"11", "= K\xC3\xBCstenlinien", "= coast lines"},
    {"12", "= Grenzen", "= boundaries"},
    {"", "", ""},
    {"", "", ""},
    {"", "", ""},
    {"", "", ""},
    // Sawyer and Peaucellier dials.
    {"1", "= Datumslinien", "= date lines"},
    {"2", "= Datumslinien", "= date lines"},
    {"3", "= Stundenlinien (volle Stunden)", "= hour lines (full hours)"},
    {"4", "= Text", "= text"},
    {"5", "= Datumslinien zwischen vollen Monaten",
     "= date lines between full months"},
    {"6", "= Datumslinien", "= date lines"},
    {"7", "= Datumslinien", "= date lines"},
    {"8", "= Stundenlinien zwischen vollen Stunden",
     "= hour lines between full hours"},
    {"9", "", ""},
    {"", "", ""},
    {"", "", ""},
    {"", "", ""},
};

}  // namespace

ColourRole ColourRoleRow(int row) {
  if (row < 1 || row > 96) return {"", "", ""};
  return kRoles[row - 1];
}

PanelRow ColourPanelRow(const model::Model& model, int i) {
  const ColourRole r = ColourRoleRow(model.ColourRoleBlock + i);
  return {r.number,
          model.Language == texts::Language::kGerman ? r.german : r.english};
}

void PickColour(model::Model& model, int n, std::uint32_t colour) {
  if (n < 1 || n > 12) return;
  model.Colors[n - 1] = colour & 0xFFFFFF;
  if (model.ColourRoleBlock > 60 && n == 10) model.Colors[11] = model.Colors[9];
}

void SetLineWidth(model::Model& model, int k) {
  model.LineWidth = std::clamp(k, 0, 2) + 1;
}

int PaletteLineY(int i, int image_height) {
  return static_cast<int>(
             std::nearbyint(i * 2.0 * image_height / 21.35 / 1.14)) +
         8;
}

}  // namespace lumtar::app
