// Range checks as data: every calculator writes its checks as rows of a table
// and runs them on its inputs with one Checker.
//
// A row fails when the compared number breaks its test against the bound (or,
// for the text tests, when the box is empty or not a number). A failing row
// shows its message, resets its box to a fixed or a derived text, and may
// re-solve through TForm1::ResetAndResolve, have the pass go on with the box
// read again, or end the pass. Texts that quote a decimal number come in a
// point and a comma form chosen by the decimal flag (TForm1::Label165).
//
// Rows that need nothing of the pass are constant tables; rows whose bound or
// texts the pass computes (a bound such as 2 x T + S, a message chosen by a
// mode, a reset derived from other boxes) are built in the solve routine.
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>

#include "app/units.h"
#include "vcl/controls.h"

namespace trellis {

class TForm1;

namespace range {

// What makes a row fail, for the compared number v and the bound b.
enum class Test {
  Above,       // v > b
  AtLeast,     // v >= b
  Below,       // v < b
  AtMost,      // v <= b
  Equal,       // v == b
  Empty,       // the box's text is empty (tested before the box is read)
  NotANumber,  // the box's text is not a number (tested before the box is read)
};

// Under which decimal flags a row runs, and which of its texts it uses.
enum class Under {
  AnyFlag,        // any flag: the comma text (where given) under "1", the point one otherwise
  KnownFlag,      // "0": the point texts; "1": the comma texts (where given); any other: nothing
  AnyFlagEchoed,  // any flag: the point message, followed under "1" by the comma message
};

// A text in its point and comma forms; no comma form: the point form under every flag.
struct Texts {
  const char* point = nullptr;
  const char* comma = nullptr;
};

class Input;

// One unit's form of a row. With no message the row does not apply in that unit.
struct Form {
  Under under = Under::AnyFlag;
  double bound = 0;  // compared units; with Row::over, a margin added to that input
  Texts message = {};
  Texts reset = {};  // no point form: the row's derived reset, or no reset at all
};

struct Row {
  Test test = Test::Above;
  // Per unit: mils, millimetres, micrometres (InEveryUnit, MetricOnly).
  std::array<Form, 3> forms = {};
  // The bound is this other input (as read; as its box now holds it when
  // testing a reset read back) plus the form's bound.
  const Input* over = nullptr;
  // A reset computed from other inputs, used when the form has no reset text;
  // it is handed the rows being checked, to test itself read back (Passes).
  std::function<std::string(std::span<const Row> rows)> derived = {};
  // Re-solve through TForm1::ResetAndResolve under this name (at most one
  // nested Solve per name in an outermost pass); only a row that resets.
  const char* resolve = nullptr;
  // The pass goes on with the box read again after the reset, not as read.
  bool readAgain = false;
  // A failing row ends the pass: the checker runs no more rows (see Stopped).
  bool endsPass = false;
  // The row takes part in this pass (layer set, structure, solve-for mode...).
  bool applies = true;
};

// The forms of a row that reads the same in every unit (or has no unit).
constexpr std::array<Form, 3> InEveryUnit(const Form& form) { return {form, form, form}; }
// The forms of a row that applies in the metric units only.
constexpr std::array<Form, 3> MetricOnly(const Form& mm, const Form& um) {
  return {Form{}, mm, um};
}

// How a pass goes on after a failing row of a shared definition: the name it
// re-solves under (Row::resolve), and whether it reads the box again.
struct GoesOn {
  const char* resolve = nullptr;
  bool readAgain = false;
};

// An Er below 1, in any unit and under any flag: "Minimum dielectric constant
// value can't be less than 1", and the box reset to "1".
Row ErAtLeastOne(GoesOn goesOn = {});

// The typed decimal a sum or quotient of typed decimals stands for (15
// significant digits): 0.232 + 0.051 compares equal to 0.283.
double Decimal(double value);

// `value`'s general-format text, raised in its last digit (at most four
// times) while reading it back does not pass: a sum may print a hair below
// itself.
std::string PassingText(double value, const std::function<bool(double back)>& passes);

// One input box as a pass reads it: its number over `scale`, optionally as a
// typed decimal.
class Input {
 public:
  explicit Input(vcl::TEdit* box, double scale = 1, bool decimal = false)
      : box_(box), scale_(scale), decimal_(decimal) {}
  // An input the calculator keeps between passes: read into `kept`, and
  // compared as `kept` stands when its rows run, so a pass resuming after a
  // nested one judges what that pass left, not its own rejected number.
  Input(vcl::TEdit* box, double& kept, double scale = 1)
      : box_(box), scale_(scale), decimal_(false), kept_(&kept) {}

  vcl::TEdit* Box() const { return box_; }
  double Scale() const { return scale_; }
  // Reads the box; both the read and the current number become its number.
  double Read();
  bool IsRead() const { return isRead_; }
  // The number as the pass read it, and as its box holds it after a reset.
  double AsRead() const { return read_; }
  double Now() const { return now_; }
  // The compared number of a text typed in the box (false: not a number).
  bool Compared(const std::string& text, double& value) const;

 private:
  friend class Checker;
  vcl::TEdit* box_;
  double scale_;
  bool decimal_;
  double* kept_ = nullptr;
  bool isRead_ = false;
  double read_ = 0, now_ = 0;
};

// Runs rows for one pass of one calculator.
class Checker {
 public:
  // The rows' forms are those of the pass's unit; micrometre boxes are
  // compared in millimetres (their Input's scale is 1000).
  Checker(TForm1& form, vcl::TObject* sender, LengthUnit unit);

  const LengthUnit& Unit() const { return unit_; }
  int UnitIndex() const { return static_cast<int>(unit_.System()); }

  // Runs `rows` on `input` in order: the text tests on the box as it stands,
  // and the box is read (when not read yet) before the first number test.
  // Returns the number the pass goes on with: as read, or as read again
  // after a readAgain row's reset (0 when the rows only test the text).
  double Check(Input& input, std::span<const Row> rows);
  double Check(Input& input, const Row& row) { return Check(input, std::span<const Row>(&row, 1)); }

  // Whether `value` (compared units) passes every number row that applies in
  // this unit, whatever the flag, the bounds over other inputs taken as their
  // boxes now hold them: the test of a derived reset read back.
  bool Passes(std::span<const Row> rows, double value) const;

  // A row that ends the pass has failed.
  bool Stopped() const { return stopped_; }

 private:
  bool Fails(const Row& row, const Form& form, double value, bool asRead) const;
  void Fire(Input& input, std::span<const Row> rows, const Row& row, const Form& form);

  TForm1& f_;
  vcl::TObject* sender_;
  LengthUnit unit_;
  bool stopped_ = false;
};

}  // namespace range
}  // namespace trellis
