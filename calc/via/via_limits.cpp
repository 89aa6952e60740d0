#include "calc/via/via_limits.h"

#include <algorithm>

#include "app/form1.h"

namespace trellis {

using range::Decimal;
using range::Input;
using range::Row;
using range::Test;
using vcl::StrToFloat;
using vcl::TEdit;

namespace {

// Rows, per unit: mils, millimetres, micrometres. Bounds are mils or
// millimetres (micrometre boxes are divided by 1000, and every number is read
// as the typed decimal it stands for). A plain row shows its message and
// writes its reset whatever the flag; a flagged one follows the flag.
constexpr range::Under kPlain = range::Under::AnyFlag, kFlagged = range::Under::KnownFlag,
                       kEchoed = range::Under::AnyFlagEchoed;

const Row kHoleRows[] = {
    {.test = Test::Empty,
     .forms =
         {{{kFlagged, 0, {"Via hole diameter can't be empty, using default of 10mils"}, {"10"}},
           {kFlagged,
            0,
            {"Via hole diameter can't be empty, using default of 0.254mm",
             "Via hole diameter can't be empty, using default of 0,254mm"},
            {"0.254", "0,254"}},
           {kFlagged, 0, {"Via hole diameter can't be empty, using default of 254um"}, {"254"}}}}},
    {.test = Test::Above,
     .forms = {{{kPlain, 250, {"Maximum via hole diameter can't be greater than 250mils"}, {"250"}},
                {kFlagged,
                 6.35,
                 {"Maximum via hole diameter can't be greater than 6.35mm",
                  "Maximum via hole diameter can't be greater than 6,35mm"},
                 {"6.35", "6,35"}},
                {kFlagged,
                 6.35,
                 {"Maximum via hole diameter can't be greater than 6350um"},
                 {"6350"}}}}},
    {.test = Test::Below,
     .forms = {{{kPlain, 1, {"Minimum via hole diameter can't be less than 1mil"}, {"1"}},
                {kFlagged,
                 kMillimetresPerMil,
                 {"Minimum via hole diameter can't be less than 0.0254mm",
                  "Minimum via hole diameter can't be less than 0,0254mm"},
                 {"0.0254", "0,0254"}},
                {kFlagged,
                 kMillimetresPerMil,
                 {"Minimum via hole diameter can't be less than 25.4um",
                  "Minimum via hole diameter can't be less than 25,4um"},
                 {"25.4", "25,4"}}}}},
};

const Row kHeightRows[] = {
    {.test = Test::Above,
     .forms = {{{kPlain, 1000, {"Maximum via length can't be greater than 1000mils"}, {"1000"}},
                {kFlagged,
                 kMillimetresPerInch,
                 {"Maximum via length can't be greater than 25.4mm",
                  "Maximum via length can't be greater than 25,4mm"},
                 {"25.4", "25,4"}},
                {kFlagged,
                 kMillimetresPerInch,
                 {"Maximum via length can't be greater than 25400um"},
                 {"25400"}}}}},
    {.test = Test::Below,
     .forms = {{{kPlain, 1, {"Minimum via length can't be less than 1mil"}, {"1"}},
                {kFlagged,
                 kMillimetresPerMil,
                 {"Minimum via length can't be less than 0.0254mm",
                  "Minimum via length can't be less than 0,0254mm"},
                 {"0.0254", "0,0254"}},
                {kFlagged,
                 kMillimetresPerMil,
                 {"Minimum via length can't be less than 25,4um"},
                 {"25.4", "25,4"}}}}},
};

const Row kPlatingRows[] = {
    {.test = Test::Above,
     .forms =
         {{{kPlain, 3, {"Maximum plating thickness can't be greater than 3mils"}, {"3"}},
           {kFlagged,
            0.127,
            {"Maximum plating thickness can't be greater than 0.127mm"},
            {"0.127", "0,127"}},
           {kFlagged, 0.127, {"Maximum plating thickness can't be greater than 127um"}, {"127"}}}}},
    {.test = Test::Below,
     .forms = {{{kFlagged,
                 0.1,
                 {"Minimum plating thickness can't be less than 0.1mil",
                  "Minimum plating thickness can't be less than 0,1mil"},
                 {"0.1", "0,1"}},
                {kFlagged,
                 0.0025,
                 {"Minimum plating thickness can't be less than 2.5um",
                  "Minimum plating thickness can't be less than 2,5um"},
                 {"0.0025", "0,0025"}},
                {kFlagged,
                 0.0025,
                 {"Minimum plating thickness can't be less than 2.5um",
                  "Minimum plating thickness can't be less than 2,5um"},
                 {"2.5", "2,5"}}}}},
};

const Row kErRows[] = {
    {.test = Test::Above,
     .forms = range::InEveryUnit(
         {kPlain, 350, {"Maximum dielectric constant value can't be greater than 350"}, {"350"}})},
    range::ErAtLeastOne(),
};

// The count is read anew for its second row.
const Row kCountRows[] = {
    {.test = Test::Above,
     .forms = range::InEveryUnit({kPlain, 999, {"Via count cannot be greater than 999"}, {"999"}}),
     .readAgain = true},
    {.test = Test::Below,
     .forms = range::InEveryUnit({kPlain, 1, {"Via count cannot be less than 1"}, {"1"}})},
};

// The derived resets' distance beyond their source, in the box's own unit.
constexpr double kPadOverHole[3] = {1, kMillimetresPerMil, kMicrometresPerMil};
constexpr double kOpeningMargin[3] = {2, 0.051, 51};
constexpr double kSpacingOverHole[3] = {1, kMillimetresPerMil, kMicrometresPerMil};
constexpr double kClearanceOverHole[3] = {2, 0.0508, 50.8};

constexpr const char* kPadBelowHole =
    "Minimum via pad diameter can't be less than via hole diameter";
constexpr const char* kPadEqualsHole =
    "The PTH via pad diameter should be larger than via hole diameter";

}  // namespace

ViaInputLimits::ViaInputLimits(TForm1& form, LengthUnit unit)
    : f_(form),
      checks_(form, nullptr, unit),
      hole_(form.Edit3, LengthScale(), true),
      pad_(form.Edit4, LengthScale(), true),
      opening_(form.Edit5, LengthScale(), true),
      height_(form.Edit6, LengthScale(), true),
      plating_(form.Edit9, LengthScale(), true),
      er_(form.Edit7, 1, true),
      count_(form.Edit227, 1, true) {}

double ViaInputLimits::LengthScale() const {
  return Unit() == LengthSystem::Micrometres ? 1000 : 1;
}

double ViaInputLimits::ReadLength(const TEdit* box) const {
  const double v = StrToFloat(box->Text());
  return Unit() == LengthSystem::Micrometres ? Decimal(v / 1000) : v;
}

// A reset `offset` beyond its source starts from the source as read. When
// that would fail a row of its own input once read back (the source was out
// of range and has been reset, or the other margin of the opening is wider),
// it starts from the sources as their boxes now hold them.
std::string ViaInputLimits::Beyond(std::span<const Row> rows, const Input& target,
                                   const Input& source, double offset, double widest) const {
  const double scale = target.Scale();
  auto passes = [&](double shown) { return checks_.Passes(rows, Decimal(shown / scale)); };
  std::string text;
  for (double candidate :
       {source.AsRead() * scale + offset, source.Now() * scale + offset, widest}) {
    text = range::PassingText(candidate, passes);
    double back = 0;
    if (vcl::TryStrToFloat(text, back) && passes(back)) break;
  }
  return text;
}

void ViaInputLimits::CheckHole() { checks_.Check(hole_, kHoleRows); }

void ViaInputLimits::CheckSingleVia(int layerSet) {
  const int u = checks_.UnitIndex();
  const double scale = LengthScale();

  const double padOffset = kPadOverHole[u];
  auto padFromHole = [this, padOffset, scale](std::span<const Row> rows) {
    return Beyond(rows, pad_, hole_, padOffset, hole_.Now() * scale + padOffset);
  };
  const Row padRows[] = {
      {.test = Test::Above,
       .forms =
           {{{kPlain, 500, {"Maximum via pad diameter can't be greater than 500mils"}, {"500"}},
             {kFlagged,
              12.7,
              {"Maximum via pad diameter can't be greater than 12.7mm",
               "Maximum via pad diameter can't be greater than 12,7mm"},
              {"12.7", "12,7"}},
             {kFlagged,
              12.7,
              {"Maximum via pad diameter can't be greater than 12700um",
               "Maximum via pad diameter can't be greater than 12700m"},
              {"12700"}}}}},
      {.test = Test::Below,
       .forms = range::InEveryUnit({kPlain, 0, {kPadBelowHole}}),
       .over = &hole_,
       .derived = padFromHole,
       .applies = layerSet != 0},
      {.test = Test::Equal,
       .forms = range::InEveryUnit({kPlain, 0, {kPadEqualsHole}}),
       .over = &hole_,
       .derived = padFromHole,
       .applies = layerSet == 1},
  };
  checks_.Check(pad_, padRows);

  if (layerSet == 1) {
    const double margin = kOpeningMargin[u];
    auto widest = [this, margin, scale] {
      return std::max(hole_.Now() * scale + margin, pad_.Now() * scale + margin);
    };
    const Row openingRows[] = {
        {.test = Test::Above,
         .forms = {{{kPlain,
                     1000,
                     {"Maximum reference plane opening diameter can't be greater than 1000mils"},
                     {"1000"}},
                    {kFlagged,
                     kMillimetresPerInch,
                     {"Maximum reference plane opening diameter can't be greater than 25.4mm",
                      "Maximum reference plane opening diameter can't be greater than 25,4mm"},
                     {"25.4", "25,4"}},
                    {kFlagged,
                     kMillimetresPerInch,
                     {"Maximum reference plane opening diameter can't be greater than 25400um"},
                     {"25400"}}}}},
        {.test = Test::Below,
         .forms = {{{kPlain,
                     2,
                     {"Minimum reference plane opening diameter can't be less than via hole "
                      "diameter + 2mils"}},
                    {kFlagged,
                     0.051,
                     {"Minimum reference plane opening diameter can't be less than via hole "
                      "diameter + 0.051mm",
                      "Minimum reference plane opening diameter can't be less than via hole "
                      "diameter + 0,051mm"}},
                    {kFlagged,
                     0.051,
                     {"Minimum reference plane opening diameter can't be less than via hole "
                      "diameter + 51um"}}}},
         .over = &hole_,
         .derived =
             [&](std::span<const Row> rows) {
               return Beyond(rows, opening_, hole_, margin, widest());
             }},
        {.test = Test::Below,
         .forms = {{{kPlain,
                     2,
                     {"Minimum reference plane opening diameter can't be less than internal pad "
                      "diameter + 2mils"}},
                    {kFlagged,
                     0.051,
                     {"Minimum reference plane opening diameter can't be less than internal pad "
                      "diameter + 0.051mm",
                      "Minimum reference plane opening diameter can't be less than internal pad "
                      "diameter + 0,051mm"}},
                    {kFlagged,
                     0.051,
                     {"Minimum reference plane opening diameter can't be less than internal pad "
                      "diameter + 51um"}}}},
         .over = &pad_,
         .derived =
             [&](std::span<const Row> rows) {
               return Beyond(rows, opening_, pad_, margin, widest());
             }},
    };
    checks_.Check(opening_, openingRows);
  }

  checks_.Check(height_, kHeightRows);
  checks_.Check(plating_, kPlatingRows);
}

void ViaInputLimits::CheckEr() { checks_.Check(er_, kErRows); }

void ViaInputLimits::CheckViaCount() { checks_.Check(count_, kCountRows); }

void ViaInputLimits::CheckSpacing(double hole) {
  const int u = checks_.UnitIndex();
  const double scale = LengthScale(), offset = kSpacingOverHole[u];
  Input spacing(f_.Edit335, scale, Unit() == LengthSystem::Micrometres);
  const Row row = {
      .test = Test::AtMost,
      .forms = {{{kEchoed,
                  hole,
                  {"Minimum via spacing can't be less than or equal to via hole diameter + 1mil"}},
                 {kEchoed,
                  hole,
                  {"Minimum via spacing can't be less than or equal to via hole diameter + "
                   "0.0254mm",
                   "Minimum via spacing can't be less than or equal to via hole diameter + "
                   "0,0254mm"}},
                 {kEchoed,
                  hole,
                  {"Minimum via spacing can't be less than or equal to via hole diameter + 25.4um",
                   "Minimum via spacing can't be less than or equal to via hole diameter + "
                   "25,4um"}}}},
      .derived = [&](std::span<const Row> rows) {
        return range::PassingText(hole * scale + offset, [&](double shown) {
          return checks_.Passes(rows, Decimal(shown / scale));
        });
      }};
  checks_.Check(spacing, row);
}

void ViaInputLimits::CheckClearance(TEdit* box, double hole) {
  const double scale = LengthScale(), offset = kClearanceOverHole[checks_.UnitIndex()];
  Input clearance(box, scale, Unit() == LengthSystem::Micrometres);
  const Row row = {
      .test = Test::AtMost,
      .forms = range::InEveryUnit(
          {kPlain,
           hole,
           {"Minimum gnd clearance can't be less than or equal to via hole diameter"}}),
      .derived = [&](std::span<const Row> rows) {
        return range::PassingText(hole * scale + offset, [&](double shown) {
          return checks_.Passes(rows, Decimal(shown / scale));
        });
      }};
  checks_.Check(clearance, row);
}

}  // namespace trellis
