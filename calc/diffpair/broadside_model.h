// The embedded edge-coupled pair (a pair on an outer layer under a further
// layer of dielectric) and the broadside-coupled pairs (two conductors stacked
// one above the other, between two planes or over one).
#pragma once

namespace trellis::diffpair {

// Lengths in mils: W, S and T of the conductors, H1 their height above the
// plane, H2 the substrate's thickness.
struct EmbeddedPairInputs {
  double width = 0;
  double spacing = 0;
  double thickness = 0;
  double height1 = 0;
  double height2 = 0;
  double er = 0;
};

struct EmbeddedPair {
  double erPrime = 0;  // the pair's effective permittivity under the cover
  double zo = 0;       // ohms
  double zdiff = 0;    // ohms
};

// No guard of its own: a zero H1 or H2, or a width and thickness that leave
// the logarithm nothing positive, give results that are not finite, and the
// checked math reports what its functions meet.
EmbeddedPair EmbeddedPairModel(const EmbeddedPairInputs& in);

// The model's steps, for a caller that writes each result before the next is
// computed.
double EmbeddedErPrime(double er, double height1, double height2);
double EmbeddedZo(double erPrime, double width, double thickness, double height1);
double EmbeddedZdiff(double zo, double spacing, double height2);

// The stacked pair's height H: plane to plane (shielded) or the substrate's
// thickness (unshielded), in the unit of T and S.
//
// The least height the stack of two conductors and their spacing leaves room
// in: a height at or below it is refused.
double BroadsideStackHeight(double thickness, double spacing);
// The height a refused one is reset to.
double BroadsideResetHeight(double thickness, double spacing);
// h', each conductor's distance to its plane.
double BroadsideOffset(double height, double thickness, double spacing);

// Differential impedances in ohms; W, S and T in one unit (only their ratio
// counts), the offset h' in mils.
double BroadsideShieldedZdiff(double width, double spacing, double thickness, double er,
                              double offsetMils);
double BroadsideUnshieldedZdiff(double width, double spacing, double thickness, double er);

}  // namespace trellis::diffpair
