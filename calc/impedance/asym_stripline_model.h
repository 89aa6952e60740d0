// The offset (asymmetric) stripline: a conductor of width W and thickness T
// between two planes at distances H1 and H2, by three formula sets. Lengths
// are in mils (the offset model alone is free of scale; the Wadell width adds
// fixed 1- and 1.1-mil terms).
#pragma once

#include <optional>

namespace trellis::impedance {

enum class AsymStriplineForm { Narrow, Wide };
enum class AsymFormulaSet { Default, Ipc2141, Wadell };

// The form for W/(H1 + H2) < 0.35 (narrow) or from 0.35 up (wide), taken on
// the lengths as typed, in their own unit, so a ratio of 0.35 is wide in
// every unit. Nothing when the ratio is not a number (W and H1 + H2 zero).
std::optional<AsymStriplineForm> AsymStriplineFormFor(double w, double h1, double h2);

struct AsymStriplineInputs {
  double w = 0, t = 0, h1 = 0, h2 = 0;  // mils
  double er = 0;
};

// The offset-stripline model and its intermediates.
struct AsymStripline {
  double zo = 0;  // ohms
  AsymStriplineForm form = AsymStriplineForm::Narrow;
  double b = 0;  // plane spacing H1 + H2 + T
  double a = 0, s = 0, c = 0, k = 0, r = 0;
  double d = 0, y = 0;  // the narrow form's only
};

// The intermediates B, a, s, c, k and r alone, common to both forms (zo is 0).
AsymStripline AsymStriplineGeometry(const AsymStriplineInputs& in);

// The form is the caller's choice (AsymStriplineFormFor on its typed values).
AsymStripline AsymStriplineModel(const AsymStriplineInputs& in, AsymStriplineForm form);

// The sets built on three symmetric-stripline impedances with an offset
// correction: the Zo in ohms and the plane spacing B.
struct OffsetStripline {
  double zo = 0;
  double b = 0;
};
OffsetStripline Ipc2141Stripline(const AsymStriplineInputs& in);
OffsetStripline WadellStripline(const AsymStriplineInputs& in);

}  // namespace trellis::impedance
