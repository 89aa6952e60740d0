// The conductor physics: the IPC chart fit I = k * dT^b * A^c with the IPC-2152
// modifiers and its two inversions, copper thickness by weight, the etched
// cross-section and the resistivity of copper. Areas in the current model are
// square mils, rises degrees C, currents amperes; copper thicknesses and widths
// are mils, or millimetres where a function takes `metric`.
#pragma once

namespace trellis::conductor {

enum class IpcVersion { Ipc2152WithModifiers, Ipc2152WithoutModifiers, Ipc2221A };
enum class ConductorLayer { Internal, External };
// The plane beside the conductor: 0.5 oz or 1 oz, or 2 oz.
enum class PlaneWeight { Light, Heavy };
enum class EtchFactor { OneToOne, TwoToOne, None };
// Base copper and plating weights, in ounces per square foot.
enum class CopperWeight { Oz0_25, Oz0_5, Oz1, Oz1_5, Oz2, Oz2_5, Oz3, Oz4, Oz5 };
enum class PlatingWeight { Bare, Oz0_5, Oz1, Oz1_5, Oz2, Oz2_5, Oz3 };

struct IpcCoefficients {
  double k = 0, b = 0, c = 0;
};

IpcCoefficients SelectIpcCoefficients(IpcVersion version, ConductorLayer layer);

// Band factors; the bands are in mils, or in millimetres when metric.
double BoardThicknessModifier(double thickness, bool metric);
double PlaneModifier(double distance, PlaneWeight weight, bool metric);
double AreaCorrection(double areaSqMils, double tempRise);

// The factors of the version with modifiers, as the solve has set them.
struct IpcModifiers {
  double areaCorrection = 1, boardThickness = 1, plane = 1, material = 1, fixed = 1;
  bool parallel = false;
  double parallelCount = 1;  // with parallel conductors, the area is the total of all
};

double IpcCurrent(IpcVersion version, const IpcCoefficients& c, double tempRise, double areaSqMils,
                  const IpcModifiers& m);
// The area that carries a current at a rise (versions without modifiers).
double IpcAreaFor(const IpcCoefficients& c, double current, double tempRise);
// The rise at which the model gives the current; the area correction is not
// recomputed for that rise.
double IpcRiseFor(IpcVersion version, const IpcCoefficients& c, double current, double areaSqMils,
                  const IpcModifiers& m);

// Copper thickness of a weight: mils, or millimetres when metric.
double BaseCopperThickness(CopperWeight weight, bool metric);
double PlatingThickness(PlatingWeight weight, bool metric);

// The etched cross-section of a width and thickness in one unit, in its square.
double EtchedCrossSection(EtchFactor etch, double width, double thickness);

// The band value for the conductor temperature: ohm sq.mil per mil, or per mm.
double ResistivityBand(double conductorTemp, bool metric);
// The band already follows temperature; the linear correction comes on top.
double CorrectedResistivity(double band, double conductorTemp);

// Skin depth in micrometres for the frequency box's number (MHz).
double SkinDepthMicrons(double frequencyMHz);
constexpr double kMilsPerMicron = 0.03937007874015749;

// A power in watts as decibels over a milliwatt.
double PowerDbm(double watts);

// One thousandth of the current density in A/m^2, as the results show it.
double CurrentDensity(double current, double areaSqMils);

}  // namespace trellis::conductor
