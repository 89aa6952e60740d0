// The PPM and crystal calculator: a tolerance in ppm as a frequency band, two
// frequencies as a tolerance, and a crystal's load capacitance from its two
// capacitors and the stray capacitance. No units mode.
#include "app/form1.h"
#include "app/links.h"
#include "app/range_check.h"
#include "calc/circuit/ppm_model.h"
#include "calc/circuit/ppm_values.h"
#include "vcl/sysutils.h"

namespace trellis {

using range::Row;
using range::Test;

namespace {

// A rejected input is reset to "1" for the next pass; this pass still goes on
// with the number that was read.
Row NotPositive(const char* message) {
  return {.test = Test::AtMost,
          .forms = range::InEveryUnit({range::Under::AnyFlag, 0, {message}, {"1"}})};
}

const Row kCentreRow = NotPositive("Center frequency cannot be less than or equal to zero.");
const Row kPpmRow = NotPositive("PPM Value cannot be less than or equal to zero.");
const Row kMaximumRow = NotPositive("Maximum frequency cannot be less than or equal to zero.");
const Row kLoadRow = NotPositive("Load capacitance cannot be less than or equal to zero.");
const Row kStrayRow = NotPositive("Stray capacitance cannot be less than or equal to zero.");
const Row kC1Row = NotPositive("C1 value cannot be less than or equal to zero.");
const Row kC2Row = NotPositive("C2 value cannot be less than or equal to zero.");

}  // namespace

void TForm1::SolvePpmCalculator(vcl::TObject* Sender) {
  range::Checker checks(*this, Sender, LengthUnit(LengthSystem::Mils));
  auto read = [&checks](vcl::TEdit* box, const Row& row) {
    range::Input input(box);
    return checks.Check(input, row);
  };
  auto write = [this](vcl::TEdit* box, const char* format, double value) {
    box->SetText(Shown(vcl::Format(format, value)));
  };

  const double centre = read(Edit170, kCentreRow);
  const double ppm = read(Edit171, kPpmRow);
  const circuit::PpmBand band = circuit::BandOfPpm(centre, ppm);
  write(Edit172, "%0.2f", band.variation);
  write(Edit173, "%0.2f", band.maximum);
  write(Edit180, "%0.2f", band.minimum);

  const double centre1 = read(Edit181, kCentreRow);
  const double maximum = read(Edit182, kMaximumRow);
  const circuit::PpmOffset offset = circuit::PpmBetween(centre1, maximum);
  write(Edit183, "%0.2f", offset.variation);
  write(Edit184, "%0.2f", offset.ppm);

  PpmValues& v = Values<PpmValues>();
  v.LoadCapacitance = read(Edit106, kLoadRow);
  v.StrayCapacitance = read(Edit115, kStrayRow);
  v.Capacitor1 = read(Edit339, kC1Row);
  v.Capacitor2 = read(Edit338, kC2Row);
  v.LoadFromCapacitors = circuit::LoadCapacitance(v.Capacitor1, v.Capacitor2, v.StrayCapacitance);
  write(Edit341, "%0.2f pF", v.LoadFromCapacitors);
  v.RuleOfThumbCapacitor = circuit::RuleOfThumbCapacitor(v.LoadCapacitance, v.StrayCapacitance);
  write(Edit340, "%0.2f pF", v.RuleOfThumbCapacitor);
}

// The panel's reference button opens its page.
void TForm1::BitBtn5Click(vcl::TObject*) { OpenLink(Link::CrystalLoadCapacitors); }

}  // namespace trellis
