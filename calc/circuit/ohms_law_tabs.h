// The Ohm's-law tabs beyond the first three: the attenuator pads and the
// reactive networks. Each runs after the E-I-R box, for the selected tab only.
#pragma once

namespace trellis {

class TForm1;

void SolvePiPad(TForm1& f);
void SolveTPad(TForm1& f);
void SolveCapacitorSeries(TForm1& f);
void SolveCapacitorParallel(TForm1& f);
void SolveInductorSeries(TForm1& f);
void SolveInductorParallel(TForm1& f);

}  // namespace trellis
