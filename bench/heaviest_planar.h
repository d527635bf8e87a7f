#pragma once

// The heaviest planar construction: every line family on, 10-minute hour
// lines, mean-time lines, analemma marks, altitude lines, Babylonian,
// Italian and temporal hours, sunshine lines and hour lines to the foot
// point. Drawn by the planar and the desktop redraw benchmarks.
#include "model/model.h"

inline lumtar::model::Model HeaviestPlanarModel() {
  lumtar::model::Model m;
  m.DialKind = 'h';
  m.parameters.WallDeclination = 0;
  m.options.ShowHourLines = true;
  m.options.ApparentHourSubdivisions = '4';
  m.options.ShowMeanHourLines = true;
  m.options.MeanHourSubdivisions = '4';
  m.options.ShowAnalemmaMarks = true;
  m.options.AnalemmaMarkDays = 4;
  m.options.ShowAltitudeLines = true;
  m.times.AltitudeLineStep = 2;
  m.options.ShowBabylonianHours = true;
  m.options.ShowItalianHours = true;
  m.times.BabylonianSubdivisions = 3;
  m.times.ItalianSubdivisions = 3;
  m.options.ShowTemporalHours = true;
  m.options.ExtendTemporalHours = true;
  m.times.PlanarTemporalFrom = 0;
  m.times.PlanarTemporalTo = 12;
  m.times.PlanarTemporalSubdivisions = 3;
  m.options.HourLinesToFootPoint = true;
  m.options.ShowPoleTriangle = true;
  m.options.DateLineMode = '1';
  m.window.ShowSunshineLines = true;
  m.times.ApparentHoursFrom = 4;
  m.times.ApparentHoursTo = 20;
  m.times.MeanHoursFrom = 4;
  m.times.MeanHoursTo = 20;
  return m;
}
