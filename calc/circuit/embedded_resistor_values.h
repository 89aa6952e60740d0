// The embedded-resistor calculator's values, kept between passes as its solve leaves them.
#pragma once

namespace trellis {

struct EmbeddedResistorValues {
  double ResistorLength = 0, ResistorWidth = 0;  // inches
  double SheetResistance = 0;                    // ohms per square
  double ResistorOhms = 0, ResistorArea = 0;     // ohms; square inches
  // annular: lengths in the unit typed (mils or millimetres), the area in its square
  double InsideDiameter = 0, TargetOhms = 0;
  double OuterDiameter = 0, RingWidth = 0, RingArea = 0;
};

}  // namespace trellis
