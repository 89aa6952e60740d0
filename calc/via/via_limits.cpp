#include "calc/via/via_limits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::StrToFloat;
using vcl::TEdit;

namespace {

// A sum or quotient of typed decimals, as the decimal it stands for: without
// this an opening typed at exactly the margin (0.232 + 0.051 against 0.283)
// would be refused for the binary rounding of the sum.
double Decimal(double sum) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, sum, std::chars_format::general, 15);
  double value = sum;
  std::from_chars(text, end.ptr, value);
  return value;
}

enum class Test { Empty, Above, Below, BelowHole, EqualsHole, HoleMargin, PadMargin };
enum class Applies { Both, Single, SingleNot2Layer, SingleMultiLayer };
enum class From { Fixed, Hole, Pad };

// One unit's form of a row. A flagged row follows the decimal flag: the point
// form under "0", the comma form under "1", nothing at all under any other; a
// plain row shows its message and writes its reset whatever the flag.
struct Form {
  bool flagged;
  double limit;  // the bound, or the margin of a margin row, in mils or millimetres
  const char* message;
  const char* commaMessage;  // nullptr: the same as the point form
  const char* reset;         // nullptr: derived from another input
  const char* commaReset;
  double offset = 0;  // derived resets: added to the source in the box's own unit
};

constexpr bool kPlain = false, kFlagged = true;

}  // namespace

struct ViaInputLimits::Row {
  Input input;
  Test test;
  Applies applies;
  From from;
  Form forms[3];  // mils, millimetres, micrometres
};

