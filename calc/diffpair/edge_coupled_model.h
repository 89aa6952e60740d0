// The edge-coupled pairs: two conductors of width W at spacing S on one
// layer, on an outer layer over one plane, or between two planes. The
// closed formulas take W, S, T and the heights in any one unit, mils or
// millimetres; the off-centre stripline's Zo is the offset-stripline model's
// (calc/impedance/asym_stripline_model.h).
#pragma once

#include <optional>

namespace trellis::diffpair {

// The effective dielectric constant of the outer-layer pair. From H/W above 1
// the 0.04 (1 - W/H)² term joins (added whole, not scaled by (Er - 1)/2), so
// the two branches meet at H = W. Nothing when H/W is not a number.
std::optional<double> ExternalPairErEffective(double w, double h, double er);

// The outer-layer pair's single-ended Zo over H, with the substrate's Er.
double ExternalPairZo(double w, double h, double t, double er);
// Its differential Zo from the single-ended one.
double ExternalPairZdiff(double zo, double s, double h);

// The two unit blocks keep their own constants for the centred stripline:
// 4 / 2.1048653 in mils, 1.9 in millimetres.
enum class SymmetricConstants { Imperial, Metric };

// The centred stripline pair's single-ended Zo, H the spacing of the planes.
double SymmetricPairZo(double w, double h, double t, double er, SymmetricConstants constants);

// The differential Zo of a pair between two planes spaced b apart, centred or
// not.
double StriplinePairZdiff(double zo, double s, double b);

}  // namespace trellis::diffpair
