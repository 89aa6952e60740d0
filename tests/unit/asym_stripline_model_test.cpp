// The offset-stripline formula sets against figures worked out independently
// of the program (a short script of the formulas), as the Zo box rounds them.
#include "calc/impedance/asym_stripline_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/c_text.h"
#include "tests/support/harness.h"
#include "tests/support/math_errors.h"
#include "vcl/sysutils.h"
#include "vcl/user.h"

using namespace trellis::impedance;
using Form = AsymStriplineForm;

namespace {

std::string Ohms(double zo) { return trellis::testing::Text("%.3f", zo); }

using trellis::testing::MathErrors;

struct ZoCase {
  const char* name;
  double w, t, h1, h2, er;  // mils
  Form form;
  const char *byDefault, *ipc2141, *wadell;
};

// clang-format off
const ZoCase kCases[] = {
    // The worked example: 1 oz base copper, Er 4.6; ratio 1/3, then 2/3.
    {"worked, narrow",                  5,    1.4, 10, 5,  4.6, Form::Narrow, "45.514", "43.649", "42.659"},
    {"worked, wide",                    10,   1.4, 10, 5,  4.6, Form::Wide,   "34.925", "22.149", "22.069"},
    {"heights swapped, narrow",         5,    1.4, 5,  10, 4.6, Form::Narrow, "45.514", "43.649", "42.659"},
    {"heights swapped, wide",           10,   1.4, 5,  10, 4.6, Form::Wide,   "34.925", "22.149", "22.069"},
    // Centred: the offset correction is its constant alone.
    {"centred",                         5,    1.4, 8,  8,  4.6, Form::Narrow, "50.713", "49.864", "48.549"},
    // Limits: no thickness keeps the width in both symmetric sets, and
    // x ln x is 0 at x = 0 in the wide form (r = 0, then r = 1).
    {"no thickness, narrow",            5,    0,   10, 5,  4.6, Form::Narrow, "52.811", "49.099", "49.099"},
    {"no thickness, wide",              10,   0,   10, 5,  4.6, Form::Wide,   "35.762", "21.739", "21.739"},
    {"width equal to thickness, wide",  2.1,  2.1, 3,  2,  4.6, Form::Wide,   "39.411", "35.736", "34.493"},
    {"width equal to thickness, narrow", 1.4, 1.4, 10, 5,  4.6, Form::Narrow, "67.575", "72.845", "69.143"},
    // A ratio of exactly 0.35, although B - T falls a hair short of H1 + H2.
    {"ratio exactly 0.35",              4.55, 5.6, 8,  5,  4.6, Form::Wide,   "42.961", "38.128", "35.735"},
    {"half ounce, low Er",              8,    0.7, 12, 6,  3.0, Form::Wide,   "55.722", "54.077", "53.911"},
};
// clang-format on

TEST(AsymStriplineModel, ZoOfEveryFormulaSet) {
  for (const ZoCase& c : kCases) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const AsymStriplineInputs in{c.w, c.t, c.h1, c.h2, c.er};
    EXPECT_EQ(AsymStriplineFormFor(c.w, c.h1, c.h2), c.form);
    const AsymStripline model = AsymStriplineModel(in, c.form);
    EXPECT_EQ(model.form, c.form);
    EXPECT_EQ(Ohms(model.zo), c.byDefault);
    const OffsetStripline ipc = Ipc2141Stripline(in), wadell = WadellStripline(in);
    EXPECT_EQ(Ohms(ipc.zo), c.ipc2141);
    EXPECT_EQ(Ohms(wadell.zo), c.wadell);
    const double b = c.h1 + c.h2 + c.t;
    EXPECT_DOUBLE_EQ(model.b, b);
    EXPECT_DOUBLE_EQ(ipc.b, b);
    EXPECT_DOUBLE_EQ(wadell.b, b);
    EXPECT_TRUE(errors.shown.empty());
  }
}

