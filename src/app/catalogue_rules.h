#pragma once

#include <string>
#include <vector>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::app {

// Rules of the dial catalogue that several dialogs and the constructions
// share.

// The entries the kind list offers: all fourteen in expert mode, without
// the compressed and mean-time dials otherwise.
std::vector<int> VisibleKindEntries(bool expert_mode);

// Chooses list entry `entry` (0..13): sets DialKind and UmbrellaFlag
// (entry 3 takes the plane from `umbrella_plane`, 0..2), sets Inclination
// to 90 for the vertical dial, forces the altitude and cylinder variants
// to 0 outside expert mode, and updates the colour-role block.
void SelectKindEntry(model::Model& model, int entry, int umbrella_plane);

// Outside expert mode a stored compressed or mean-time kind becomes the
// horizontal dial. Returns true when it changed the kind.
bool ApplyExpertModeToKind(model::Model& model);

// The stored declination-line mode of a list index (index 4 is stored as
// "2").
char DateLineModeOfListIndex(int index);

// The four options that the Sawyer time mode (0..3) sets.
void SetSawyerTimeMode(model::Model& model, int mode);

// The Habermel dial: diameter D from gnomon h and back (variant 1 or 2).
double HabermelDiameterFromGnomon(double gnomon, int variant, double latitude,
                                  double obliquity);
double HabermelGnomonFromDiameter(double diameter, int variant, double latitude,
                                  double obliquity);

// The cylinder dial's longest shadow for gnomon g: g tan(90 - |phi| + eps),
// to the nearest whole millimetre (only meaningful for |phi| > 23.46).
int MaxShadowLengthOf(int gnomon, double latitude, double obliquity);

}  // namespace lumtar::app
