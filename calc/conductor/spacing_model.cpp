#include "calc/conductor/spacing_model.h"

namespace trellis::conductor {

namespace {

constexpr int kBands = 9, kTypes = 7;

// Spacings in micrometres, whole numbers.
constexpr int kSpacingUm[kBands][kTypes] = {
    {50, 100, 100, 50, 130, 130, 130},       {50, 100, 100, 50, 130, 250, 130},
    {100, 640, 640, 130, 130, 400, 130},     {100, 640, 1500, 130, 130, 500, 130},
    {200, 640, 3200, 400, 400, 800, 400},    {200, 1250, 3200, 400, 400, 800, 400},
    {200, 1250, 6400, 400, 400, 800, 400},   {200, 1250, 12500, 400, 400, 800, 800},
    {250, 2500, 12500, 800, 800, 1500, 800},
};

// The mils column is rounded by hand, so it is kept as the table gives it.
constexpr double kSpacingMils[kBands][kTypes] = {
    {1.97, 3.94, 3.94, 1.97, 5.12, 5.12, 5.12},
    {1.97, 3.94, 3.94, 1.97, 5.12, 9.84, 5.12},
    {3.94, 25.20, 25.20, 5.12, 5.12, 15.75, 5.12},
    {3.94, 25.20, 59.06, 5.12, 5.12, 19.69, 5.12},
    {7.87, 25.20, 125.98, 15.75, 15.75, 31.50, 15.75},
    {7.87, 49.21, 125.98, 15.75, 15.75, 31.50, 15.75},
    {7.87, 49.21, 251.97, 15.75, 15.75, 31.50, 15.75},
    {7.87, 49.21, 492.13, 15.75, 15.75, 31.50, 31.50},
    {9.84, 98.43, 492.13, 31.50, 31.50, 59.06, 31.50},
};

// The imperial figures are stored, not converted from the metric ones.
struct Line {
  double baseMils, slopeMils, baseMm, slopeMm;
};
constexpr Line kAbove500[kTypes] = {
    {9.8425, 0.098425, 0.25, 0.0025},   {98.42519, 0.19685, 2.5, 0.005},
    {492.12598, 0.984252, 12.5, 0.025}, {31.49606, 0.12007, 0.8, 0.00305},
    {31.49606, 0.12007, 0.8, 0.00305},  {59.05512, 0.12007, 1.5, 0.00305},
    {31.49606, 0.12007, 0.8, 0.00305},
};

}  // namespace

TabledSpacing TabledConductorSpacing(SpacingBand band, SpacingType type) {
  const int b = static_cast<int>(band), t = static_cast<int>(type);
  return {kSpacingUm[b][t], kSpacingMils[b][t]};
}

double SpacingAbove500V(SpacingType type, double volts, bool metric) {
  const Line& l = kAbove500[static_cast<int>(type)];
  return metric ? l.baseMm + l.slopeMm * (volts - 500) : l.baseMils + l.slopeMils * (volts - 500);
}

}  // namespace trellis::conductor
