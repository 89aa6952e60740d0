// The PI and T attenuator pads between unequal impedances.
#include "app/form1.h"
#include "calc/circuit/attenuator_pad_model.h"
#include "calc/circuit/ohms_law_tabs.h"
#include "vcl/sysutils.h"

namespace trellis {

namespace {

constexpr int kSourceRowTop = 40, kLoadRowTop = 96;
constexpr const char* kSourceRowHint = "R1 value based on inputs.";
constexpr const char* kLoadRowHint = "R2 value based on inputs.";

// One pad panel: its three inputs and its three result boxes; the first two
// result boxes hold the resistors at the larger and at the smaller impedance.
struct PadPanel {
  vcl::TEdit *zin, *zout, *attenuation;
  vcl::TEdit *atLarger, *atSmaller, *middle;
};

void WriteOhms(const TForm1& f, vcl::TEdit* box, double ohms) {
  box->SetText(vcl::Format("%.2f Ohms", ohms));
  if (f.CommaFlag()) box->SetText(vcl::CommaForm(box->Text()));
}

// The row captioned "R1" always shows the resistor at the source side, so the
// two end boxes change places when the load is the larger impedance.
void PlaceEndBoxes(const PadPanel& p, bool largerAtLoad) {
  vcl::TEdit* atSource = largerAtLoad ? p.atSmaller : p.atLarger;
  vcl::TEdit* atLoad = largerAtLoad ? p.atLarger : p.atSmaller;
  atSource->SetTop(kSourceRowTop);
  atSource->SetHint(kSourceRowHint);
  atLoad->SetTop(kLoadRowTop);
  atLoad->SetHint(kLoadRowHint);
}

struct PadInputs {
  double zin, zout, attenuationDb;
};

PadInputs ReadPad(TForm1& f, const PadPanel& p) {
  f.Label55->SetCaption("Total Resistance");
  PadInputs in{};
  in.zin = vcl::StrToFloat(p.zin->Text());
  in.zout = vcl::StrToFloat(p.zout->Text());
  in.attenuationDb = vcl::StrToFloat(p.attenuation->Text());
  return in;
}

}  // namespace

void SolvePiPad(TForm1& f) {
  const PadPanel p{f.Edit281, f.Edit282, f.Edit288, f.Edit283, f.Edit284, f.Edit285};
  const PadInputs in = ReadPad(f, p);
  const circuit::PadResistors r = circuit::PiPad(in.attenuationDb, in.zin, in.zout);
  WriteOhms(f, p.atLarger, r.atLarger);
  WriteOhms(f, p.atSmaller, r.atSmaller);
  PlaceEndBoxes(p, circuit::LargerAtLoad(in.zin, in.zout));
  WriteOhms(f, p.middle, r.middle);
}

void SolveTPad(TForm1& f) {
  const PadPanel p{f.Edit292, f.Edit294, f.Edit290, f.Edit295, f.Edit296, f.Edit297};
  const PadInputs in = ReadPad(f, p);
  const circuit::PadResistors r = circuit::TPad(in.attenuationDb, in.zin, in.zout);
  // The shunt resistor first: the end resistors are made from it.
  WriteOhms(f, p.middle, r.middle);
  WriteOhms(f, p.atLarger, r.atLarger);
  WriteOhms(f, p.atSmaller, r.atSmaller);
  PlaceEndBoxes(p, circuit::LargerAtLoad(in.zin, in.zout));
}

}  // namespace trellis
