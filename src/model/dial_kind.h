#pragma once

#include <cstdint>

namespace lumtar::model {

// The dial family is one lower-case letter (Model::DialKind): 'h'
// horizontal, 'v' vertical, 'i' inclining/reclining (with UmbrellaFlag: the
// umbrella dial on that plane), 'q' altitude dials, 'a' azimuthal, 'z'
// cylinder, 'k' horizontal altitude (Hidokei), 'r' ring, 'c' compressed,
// 'm' mean-time cone, 'w' Sawyer decliner, 'p' Peaucellier, 'o' sun compass
// (no construction). 's' and 'n' may occur in stored files but have no
// construction.

// The sub-variant selectors beside the kind.
struct DialSelectors {
  std::uint8_t UmbrellaFlag = 0;     // 1: umbrella dial on plane h, i or v
  std::uint8_t AltitudeVariant = 0;  // q: 0 quadrant, 1/2 Habermel I/II
  std::uint8_t AzimuthCircles = 1;   // a: 0 circles mark dates, 1 altitudes
  std::uint8_t AzimuthScale = 1;     // a: 0 equal, 1 horizontoscope,
                                     //    2 stereographic, 3 orthographic
  std::uint8_t CylinderVariant = 0;  // z: 0 shepherd, 1 hat, 2 polar gnomon
};

}  // namespace lumtar::model
