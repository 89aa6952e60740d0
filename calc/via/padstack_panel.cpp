// The padstack panel's handlers: the calculator type, the hole presets and the
// pad style. Each prepares the boxes that SolvePadstack reads.
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/program.h"
#include "calc/via/bga_lands.h"
#include "calc/via/padstack_values.h"
#include "settings/options_form.h"
#include "vcl/arrange.h"

namespace trellis {

using vcl::TObject;

namespace {

enum { kHole, kRing, kIsolation, kPadHole, kPadRing };

// Default inputs in mils, millimetres and micrometres, point forms.
struct Defaults {
  std::vector<const char*> imperial, mm, um;
};

const Defaults& DefaultsFor(int type) {
  static const Defaults kThruHole{
      {"32", "12", "12"}, {"0.8128", "0.3048", "0.3048"}, {"812.8", "304.8", "304.8"}};
  static const Defaults kOne{{"100", "12", "12", "32", "7"},
                             {"2.54", "0.3048", "0.3048", "0.8128", "0.1778"},
                             {"2540", "304.8", "304.8", "812.8", "177.8"}};
  static const Defaults kTwo{{"100", "10", "10", "32", "7"},
                             {"2.54", "0.2540", "0.2540", "0.8128", "0.1778"},
                             {"2540", "254", "254", "812.8", "177.8"}};
  static const Defaults kLands{
      {"40", "13", "6"}, {"1.00", "0.45", "0.1524"}, {"1000", "450", "152.4"}};
  static const Defaults kCorner{{"100", "100"}, {"2.54", "2.54"}, {"2540", "2540"}};
  static const Defaults kNone;
  switch (type) {
    case 0:
      return kThruHole;
    case 2:
      return kOne;
    case 4:
      return kTwo;
    case 3:
    case 5:
      return kLands;
    case 6:
      return kCorner;
    default:
      return kNone;
  }
}

struct Preset {
  const char *imperial, *mm, *um;
};
constexpr Preset kPadstackHolePresets[] = {{"32", "0.8128", "812.8"},   {"125", "3.175", "3175"},
                                           {"106", "2.6924", "2692.4"}, {"136", "3.4544", "3454.4"},
                                           {"156", "3.9624", "3962.4"}, {"185", "4.699", "4699"},
                                           {"209", "5.3086", "5308.6"}};

// A text for the current units: the metric ones take the comma under the flag.
// A group showing neither system reads as metric here, by the tick alone.
std::string UnitText(TForm1& f, const char* imperial, const char* mm, const char* um) {
  const LengthUnit unit = UnitsShown(f);
  if (unit.Imperial()) return imperial;
  return f.Shown(unit.MicronsTicked() ? um : mm);
}

LengthSystem BoxUnit(TForm1& f) {
  const LengthUnit unit = UnitsShown(f);
  if (unit.Imperial()) return LengthSystem::Mils;
  return unit.MicronsTicked() ? LengthSystem::Micrometres : LengthSystem::Millimetres;
}

}  // namespace

void TForm1::RadioGroup14Click(TObject* Sender) {
  const int t = RadioGroup14->ItemIndex();
  if (t < 0 || t > 6) return;
  auto in = [t](std::initializer_list<int> types) {
    for (int x : types)
      if (x == t) return true;
    return false;
  };

  Memo3->SetVisible(false);
  Memo5->SetVisible(false);
  for (vcl::TEdit* e : {Edit36, Edit37, Edit38, Edit39, Edit40}) e->SetFontColor(vcl::clNavy);

  vcl::ShowAll(t != 1, {Edit33, Edit34, Edit59, Edit60, Label62});
  vcl::ShowAll(in({0, 2, 3, 4, 5}), {Edit35, Edit61, Label63});
  vcl::ShowAll(in({2, 4}), {Edit211, Edit212, Edit213, Edit214, Label76, Label174});
  vcl::ShowAll(t == 0, {RadioGroup7, Label73, ComboBox2});
  vcl::ShowAll(t == 1, {ComboBox4});
  vcl::ShowAll(in({0, 1, 2, 4, 6}), {Edit37, Label67});
  vcl::ShowAll(in({0, 6}), {Edit38, Label66});
  vcl::ShowAll(t == 0, {Edit39, Edit40, Label64, Label65, Label69, Label70, Label71});
  vcl::ShowAll(t == 6, {Label271, Label272, Label273, Label274});
  vcl::ShowAll(t == 1, {Label357, Label358, Label359});
  vcl::ShowAll(in({2, 3, 4, 5}), {Label360, Label361, Label362});
  vcl::TImage* const pictures[7] = {Image5, Image12, Image45, Image10, Image66, Image67, Image48};
  for (int i = 0; i < 7; ++i) pictures[i]->SetVisible(i == t);
  RadioGroup6->SetEnabled(t != 1);
  Button1->SetEnabled(t != 1);

  if (t == 0) {
    for (vcl::TEdit* e : {Edit36, Edit37, Edit38}) e->SetWidth(121);
    ComboBox2->SetItemIndex(0);
  } else if (t == 1) {
    Edit37->SetWidth(190);
  } else {
    Edit36->SetWidth(153);
    Edit37->SetWidth(153);
    if (in({3, 5, 6})) Edit38->SetWidth(153);
    for (vcl::TEdit* e : {Edit33, Edit34, Edit35}) e->SetEnabled(true);
  }

  struct Texts {
    const char *label61, *label62, *label63, *label68, *label67, *label66;
    const char *hint33, *hint34, *hint35, *hint36, *hint37, *hint38;
  };
  static const Texts kThruHole{"Hole Diameter",
                               "Annular Ring",
                               "Isolation Width",
                               "External Layers",
                               "Internal Signal Layers",
                               "Internal Plane Layers",
                               "Enter the finished drill hole diameter.",
                               "Enter the minimum annular ring for the padstack.",
                               "Enter the desired isolation width for the thermal relief.",
                               "Outer layer pad diameter for the given drill diameter.",
                               "Internal signal layer pad diameter for the given drill diameter.",
                               "Outer diameter of the thermal refief."};
  static const Texts kBga{"Nominal Ball Diameter",
                          nullptr,
                          nullptr,
                          "Nominal Land Diameter",
                          "Land Variation",
                          nullptr,
                          nullptr,
                          nullptr,
                          nullptr,
                          "Nominal PCB Footprint land diameter.",
                          "PCB Footprint land variation.",
                          nullptr};
  static const Texts kPads{
      "Distance Between Pads",
      "Conductor Width",
      "Spacing Constriant",
      "Maximum Pad Diameter",
      "Calculated Annular Ring",
      nullptr,
      "Enter the distance between the pads.",
      "Enter the desired conductor width to fit between pads.",
      "Enter the design spacing constraint, Pad - Conductor.",
      "Maximum pad diameter based on spacing constraints and desired conductor width.",
      "Calculated annular ring based on generated pad size minus entered finished hole diameter.",
      nullptr};
  static const Texts kLands{"Distance Between Lands",
                            "Land Diameter",
                            "Spacing Constriant",
                            "Maximum Conductor Width",
                            nullptr,
                            nullptr,
                            "Enter the BGA land pitch.",
                            "Enter the BGA land diameter.",
                            "Enter the design spacing constraint, BGA Land - Conductor.",
                            "Maximum conductor width based on land size / spacing.",
                            nullptr,
                            nullptr};
  static const Texts kCorner{"Length of side a",
                             "Length of side b",
                             nullptr,
                             "Distance Between Corners",
                             "Suggested Min Drill",
                             "Suggested Max Drill",
                             "Enter the length of side a.",
                             "Enter the length of side b.",
                             nullptr,
                             "Distance between the two corners of the pad / pin.",
                             "Suggested minimum drill hole diameter.",
                             "Suggested maximum drill hole diameter."};
  const Texts* const byType[7] = {&kThruHole, &kBga, &kPads, &kLands, &kPads, &kLands, &kCorner};
  const Texts& x = *byType[t];
  auto caption = [](vcl::TLabel* l, const char* s) {
    if (s) l->SetCaption(s);
  };
  auto hint = [](vcl::TControl* c, const char* s) {
    if (s) c->SetHint(s);
  };
  caption(Label61, x.label61);
  caption(Label62, x.label62);
  caption(Label63, x.label63);
  caption(Label68, x.label68);
  caption(Label67, x.label67);
  caption(Label66, x.label66);
  hint(Edit33, x.hint33);
  hint(Edit34, x.hint34);
  hint(Edit35, x.hint35);
  hint(Edit36, x.hint36);
  hint(Edit37, x.hint37);
  hint(Edit38, x.hint38);
  if (t == 0) {
    Edit39->SetHint("Inner diameter of the thermal relief.");
    Edit40->SetHint("Suggested spoke width for the thermal relief.");
    Edit211->SetHint("Enter the finished drill hole diameter.");
    Edit213->SetHint("Enter the desired minimum annular ring of the padstack.");
  }

  const Defaults& d = DefaultsFor(t);
  vcl::TEdit* const inputs[5] = {Edit33, Edit34, Edit35, Edit211, Edit213};
  for (size_t i = 0; i < d.imperial.size(); ++i)
    inputs[i]->SetText(UnitText(*this, d.imperial[i], d.mm[i], d.um[i]));

  if (t == 1) {
    RefillBallSizes(*this);
    ComboBox4Change(Sender);
    return;
  }
  Button1Click(Sender);
}

void TForm1::ComboBox2Change(TObject* Sender) {
  const int i = ComboBox2->ItemIndex();
  if (i < 0 || i > 6) return;
  const Preset& preset = kPadstackHolePresets[i];
  // The style goes first, so its own solve still sees the previous hole.
  if (i == 0) {
    RadioGroup7->SetItemIndex(0);
    RadioGroup7->SetEnabled(true);
    Edit33->SetEnabled(true);
    Edit33->SetText(UnitText(*this, preset.imperial, preset.mm, preset.um));
  } else {
    RadioGroup7->SetItemIndex(1);
    RadioGroup7->SetEnabled(false);
    Edit33->SetEnabled(false);
    Edit33->SetText(UnitText(*this, preset.imperial, preset.mm, preset.um));
    Edit34->SetText("N/A");
    Edit35->SetText("N/A");
  }
  Button1Click(Sender);
}

void TForm1::RadioGroup7Click(TObject* Sender) {
  const bool imperial = UnitsShown(*this).Imperial();
  const char* format = imperial ? "%0.2f" : "%0.4f";
  PadstackValues& k = Values<PadstackValues>();
  if (RadioGroup7->ItemIndex() == 1) {
    k.SavedAnnularRing = vcl::Format(format, vcl::StrToFloat(Edit34->Text()));
    k.SavedIsolationWidth = vcl::Format(format, vcl::StrToFloat(Edit35->Text()));
    k.SavedUnit = BoxUnit(*this);
  } else if (RadioGroup7->ItemIndex() == 0) {
    // Texts saved in other units are converted, so a mils value never lands in
    // a millimetre box.
    auto restore = [&](const std::string& saved) {
      if (k.SavedUnit == BoxUnit(*this) || saved.empty()) return Shown(saved);
      const double v = std::stod(saved);  // saved texts are always written with a point
      return Shown(vcl::Format(format, ConvertLength(v, k.SavedUnit, BoxUnit(*this))));
    };
    Edit34->SetText(restore(k.SavedAnnularRing));
    Edit35->SetText(restore(k.SavedIsolationWidth));
  }
  Button1Click(Sender);
}

}  // namespace trellis
