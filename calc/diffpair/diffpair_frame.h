// What the differential-pair solve's frame hands each structure block, and
// the coupling results every block runs after its differential impedance.
#pragma once

#include "calc/impedance/impedance_frame.h"
#include "vcl/controls.h"

namespace trellis {

class TForm1;

// One pass of the differential-pair solve, in the unit block it runs.
struct DiffPairPass {
  bool metric = false;   // millimetres (else mils)
  bool microns = false;  // metric boxes typed in micrometres ("Use Microns")
  int structure = 0;     // the structure selector's item
  vcl::TObject* sender = nullptr;

  // The same unit block as the conductor-impedance solve's, whose readers of
  // length boxes and typed lengths serve the pairs as well.
  ImpedancePass Lengths() const { return {metric, microns, sender}; }
  // A length box's units per unit of the block: 1000 under "Use Microns", else 1.
  double BoxScale() const { return Lengths().Unit().BoxScale(); }
  // A length in the block's unit in mils.
  double BlockToMils(double length) const { return Lengths().Unit().PassToMils(length); }
};

// The structure blocks, by the item of the structure selector.
void SolveEdgeCoupledExternal(TForm1& f, const DiffPairPass& pass);    // 0 "Edge Cpld Ext"
void SolveEdgeCoupledSymmetric(TForm1& f, const DiffPairPass& pass);   // 1 "Edge Cpld Int Sym"
void SolveEdgeCoupledAsymmetric(TForm1& f, const DiffPairPass& pass);  // 2 "Edge Cpld Int Asym"
void SolveEmbeddedPair(TForm1& f, const DiffPairPass& pass);           // 3 "Edge Cpld Embed"
void SolveBroadsideShielded(TForm1& f, const DiffPairPass& pass);      // 4 "Broad Cpld Shld"
void SolveBroadsideUnshielded(TForm1& f, const DiffPairPass& pass);    // 5 "Broad Cpld NShld"

// Odd and even modes, coupling, NEXT and the W/H and S/H texts over the
// ratio height hr, from the block's single-ended and differential impedances.
// Before a block runs, the frame has read the copper, coupled length, rise
// time, voltage, Er, width and spacing into the program's values; the block
// leaves DifferentialZ, SaturationLength (and, for structures 0 to 3,
// SingleEndedZo) there before calling it.
void PairCouplingResults(TForm1& f, const DiffPairPass& pass, double hr);

// The target window's texts, its verdict on the differential impedance and the
// W/H and S/H warnings, at the end of every pass whatever the structure.
void ZdiffToleranceWindow(TForm1& f);

// What every block writes before the coupling results: the conductor thickness
// (Label56), the saturation length over Er_s (Label403), the single-ended
// impedance (Edit28) and the differential impedance (Edit29).
void WriteThickness(TForm1& f, const DiffPairPass& pass);
void WriteSaturationLength(TForm1& f, const DiffPairPass& pass, double erS);
void WriteSingleEndedZo(TForm1& f, double zo);
void WriteDifferentialZ(TForm1& f, double zdiff);

}  // namespace trellis
