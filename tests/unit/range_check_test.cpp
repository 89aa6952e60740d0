// The range-check facility on its own: rows in their flag forms, derived
// resets, what the pass goes on with, and the bounded re-solve.
#include "app/range_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"

namespace {

using namespace trellis::range;
using trellis::LengthSystem;
using trellis::TForm1;
using Fails = trellis::range::Test;  // Test is gtest's fixture base here
using trellis::testing::Harness;

std::vector<std::string> Texts(Harness& h) {
  std::vector<std::string> out;
  for (const auto& m : h.platform.TakeMessages()) out.push_back(m.text);
  return out;
}

class RangeCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    h.Start();
    h.platform.TakeMessages();
  }
  TForm1& F() { return h.Main(); }
  Harness h;
};

const Form kFlaggedForm = {Under::KnownFlag, 1, {"At least 1.5", "At least 1,5"}, {"1.5", "1,5"}};
const Row kFlagged = {.test = Fails::Below, .forms = InEveryUnit(kFlaggedForm)};
const Row kCommaReset = {.test = Fails::AtMost,
                         .forms = InEveryUnit({Under::AnyFlag, 1, {"Above 1"}, {"1.01", "1,01"}})};
const Row kEchoed = {
    .test = Fails::Below,
    .forms = InEveryUnit({Under::AnyFlagEchoed, 1, {"Not below 0.5", "Not below 0,5"}, {"2"}})};
const Row kMax = {.test = Fails::Above,
                  .forms = InEveryUnit({Under::AnyFlag, 9, {"At most 9"}, {"9"}})};
const Row kMetric = {.test = Fails::Below,
                     .forms = MetricOnly({Under::AnyFlag, 1, {"At least 1mm"}, {"1"}},
                                         {Under::AnyFlag, 1, {"At least 1000um"}, {"1000"}})};

Row With(Row row, void (*change)(Row&)) {
  change(row);
  return row;
}

struct Case {
  const char* name;
  const char* flag;  // the caption of Label165
  LengthSystem unit;
  std::vector<Row> rows;
  const char* typed;
  std::vector<std::string> messages;
  const char* text;  // the box afterwards
  double goesOn;     // the number the pass goes on with
  bool stopped = false;
};

