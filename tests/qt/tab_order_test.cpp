// Tab moves through a panel's inputs as its layout orders them, passing the
// unit boxes that are no tab stops; a click still focuses those.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class TabOrder : public testing::SolvedScreensFixture {
 protected:
  // The control whose widget (or a widget inside it) holds the window's focus.
  std::string Focused() {
    if (owners_.empty()) Index(*main);
    QWidget* focus = renderer->Window(*main)->focusWidget();
    for (QWidget* w = focus; w; w = w->parentWidget())
      if (auto it = owners_.find(w); it != owners_.end()) return it->second;
    return focus ? "(no control)" : "(none)";
  }
  // The controls the focus visits on `presses` presses of Tab (Shift+Tab going back).
  std::vector<std::string> Visit(const vcl::TControl& from, int presses, bool back = false) {
    renderer->WidgetOf(from)->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(Focused(), from.Name);
    std::vector<std::string> seen;
    for (int k = 0; k < presses; ++k) {
      QWidget* focus = renderer->Window(*main)->focusWidget();
      if (!focus) break;
      QTest::keyClick(focus, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
      seen.push_back(Focused());
    }
    return seen;
  }

 private:
  void Index(const vcl::TControl& parent) {
    for (const vcl::TControl* child : parent.Children()) {
      if (QWidget* w = renderer->WidgetOf(*child)) owners_[w] = child->Name;
      Index(*child);
    }
  }
  std::map<const QWidget*, std::string> owners_;
};

TEST_F(TabOrder, TabVisitsTheInputsInLayoutOrder) {
  struct Case {
    int calculator;
    const char* first;
    std::vector<std::string> then;
  };
  const Case cases[] = {
      // Ohm's law: the E-I-R box, the circuit tabs, then the LED tab's inputs,
      // results and check box; the "Volts", "Ohms", "mA" boxes between them are passed.
      {10,
       "Edit245",
       {"Edit246", "Edit244", "Edit250", "TabControl3", "Edit236", "Edit237", "Edit238", "Edit299",
        "Edit239", "CheckBox6"}},
      // Conductor impedance: width, height (its "mils" boxes passed), the hidden
      // third input skipped, then frequency and the results.
      {1, "Edit67", {"Edit68", "Edit226", "Edit70", "Edit77", "Edit76", "Edit73"}},
      // Fusing current: the button the layout lists first comes after the
      // results, as its tab order says.
      {7, "Edit140", {"Edit153", "Edit337", "Edit159", "Edit160", "Button17"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    Pick(c.calculator);
    QApplication::processEvents();
    const vcl::TControl& first = C(c.first);
    EXPECT_EQ(Visit(first, static_cast<int>(c.then.size())), c.then);
    // Shift+Tab walks the same way back.
    std::vector<std::string> back(c.then.rbegin() + 1, c.then.rend());
    back.push_back(c.first);
    EXPECT_EQ(Visit(C(c.then.back()), static_cast<int>(back.size()), true), back);
  }

  // A unit box that Tab passes still takes the focus on a click.
  Pick(1);
  QApplication::processEvents();
  auto* mils = qobject_cast<QLineEdit*>(renderer->WidgetOf(C("Edit71")));
  ASSERT_NE(mils, nullptr);
  ASSERT_FALSE(C("Edit71").TabStop);
  renderer->WidgetOf(C("Edit67"))->setFocus(Qt::OtherFocusReason);
  QTest::mouseClick(mils, Qt::LeftButton, {}, QPoint(6, mils->height() / 2));
  EXPECT_EQ(Focused(), "Edit71");
}

}  // namespace
}  // namespace trellis::desktop
