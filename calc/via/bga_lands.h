// The ball-size list of the padstack calculator and its land table.
#pragma once

namespace trellis {

class TForm1;

// Refills the ball-size list in the form the decimal-comma flag and "Use
// Microns" ask for and shows the first row's lands, since the cleared list
// selects no row. Does nothing under an unknown flag.
void RefillBallSizes(TForm1& f);

}  // namespace trellis