TEST_F(RangeCheck, RowsShowAndResetByTheirFlagFormsAndTests) {
  const std::vector<Case> cases = {
      {"flagged, point", "0", LengthSystem::Mils, {kFlagged}, "0", {"At least 1.5"}, "1.5", 0},
      {"flagged, comma", "1", LengthSystem::Mils, {kFlagged}, "0", {"At least 1,5"}, "1,5", 0},
      {"flagged, other flag", "Label165", LengthSystem::Mils, {kFlagged}, "0", {}, "0", 0},
      {"at the bound", "0", LengthSystem::Mils, {kFlagged}, "1", {}, "1", 1},
      {"one message, comma reset",
       "1",
       LengthSystem::Mils,
       {kCommaReset},
       "1",
       {"Above 1"},
       "1,01",
       1},
      {"one message, other flag",
       "Label165",
       LengthSystem::Mils,
       {kCommaReset},
       "1",
       {"Above 1"},
       "1.01",
       1},
      {"echoed, point", "0", LengthSystem::Mils, {kEchoed}, "0", {"Not below 0.5"}, "2", 0},
      {"echoed, comma",
       "1",
       LengthSystem::Mils,
       {kEchoed},
       "0",
       {"Not below 0.5", "Not below 0,5"},
       "2",
       0},
      {"the Er minimum, comma flag",
       "1",
       LengthSystem::Micrometres,
       {ErAtLeastOne()},
       "0.5",
       {"Minimum dielectric constant value can't be less than 1"},
       "1",
       0.5},
      {"the Er minimum, read again",
       "0",
       LengthSystem::Mils,
       {ErAtLeastOne({.readAgain = true})},
       "0.99",
       {"Minimum dielectric constant value can't be less than 1"},
       "1",
       1},
      {"the Er minimum, at 1", "0", LengthSystem::Mils, {ErAtLeastOne()}, "1", {}, "1", 1},
      {"read once", "0", LengthSystem::Mils, {kMax, kFlagged}, "12", {"At most 9"}, "9", 12},
      {"read again",
       "0",
       LengthSystem::Mils,
       {With(kMax, [](Row& r) { r.readAgain = true; }), kFlagged},
       "12",
       {"At most 9"},
       "9",
       9},
      {"each row on the value read",
       "0",
       LengthSystem::Mils,
       {With(kMax, [](Row& r) { r.forms[0].reset = {"0"}; }), kFlagged},
       "12",
       {"At most 9"},
       "0",
       12},
      {"empty, before the read",
       "0",
       LengthSystem::Mils,
       {{.test = Fails::Empty, .forms = InEveryUnit({Under::AnyFlag, 0, {"Empty"}, {"3"}})}, kMax},
       "",
       {"Empty"},
       "3",
       3},
      {"not a number, before the read",
       "0",
       LengthSystem::Mils,
       {{.test = Fails::NotANumber, .forms = InEveryUnit({Under::AnyFlag, 0, {"NaN"}, {"4"}})},
        kMax},
       "x",
       {"NaN"},
       "4",
       4},
      {"message only",
       "0",
       LengthSystem::Mils,
       {{.test = Fails::AtLeast, .forms = InEveryUnit({Under::AnyFlag, 5, {"Too high"}})}},
       "5",
       {"Too high"},
       "5",
       5},
      {"equal",
       "0",
       LengthSystem::Mils,
       {{.test = Fails::Equal, .forms = InEveryUnit({Under::AnyFlag, 5, {"Same"}, {"6"}})}},
       "5",
       {"Same"},
       "6",
       5},
      {"metric row in mils", "0", LengthSystem::Mils, {kMetric}, "0", {}, "0", 0},
      {"metric row in micrometres",
       "0",
       LengthSystem::Micrometres,
       {kMetric},
       "0",
       {"At least 1000um"},
       "1000",
       0},
      {"not applying",
       "0",
       LengthSystem::Mils,
       {With(kMax, [](Row& r) { r.applies = false; })},
       "12",
       {},
       "12",
       12},
      {"ends the pass",
       "0",
       LengthSystem::Mils,
       {With(kMax, [](Row& r) { r.endsPass = true; }),
        {.test = Fails::AtLeast, .forms = InEveryUnit({Under::AnyFlag, 0, {"Not run"}})}},
       "12",
       {"At most 9"},
       "9",
       12,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    F().Label165->SetCaption(c.flag);
    F().Edit3->SetText(c.typed);
    Checker checks(F(), nullptr, c.unit);
    Input input(F().Edit3);
    EXPECT_DOUBLE_EQ(checks.Check(input, c.rows), c.goesOn);
    EXPECT_EQ(Texts(h), c.messages);
    EXPECT_EQ(F().Edit3->Text(), c.text);
    EXPECT_EQ(checks.Stopped(), c.stopped);
  }
}

// An opening that must clear the hole by a margin: the reset is computed from
// the hole, as read or, once the hole was reset, as its box now holds it, and
// passes its own rows when read back.
TEST_F(RangeCheck, DerivedResetsPassTheirOwnRowsReadBack) {
  struct Derived {
    const char *hole, *opening;
    std::vector<std::string> messages;
    const char *holeAfter, *openingAfter;
  };
  const std::vector<Derived> cases = {
      {"0.232", "0.283", {}, "0.232", "0.283"},  // a typed sum at the margin passes
      {"0.232", "0.27", {"Opening"}, "0.232", "0.283"},
      {"0.3", "0.27", {"Hole", "Opening"}, "0.25", "0.301"},
  };
  F().Label165->SetCaption("0");
  for (const Derived& c : cases) {
    SCOPED_TRACE(c.opening);
    F().Edit3->SetText(c.hole);
    F().Edit4->SetText(c.opening);
    Checker checks(F(), nullptr, LengthSystem::Millimetres);
    Input hole(F().Edit3, 1, true), opening(F().Edit4, 1, true);
    checks.Check(hole, Row{.test = Fails::Above,
                           .forms = InEveryUnit({Under::AnyFlag, 0.25, {"Hole"}, {"0.25"}})});
    const Row row = {.test = Fails::Below,
                     .forms = InEveryUnit({Under::AnyFlag, 0.051, {"Opening"}}),
                     .over = &hole,
                     .derived = [&](std::span<const Row> rows) {
                       return PassingText(hole.Now() + 0.051, [&](double back) {
                         return checks.Passes(rows, Decimal(back));
                       });
                     }};
    checks.Check(opening, row);
    EXPECT_EQ(Texts(h), c.messages);
    EXPECT_EQ(F().Edit3->Text(), c.holeAfter);
    EXPECT_EQ(F().Edit4->Text(), c.openingAfter);
    EXPECT_TRUE(checks.Passes(std::span<const Row>(&row, 1), opening.Now()));
  }
}

// A re-solving row whose reset fails again runs one nested Solve per
// outermost pass. The row runs inside Solve from the change handler of the
// box Solve fills in when it is empty, on a box the calculator at start-up
// (the via) does not read.
TEST_F(RangeCheck, AResolvingRowSolvesAgainOncePerOutermostPass) {
  const Row row = {.test = Fails::Below,
                   .forms = InEveryUnit({Under::AnyFlag, 1, {"At least 1"}, {"0"}}),
                   .resolve = "range test"};
  int runs = 0;
  const vcl::TNotifyEvent kept = F().Edit85->OnChange;
  F().Edit85->OnChange = [&](vcl::TObject*) {
    if (F().Edit85->Text() != "0") return;
    ++runs;
    F().Edit85->SetText("");  // so that the nested Solve runs the row again
    Checker checks(F(), nullptr, LengthSystem::Mils);
    Input input(F().Edit18);
    checks.Check(input, row);
  };
  F().Edit18->SetText("0");
  for (int pass = 1; pass <= 2; ++pass) {
    SCOPED_TRACE(pass);
    F().Edit85->SetText("");
    const long before = F().SolveCount;
    F().Button1Click(nullptr);
    EXPECT_EQ(F().SolveCount - before, 2);  // the pass and one nested Solve
    EXPECT_EQ(runs, 2 * pass);
    EXPECT_EQ(Texts(h), (std::vector<std::string>{"At least 1", "At least 1"}));
  }
  F().Edit85->OnChange = kept;
  F().Edit85->SetText("0");
}

}  // namespace