// What a caller shows or keeps beside Zo: the worked narrow example.
TEST(AsymStriplineModel, IntermediatesOfTheNarrowForm) {
  const AsymStripline m = AsymStriplineModel({5, 1.4, 10, 5, 4.6}, Form::Narrow);
  EXPECT_DOUBLE_EQ(m.b, 16.4);
  EXPECT_DOUBLE_EQ(m.a, 5);
  EXPECT_NEAR(m.s, 5.7, 1e-12);
  EXPECT_NEAR(m.c, 0.3048780487804878, 1e-12);
  EXPECT_NEAR(m.k, 0.9146341463414634, 1e-12);
  EXPECT_NEAR(m.r, 0.28, 1e-12);
  EXPECT_NEAR(m.d, 3.64821545728, 1e-10);
  EXPECT_NEAR(m.y, 2.6424184856271657, 1e-12);
}

TEST(AsymStriplineModel, FormOnTheTypedRatio) {
  struct Case {
    const char* name;
    double w, h1, h2;
    std::optional<Form> form;
  };
  const Case cases[] = {
      {"just below 0.35", 3.49, 6, 4, Form::Narrow},
      {"0.35, mils", 3.5, 6, 4, Form::Wide},
      {"0.35, mils, over B - T", 4.55, 8, 5, Form::Wide},
      // Converted to mils these fall below 0.35; as typed they do not.
      {"0.35, millimetres", 0.105, 0.26, 0.04, Form::Wide},
      {"0.35, micrometres", 70, 20, 180, Form::Wide},
      {"no width, no heights", 0, 0, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AsymStriplineFormFor(c.w, c.h1, c.h2), c.form);
  }
  EXPECT_LT(0.105 / 25.4 * 1000 / (0.26 / 25.4 * 1000 + 0.04 / 25.4 * 1000), 0.35);
  EXPECT_LT(70 / 25.4 / (20 / 25.4 + 180 / 25.4), 0.35);
}

// A narrow conductor close to one plane has no real arccosh: the square root
// reports its error and Zo is not a number.
TEST(AsymStriplineModel, NarrowFormBeyondItsDomain) {
  MathErrors errors;
  const AsymStripline m = AsymStriplineModel({30, 0, 100, 0.1, 4.6}, Form::Narrow);
  EXPECT_LT(m.y, 1);
  EXPECT_TRUE(std::isnan(m.zo));
  EXPECT_EQ(errors.shown, std::vector<std::string>{vcl::MathErrorText("sqrt", "DOMAIN")});
}

// What the structure leaves in the shared values: mils in both unit systems,
// the plane spacing from every set, the single-ended impedance and the
// arccosh argument from the default set alone.
TEST(StriplineAsymSolve, SharedValues) {
  trellis::testing::Harness h({.settings = {{"Units", "1"}, {"Microns", "1"}}});
  h.Start();
  trellis::TForm1& f = h.Main();
  auto& menu = dynamic_cast<vcl::TMenuItem&>(h.Component("Form1", "RFImpedances1"));
  vcl::user::PickMenuItem(menu);
  vcl::user::ChooseItem(*f.RadioGroup3, 3);
  vcl::user::ChooseItem(*f.RadioGroup4, 2);  // 35 um
  vcl::user::TypeText(*f.Edit67, "127");
  vcl::user::TypeText(*f.Edit68, "254");
  vcl::user::TypeText(*f.Edit74, "127");
  vcl::user::Click(*f.Button1);
  const double t = 0.035 / 25.4 * 1000;
  EXPECT_NEAR(f.ConductorWidth, 5, 1e-12);
  EXPECT_NEAR(f.ConductorHeight1, 10, 1e-12);
  EXPECT_NEAR(f.ConductorHeight2, 5, 1e-12);
  EXPECT_NEAR(f.ConductorThickness, t, 1e-12);
  EXPECT_NEAR(f.ModelHeight, 15 + t, 1e-12);
  EXPECT_EQ(Ohms(f.SingleEndedZo), "45.582");
  EXPECT_NEAR(f.ImpedanceScratch, 2.6483354013043985, 1e-12);

  for (int set : {1, 2}) {
    SCOPED_TRACE(set);
    f.SingleEndedZo = -1;
    f.ModelHeight = f.ImpedanceScratch = 0;
    vcl::user::ChooseItem(*f.RadioGroup24, set);
    EXPECT_EQ(f.SingleEndedZo, -1);
    EXPECT_EQ(f.ImpedanceScratch, 0);
    EXPECT_NEAR(f.ModelHeight, 15 + t, 1e-12);
  }
  EXPECT_TRUE(h.platform.TakeMessages().empty());
}

}  // namespace
