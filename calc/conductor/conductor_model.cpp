#include "calc/conductor/conductor_model.h"

// Checked math only: a domain or singularity error is reported as the program
// reports it, whoever calls the model.
#include "vcl/sysutils.h"

namespace trellis::conductor {

namespace {
// Upper bounds of the ten lower bands; the metric ones are the stated decimals,
// not conversions, so a typed 1.524 lands in the band of 60 mils.
constexpr double kMilBounds[10] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr double kMmBounds[10] = {0.254, 0.508, 0.762, 1.016, 1.27,
                                  1.524, 1.778, 2.032, 2.286, 2.54};

int Band(double value, bool metric) {
  const double* bounds = metric ? kMmBounds : kMilBounds;
  int i = 0;
  while (i < 10 && !(value < bounds[i])) ++i;
  return i;
}
}  // namespace

IpcCoefficients SelectIpcCoefficients(IpcVersion version, ConductorLayer layer) {
  const double k =
      (version == IpcVersion::Ipc2221A && layer == ConductorLayer::External) ? 0.048 : 0.024;
  return {k, 0.44, 0.725};
}

double BoardThicknessModifier(double thickness, bool metric) {
  static constexpr double kFactors[11] = {0.4,  0.48, 0.58, 0.67, 0.75, 0.85,
                                          0.95, 1.0,  1.1,  1.2,  1.3};
  return kFactors[Band(thickness, metric)];
}

double PlaneModifier(double distance, PlaneWeight weight, bool metric) {
  static constexpr double kLight[11] = {1.59, 1.55, 1.52, 1.48, 1.45, 1.42,
                                        1.39, 1.37, 1.33, 1.3,  1.2};
  static constexpr double kHeavy[11] = {1.63, 1.59, 1.56, 1.52, 1.49, 1.46,
                                        1.43, 1.41, 1.37, 1.34, 1.24};
  const int band = Band(distance, metric);
  return weight == PlaneWeight::Heavy ? kHeavy[band] : kLight[band];
}

double AreaCorrection(double a, double rise) {
  if (rise <= 20) return 3.0364 * vcl::Pow(a, -0.145);
  if (rise < 60) return 2.9143 * vcl::Pow(a, -0.129);
  if (rise < 100) return 2.7877 * vcl::Pow(a, -0.114);
  return 2.801 * vcl::Pow(a, -0.111);
}

namespace {
// The current equation without its rise term.
double RiseFreeCurrent(IpcVersion version, const IpcCoefficients& c, double a,
                       const IpcModifiers& m) {
  const double plain = c.k * vcl::Pow(a, c.c);
  if (version != IpcVersion::Ipc2152WithModifiers) return plain;
  const double f = plain * m.areaCorrection * m.boardThickness * m.plane * m.material * m.fixed;
  return m.parallel ? f / m.parallelCount : f;
}
}  // namespace

double IpcCurrent(IpcVersion version, const IpcCoefficients& c, double rise, double a,
                  const IpcModifiers& m) {
  return vcl::Pow(rise, c.b) * RiseFreeCurrent(version, c, a, m);
}

double IpcAreaFor(const IpcCoefficients& c, double current, double rise) {
  return vcl::Pow(current / (c.k * vcl::Pow(rise, c.b)), 1 / c.c);
}

double IpcRiseFor(IpcVersion version, const IpcCoefficients& c, double current, double a,
                  const IpcModifiers& m) {
  return vcl::Pow(current / RiseFreeCurrent(version, c, a, m), 1 / c.b);
}

namespace {
// The metric column holds its own rounded decimals, not converted mils.
struct Weight {
  double mils, mm;
};
constexpr Weight kBase[9] = {{0.35, 0.009}, {0.7, 0.018}, {1.4, 0.035}, {2.1, 0.053}, {2.8, 0.07},
                             {3.5, 0.088},  {4.2, 0.106}, {5.6, 0.142}, {7.0, 0.178}};
constexpr Weight kPlating[7] = {{0, 0},      {0.7, 0.018}, {1.4, 0.035}, {2.1, 0.053},
                                {2.8, 0.07}, {3.5, 0.088}, {4.2, 0.106}};

double Row(const Weight& row, bool metric) { return metric ? row.mm : row.mils; }
}  // namespace

double BaseCopperThickness(CopperWeight weight, bool metric) {
  return Row(kBase[static_cast<int>(weight)], metric);
}

double PlatingThickness(PlatingWeight weight, bool metric) {
  return Row(kPlating[static_cast<int>(weight)], metric);
}

double EtchedCrossSection(EtchFactor etch, double w, double t) {
  switch (etch) {
    case EtchFactor::OneToOne:
      return t * (w - t);
    case EtchFactor::TwoToOne:
      return t * (w - t / 2);
    case EtchFactor::None:
      break;
  }
  return w * t;
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

// sqrt(rho / (pi mu0 f)) for copper (rho 1.72e-8 ohm m), in micrometres. f is
// a tenth of the frequency in hertz (MHz x 1e5) and mu is ten times mu0
// (1.256636e-5 for 1.256636e-6 H/m): the two factors of ten cancel in mu f.
// They stay as written, since hertz and H/m may round differently in the last bit.
double SkinDepthMicrons(double frequencyMHz) {
  const double f = frequencyMHz * 100000;
  const double mu = 1.256636e-5;
  return vcl::Sqrt(1.72e-8 / (3.14159 * mu * f)) * 1000000;
}

double PowerDbm(double watts) { return 10 * vcl::Log10(watts / 0.001); }

double CurrentDensity(double current, double areaSqMils) {
  return current / (areaSqMils / 1000 * 0.00064516);
}

}  // namespace trellis::conductor
