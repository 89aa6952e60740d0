// The IPC chart fit I = k * dT^b * A^c with the IPC-2152 modifiers, and its
// two inversions. Areas are square mils, rises degrees C, currents amperes.
#pragma once

namespace trellis::conductor {

// Items of the Program Options IPC group.
enum IpcVersion { kIpc2152WithModifiers = 0, kIpc2152WithoutModifiers = 1, kIpc2221A = 2 };

struct IpcCoefficients {
  double k = 0, b = 0, c = 0;
};

// layer: 0 internal, 1 external.
IpcCoefficients SelectIpcCoefficients(int version, int layer);

// Band factors; the bands are in mils, or in millimetres when metric.
double BoardThicknessModifier(double thickness, bool metric);
// planeItem 0 is the lighter plane, 1 the 2 oz plane.
double PlaneModifier(double distance, int planeItem, bool metric);
double AreaCorrection(double areaSqMils, double tempRise);

// The factors of the version with modifiers, as the solve has set them.
struct IpcModifiers {
  double areaCorrection = 1, boardThickness = 1, plane = 1, material = 1, fixed = 1;
  bool parallel = false;
  double parallelCount = 1;  // with parallel conductors, the area is the total of all
};

double IpcCurrent(int version, const IpcCoefficients& c, double tempRise, double areaSqMils,
                  const IpcModifiers& m);
// The area that carries a current at a rise (versions without modifiers).
double IpcAreaFor(const IpcCoefficients& c, double current, double tempRise);
// The rise at which the model gives the current; the area correction is not
// recomputed for that rise.
double IpcRiseFor(int version, const IpcCoefficients& c, double current, double areaSqMils,
                  const IpcModifiers& m);

}  // namespace trellis::conductor
