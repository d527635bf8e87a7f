#pragma once

#include <array>
#include <cstdint>

namespace lumtar::model {

// The parameter page of the parameter dialog that edits a dial kind.
enum class ParameterPage {
  kNone,        // the sun compass: no construction
  kPlanar,      // h, v, i
  kUmbrella,    // umbrella dials
  kAltitude,    // q
  kAzimuthal,   // a
  kCylinder,    // z
  kHidokei,     // k
  kRing,        // r
  kCompressed,  // c
  kMeanTime,    // m
  kSawyer,      // w, p
};

// One entry of the dial kind list, in list order.
struct KindEntry {
  int entry;
  char kind;    // for the umbrella entry the plane letter is chosen separately
  int text_id;  // German text id; the English text is text_id + 2000
  int help_context;  // 0: unchanged
  bool expert_only;
  ParameterPage page;
};

inline constexpr int kUmbrellaEntry = 3;
inline constexpr int kSunCompassEntry = 13;

inline constexpr std::array<KindEntry, 14> kKindEntries = {{
    {0, 'h', 183, 10, false, ParameterPage::kPlanar},
    {1, 'v', 184, 10, false, ParameterPage::kPlanar},
    {2, 'i', 185, 10, false, ParameterPage::kPlanar},
    {3, 'h', 186, 12, false, ParameterPage::kUmbrella},
    {4, 'q', 187, 13, false, ParameterPage::kAltitude},
    {5, 'a', 188, 18, false, ParameterPage::kAzimuthal},
    {6, 'z', 189, 17, false, ParameterPage::kCylinder},
    {7, 'k', 190, 19, false, ParameterPage::kHidokei},
    {8, 'r', 191, 20, false, ParameterPage::kRing},
    {9, 'c', 192, 212, true, ParameterPage::kCompressed},
    {10, 'm', 193, 54, true, ParameterPage::kMeanTime},
    {11, 'w', 194, 55, false, ParameterPage::kSawyer},
    {12, 'p', 195, 57, false, ParameterPage::kSawyer},
    {13, 'o', 196, 0, false, ParameterPage::kNone},
}};

// The list entry of a stored kind ('s' and unknown letters give the sun
// compass entry); with the umbrella flag the umbrella entry.
int KindToEntry(char kind, bool umbrella);

// The umbrella planes of the umbrella entry: 0 horizontal 'h', 1 inclined
// 'i', 2 vertical 'v'.
char UmbrellaPlaneKind(int index);
int UmbrellaPlaneIndex(char kind);  // 'h' for anything but 'i' and 'v'

// The parameter page of the current kind. With expert mode off the
// mean-time kind shows the planar page.
ParameterPage PageOfKind(char kind, bool umbrella, bool expert_mode);

}  // namespace lumtar::model