namespace {

using R = ViaInputLimits;

// The forms of a row in one unit.
constexpr Form Plain(double limit, const char* message, const char* reset) {
  return {kPlain, limit, message, nullptr, reset, nullptr};
}
constexpr Form Flagged(double limit, const char* message, const char* commaMessage,
                       const char* reset, const char* commaReset) {
  return {kFlagged, limit, message, commaMessage, reset, commaReset};
}
constexpr Form Derived(bool flagged, double margin, const char* message, const char* commaMessage,
                       double offset) {
  return {flagged, margin, message, commaMessage, nullptr, nullptr, offset};
}

constexpr const char* kPadBelowHole =
    "Minimum via pad diameter can't be less than via hole diameter";
constexpr const char* kPadEqualsHole =
    "The PTH via pad diameter should be larger than via hole diameter";
constexpr const char* kErAbove = "Maximum dielectric constant value can't be greater than 350";
constexpr const char* kErBelow = "Minimum dielectric constant value can't be less than 1";
constexpr const char* kCountAbove = "Via count cannot be greater than 999";
constexpr const char* kCountBelow = "Via count cannot be less than 1";

const R::Row kRows[17] = {
    {R::kHole,
     Test::Empty,
     Applies::Both,
     From::Fixed,
     {Flagged(0, "Via hole diameter can't be empty, using default of 10mils", nullptr, "10",
              nullptr),
      Flagged(0, "Via hole diameter can't be empty, using default of 0.254mm",
              "Via hole diameter can't be empty, using default of 0,254mm", "0.254", "0,254"),
      Flagged(0, "Via hole diameter can't be empty, using default of 254um", nullptr, "254",
              nullptr)}},
    {R::kHole,
     Test::Above,
     Applies::Both,
     From::Fixed,
     {Plain(250, "Maximum via hole diameter can't be greater than 250mils", "250"),
      Flagged(6.35, "Maximum via hole diameter can't be greater than 6.35mm",
              "Maximum via hole diameter can't be greater than 6,35mm", "6.35", "6,35"),
      Flagged(6.35, "Maximum via hole diameter can't be greater than 6350um", nullptr, "6350",
              nullptr)}},
    {R::kHole,
     Test::Below,
     Applies::Both,
     From::Fixed,
     {Plain(1, "Minimum via hole diameter can't be less than 1mil", "1"),
      Flagged(0.0254, "Minimum via hole diameter can't be less than 0.0254mm",
              "Minimum via hole diameter can't be less than 0,0254mm", "0.0254", "0,0254"),
      Flagged(0.0254, "Minimum via hole diameter can't be less than 25.4um",
              "Minimum via hole diameter can't be less than 25,4um", "25.4", "25,4")}},
    {R::kPad,
     Test::Above,
     Applies::Single,
     From::Fixed,
     {Plain(500, "Maximum via pad diameter can't be greater than 500mils", "500"),
      Flagged(12.7, "Maximum via pad diameter can't be greater than 12.7mm",
              "Maximum via pad diameter can't be greater than 12,7mm", "12.7", "12,7"),
      Flagged(12.7, "Maximum via pad diameter can't be greater than 12700um",
              "Maximum via pad diameter can't be greater than 12700m", "12700", nullptr)}},
    {R::kPad,
     Test::BelowHole,
     Applies::SingleNot2Layer,
     From::Hole,
     {Derived(kPlain, 0, kPadBelowHole, nullptr, 1),
      Derived(kPlain, 0, kPadBelowHole, nullptr, 0.0254),
      Derived(kPlain, 0, kPadBelowHole, nullptr, 25.4)}},
    {R::kPad,
     Test::EqualsHole,
     Applies::SingleMultiLayer,
     From::Hole,
     {Derived(kPlain, 0, kPadEqualsHole, nullptr, 1),
      Derived(kPlain, 0, kPadEqualsHole, nullptr, 0.0254),
      Derived(kPlain, 0, kPadEqualsHole, nullptr, 25.4)}},
    {R::kOpening,
     Test::Above,
     Applies::SingleMultiLayer,
     From::Fixed,
     {Plain(1000, "Maximum reference plane opening diameter can't be greater than 1000mils",
            "1000"),
      Flagged(25.4, "Maximum reference plane opening diameter can't be greater than 25.4mm",
              "Maximum reference plane opening diameter can't be greater than 25,4mm", "25.4",
              "25,4"),
      Flagged(25.4, "Maximum reference plane opening diameter can't be greater than 25400um",
              nullptr, "25400", nullptr)}},
    {R::kOpening,
     Test::HoleMargin,
     Applies::SingleMultiLayer,
     From::Hole,
     {Derived(kPlain, 2,
              "Minimum reference plane opening diameter can't be less than via hole diameter + "
              "2mils",
              nullptr, 2),
      Derived(kFlagged, 0.051,
              "Minimum reference plane opening diameter can't be less than via hole diameter + "
              "0.051mm",
              "Minimum reference plane opening diameter can't be less than via hole diameter + "
              "0,051mm",
              0.051),
      Derived(kFlagged, 0.051,
              "Minimum reference plane opening diameter can't be less than via hole diameter + "
              "51um",
              nullptr, 51)}},
    {R::kOpening,
     Test::PadMargin,
     Applies::SingleMultiLayer,
     From::Pad,
     {Derived(kPlain, 2,
              "Minimum reference plane opening diameter can't be less than internal pad diameter "
              "+ 2mils",
              nullptr, 2),
      Derived(kFlagged, 0.051,
              "Minimum reference plane opening diameter can't be less than internal pad diameter "
              "+ 0.051mm",
              "Minimum reference plane opening diameter can't be less than internal pad diameter "
              "+ 0,051mm",
              0.051),
      Derived(kFlagged, 0.051,
              "Minimum reference plane opening diameter can't be less than internal pad diameter "
              "+ 51um",
              nullptr, 51)}},
    {R::kHeight,
     Test::Above,
     Applies::Single,
     From::Fixed,
     {Plain(1000, "Maximum via length can't be greater than 1000mils", "1000"),
      Flagged(25.4, "Maximum via length can't be greater than 25.4mm",
              "Maximum via length can't be greater than 25,4mm", "25.4", "25,4"),
      Flagged(25.4, "Maximum via length can't be greater than 25400um", nullptr, "25400",
              nullptr)}},
    {R::kHeight,
     Test::Below,
     Applies::Single,
     From::Fixed,
     {Plain(1, "Minimum via length can't be less than 1mil", "1"),
      Flagged(0.0254, "Minimum via length can't be less than 0.0254mm",
              "Minimum via length can't be less than 0,0254mm", "0.0254", "0,0254"),
      Flagged(0.0254, "Minimum via length can't be less than 25,4um", nullptr, "25.4", "25,4")}},
    {R::kPlating,
     Test::Above,
     Applies::Single,
     From::Fixed,
     {Plain(3, "Maximum plating thickness can't be greater than 3mils", "3"),
      Flagged(0.127, "Maximum plating thickness can't be greater than 0.127mm", nullptr, "0.127",
              "0,127"),
      Flagged(0.127, "Maximum plating thickness can't be greater than 127um", nullptr, "127",
              nullptr)}},
    {R::kPlating,
     Test::Below,
     Applies::Single,
     From::Fixed,
     {Flagged(0.1, "Minimum plating thickness can't be less than 0.1mil",
              "Minimum plating thickness can't be less than 0,1mil", "0.1", "0,1"),
      Flagged(0.0025, "Minimum plating thickness can't be less than 2.5um",
              "Minimum plating thickness can't be less than 2,5um", "0.0025", "0,0025"),
      Flagged(0.0025, "Minimum plating thickness can't be less than 2.5um",
              "Minimum plating thickness can't be less than 2,5um", "2.5", "2,5")}},
    {R::kEr,
     Test::Above,
     Applies::Both,
     From::Fixed,
     {Plain(350, kErAbove, "350"), Plain(350, kErAbove, "350"), Plain(350, kErAbove, "350")}},
    {R::kEr,
     Test::Below,
     Applies::Both,
     From::Fixed,
     {Plain(1, kErBelow, "1"), Plain(1, kErBelow, "1"), Plain(1, kErBelow, "1")}},
    {R::kCount,
     Test::Above,
     Applies::Single,
     From::Fixed,
     {Plain(999, kCountAbove, "999"), Plain(999, kCountAbove, "999"),
      Plain(999, kCountAbove, "999")}},
    {R::kCount,
     Test::Below,
     Applies::Single,
     From::Fixed,
     {Plain(1, kCountBelow, "1"), Plain(1, kCountBelow, "1"), Plain(1, kCountBelow, "1")}},
};

bool AppliesIn(const R::Row& row, int layerSet) {
  if (row.applies == Applies::SingleNot2Layer) return layerSet != 0;
  if (row.applies == Applies::SingleMultiLayer) return layerSet == 1;
  return true;
}

}  // namespace

