#include "calc/conductor/copper.h"

#include "vcl/sysutils.h"

namespace trellis::conductor {

namespace {
// The metric column holds its own rounded decimals, not converted mils.
struct Weight {
  double mils, mm;
};
constexpr Weight kBase[9] = {{0.35, 0.009}, {0.7, 0.018}, {1.4, 0.035}, {2.1, 0.053}, {2.8, 0.07},
                             {3.5, 0.088},  {4.2, 0.106}, {5.6, 0.142}, {7.0, 0.178}};
constexpr Weight kPlating[7] = {{0, 0},      {0.7, 0.018}, {1.4, 0.035}, {2.1, 0.053},
                                {2.8, 0.07}, {3.5, 0.088}, {4.2, 0.106}};

template <int N>
std::optional<double> Row(const Weight (&table)[N], int item, bool metric) {
  if (item < 0 || item >= N) return std::nullopt;
  return metric ? table[item].mm : table[item].mils;
}
}  // namespace

std::optional<double> BaseCopperThickness(int item, bool metric) {
  return Row(kBase, item, metric);
}

std::optional<double> PlatingThickness(int item, bool metric) {
  return Row(kPlating, item, metric);
}

std::optional<double> EtchedCrossSection(int etchItem, double w, double t) {
  switch (etchItem) {
    case kEtch1To1:
      return t * (w - t);
    case kEtch2To1:
      return t * (w - t / 2);
    case kEtchNone:
      return w * t;
    default:
      return std::nullopt;
  }
}

double ResistivityBand(double temp, bool metric) {
  // Each band includes its upper bound.
  struct Band {
    double upTo, imperial, metric;
  };
  static constexpr Band kBands[6] = {{-40, 0.000519, 0.02043}, {-20, 0.000572, 0.02252},
                                     {0, 0.000625, 0.02461},   {20, 0.0006787, 0.02672},
                                     {40, 0.000732, 0.02882},  {60, 0.000785, 0.03091}};
  for (const Band& b : kBands)
    if (temp <= b.upTo) return metric ? b.metric : b.imperial;
  return metric ? 0.03303 : 0.000839;
}

double CorrectedResistivity(double band, double temp) { return band * (1 + 0.00393 * (temp - 20)); }

double SkinDepthMicrons(double frequencyMHz) {
  const double f = frequencyMHz * 100000;
  const double mu = 1.256636e-5;
  return vcl::Sqrt(1.72e-8 / (3.14159 * mu * f)) * 1000000;
}

double CurrentDensity(double current, double areaSqMils) {
  return current / (areaSqMils / 1000 * 0.00064516);
}

}  // namespace trellis::conductor
