#include "app/range_check.h"

#include <cmath>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"

namespace trellis::range {

Row ErAtLeastOne(GoesOn goesOn) {
  return {
      .test = Test::Below,
      .forms = InEveryUnit(
          {Under::AnyFlag, 1, {"Minimum dielectric constant value can't be less than 1"}, {"1"}}),
      .resolve = goesOn.resolve,
      .readAgain = goesOn.readAgain};
}

double Decimal(double value) { return vcl::RoundToFifteenDigits(value); }

std::string PassingText(double value, const std::function<bool(double)>& passes) {
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

double Input::Read() {
  const double v = vcl::StrToFloat(box_->Text()) / scale_;
  read_ = now_ = decimal_ ? Decimal(v) : v;
  if (kept_) *kept_ = read_;
  isRead_ = true;
  return read_;
}

bool Input::Compared(const std::string& text, double& value) const {
  double back = 0;
  if (!vcl::TryStrToFloat(text, back)) return false;
  value = decimal_ ? Decimal(back / scale_) : back / scale_;
  return true;
}

namespace {
bool TestsText(Test test) { return test == Test::Empty || test == Test::NotANumber; }
}  // namespace

Checker::Checker(TForm1& form, vcl::TObject* sender, LengthUnit unit)
    : f_(form), sender_(sender), unit_(unit) {}

bool Checker::Fails(const Row& row, const Form& form, double value, bool asRead) const {
  double bound = form.bound;
  if (row.over) {
    const double sum = (asRead ? row.over->read_ : row.over->now_) + form.bound;
    bound = row.over->decimal_ ? Decimal(sum) : sum;
  }
  switch (row.test) {
    case Test::Above:
      return value > bound;
    case Test::AtLeast:
      return value >= bound;
    case Test::Below:
      return value < bound;
    case Test::AtMost:
      return value <= bound;
    case Test::Equal:
      return value == bound;
    case Test::Empty:
    case Test::NotANumber:
      break;
  }
  return false;
}

void Checker::Fire(Input& input, std::span<const Row> rows, const Row& row, const Form& form) {
  const bool comma = f_.CommaFlag();
  auto pick = [comma](const Texts& t) { return comma && t.comma ? t.comma : t.point; };
  std::string message = pick(form.message);
  if (form.under == Under::AnyFlagEchoed) {
    message = form.message.point;
    if (comma && form.message.comma) {
      vcl::ShowMessage(message);
      message = form.message.comma;
    }
  }
  const bool resets = form.reset.point || row.derived;
  const std::string text = form.reset.point ? pick(form.reset)
                           : row.derived    ? row.derived(rows)
                                            : "";

  if (row.resolve && resets) {
    f_.ResetAndResolve(row.resolve, message, input.box_, text, sender_);
  } else {
    vcl::ShowMessage(message);
    if (resets) input.box_->SetText(text);
  }
  double back = 0;
  if (resets && input.Compared(text, back)) input.now_ = back;
  if (row.readAgain) input.Read();
  if (row.endsPass) stopped_ = true;
}

double Checker::Check(Input& input, std::span<const Row> rows) {
  for (const Row& row : rows) {
    if (stopped_) break;
    const bool text = TestsText(row.test);
    if (!text && !input.isRead_) input.Read();
    const Form& form = row.forms[UnitIndex()];
    if (!row.applies || !form.message.point) continue;
    // The flag is read only for the rows that depend on it; a pass never changes it.
    if (form.under == Under::KnownFlag && !f_.PointFlag() && !f_.CommaFlag()) continue;
    double typed = 0;
    const bool fails = row.test == Test::Empty ? input.box_->Text().empty()
                       : row.test == Test::NotANumber
                           ? !vcl::TryStrToFloat(input.box_->Text(), typed)
                           : Fails(row, form, input.kept_ ? *input.kept_ : input.read_, true);
    if (fails) Fire(input, rows, row, form);
  }
  return input.kept_ ? *input.kept_ : input.read_;
}

bool Checker::Passes(std::span<const Row> rows, double value) const {
  for (const Row& row : rows) {
    const Form& form = row.forms[UnitIndex()];
    if (!row.applies || !form.message.point || TestsText(row.test)) continue;
    if (Fails(row, form, value, false)) return false;
  }
  return true;
}

}  // namespace trellis::range