ViaInputLimits::ViaInputLimits(TForm1& form)
    : f_(form),
      unit_(form.RadioGroup6->ItemIndex() != 1 ? ViaUnit::Mils
            : Form6->CheckBox3->Checked()      ? ViaUnit::Micrometres
                                               : ViaUnit::Millimetres),
      point_(form.PointFlag()),
      comma_(form.CommaFlag()) {}

double ViaInputLimits::ReadLength(const TEdit* box) const {
  const double v = StrToFloat(box->Text());
  return unit_ == ViaUnit::Micrometres ? Decimal(v / 1000) : v;
}

TEdit* ViaInputLimits::Box(Input input) const {
  switch (input) {
    case kHole:
      return f_.Edit3;
    case kPad:
      return f_.Edit4;
    case kOpening:
      return f_.Edit5;
    case kHeight:
      return f_.Edit6;
    case kPlating:
      return f_.Edit9;
    case kEr:
      return f_.Edit7;
    default:
      return f_.Edit227;
  }
}

// From the box's number to the compared one.
double ViaInputLimits::Scale(Input input) const {
  return unit_ == ViaUnit::Micrometres && input != kEr && input != kCount ? 1000 : 1;
}

void ViaInputLimits::Read(Input input) {
  read_[input] = now_[input] = Decimal(StrToFloat(Box(input)->Text()) / Scale(input));
}

bool ViaInputLimits::Fails(const Row& row, double value, bool asRead) const {
  const double limit = row.forms[static_cast<int>(unit_)].limit;
  const double* source = asRead ? read_ : now_;
  switch (row.test) {
    case Test::Above:
      return value > limit;
    case Test::Below:
      return value < limit;
    case Test::BelowHole:
      return value < source[kHole];
    case Test::EqualsHole:
      return value == source[kHole];
    case Test::HoleMargin:
      return Decimal(source[kHole] + limit) > value;
    case Test::PadMargin:
      return Decimal(source[kPad] + limit) > value;
    case Test::Empty:
      break;
  }
  return false;
}

// The general-format text of `value`, raised in its last digit while reading
// it back would still fail: the sum may print a hair below itself.
std::string ViaInputLimits::PassingText(double value,
                                        const std::function<bool(double)>& passes) const {
  std::string text = vcl::FloatToStr(value);
  if (!std::isfinite(value) || value == 0) return text;
  const double step = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 14);
  for (int i = 0; i < 4; ++i) {
    double back = 0;
    if (!vcl::TryStrToFloat(text, back) || passes(back)) break;
    text = vcl::FloatToStr(back + step);
  }
  return text;
}

// A reset computed from another input starts from that input as read. When
// that would fail a row of its own input once read back (its source was out
// of range and has been reset, or the other margin of the opening is wider),
// it starts from the sources as their boxes now hold them.
std::string ViaInputLimits::DerivedReset(const Row& row, int layerSet) const {
  const double scale = Scale(row.input);
  auto passes = [&](double shown) {
    for (const Row& r : kRows)
      if (r.input == row.input && r.test != Test::Empty && AppliesIn(r, layerSet) &&
          Fails(r, Decimal(shown / scale), false))
        return false;
    return true;
  };
  auto from = [&](const Row& r, bool asRead) {
    const Input source = r.from == From::Hole ? kHole : kPad;
    return (asRead ? read_ : now_)[source] * scale + r.forms[static_cast<int>(unit_)].offset;
  };
  double widest = from(row, false);
  for (const Row& r : kRows)
    if (r.input == row.input && r.from != From::Fixed && AppliesIn(r, layerSet))
      widest = std::max(widest, from(r, false));
  std::string text;
  for (double candidate : {from(row, true), from(row, false), widest}) {
    text = PassingText(candidate, passes);
    double back = 0;
    if (vcl::TryStrToFloat(text, back) && passes(back)) break;
  }
  return text;
}

void ViaInputLimits::Apply(const Row& row, int layerSet) {
  if (!AppliesIn(row, layerSet)) return;
  const Form& u = row.forms[static_cast<int>(unit_)];
  if (u.flagged && !point_ && !comma_) return;
  if (row.test == Test::Empty ? !Box(row.input)->Text().empty()
                              : !Fails(row, read_[row.input], true))
    return;

  const bool commaForm = u.flagged && comma_;
  vcl::ShowMessage(commaForm && u.commaMessage ? u.commaMessage : u.message);
  const std::string text = row.from != From::Fixed     ? DerivedReset(row, layerSet)
                           : commaForm && u.commaReset ? u.commaReset
                                                       : u.reset;
  Box(row.input)->SetText(text);
  double back = 0;
  if (vcl::TryStrToFloat(text, back)) now_[row.input] = Decimal(back / Scale(row.input));
}

void ViaInputLimits::CheckHole() {
  Apply(kRows[0], 1);
  Read(kHole);
  Apply(kRows[1], 1);
  Apply(kRows[2], 1);
}

void ViaInputLimits::CheckSingleVia(int layerSet) {
  Read(kPad);
  for (int i = 3; i <= 5; ++i) Apply(kRows[i], layerSet);
  if (layerSet == 1) {
    Read(kOpening);
    for (int i = 6; i <= 8; ++i) Apply(kRows[i], layerSet);
  }
  Read(kHeight);
  Apply(kRows[9], layerSet);
  Apply(kRows[10], layerSet);
  Read(kPlating);
  Apply(kRows[11], layerSet);
  Apply(kRows[12], layerSet);
}

void ViaInputLimits::CheckEr() {
  Read(kEr);
  Apply(kRows[13], 1);
  Apply(kRows[14], 1);
}

// The count is read anew for each of its rows.
void ViaInputLimits::CheckViaCount() {
  Read(kCount);
  Apply(kRows[15], 1);
  Read(kCount);
  Apply(kRows[16], 1);
}

namespace {
struct Beyond {
  const char* message;
  const char* commaMessage;  // shown after the point form under the comma flag
  double offset;
};
// Per unit: mils, millimetres, micrometres.
constexpr Beyond kSpacing[3] = {
    {"Minimum via spacing can't be less than or equal to via hole diameter + 1mil", nullptr, 1},
    {"Minimum via spacing can't be less than or equal to via hole diameter + 0.0254mm",
     "Minimum via spacing can't be less than or equal to via hole diameter + 0,0254mm", 0.0254},
    {"Minimum via spacing can't be less than or equal to via hole diameter + 25.4um",
     "Minimum via spacing can't be less than or equal to via hole diameter + 25,4um", 25.4},
};
constexpr const char* kClearance =
    "Minimum gnd clearance can't be less than or equal to via hole diameter";
constexpr double kClearanceOffset[3] = {2, 0.0508, 50.8};
}  // namespace

void ViaInputLimits::CheckSpacing(double hole) {
  if (ReadLength(f_.Edit335) > hole) return;
  const Beyond& b = kSpacing[static_cast<int>(unit_)];
  vcl::ShowMessage(b.message);
  if (comma_ && b.commaMessage) vcl::ShowMessage(b.commaMessage);
  const double scale = unit_ == ViaUnit::Micrometres ? 1000 : 1;
  f_.Edit335->SetText(PassingText(hole * scale + b.offset,
                                  [&](double shown) { return Decimal(shown / scale) > hole; }));
}

void ViaInputLimits::CheckClearance(TEdit* box, double hole) {
  if (ReadLength(box) > hole) return;
  vcl::ShowMessage(kClearance);
  const double scale = unit_ == ViaUnit::Micrometres ? 1000 : 1;
  box->SetText(PassingText(hole * scale + kClearanceOffset[static_cast<int>(unit_)],
                           [&](double shown) { return Decimal(shown / scale) > hole; }));
}

}  // namespace trellis
