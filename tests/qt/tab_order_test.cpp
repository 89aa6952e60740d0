// Tab moves through a panel's inputs as its layout orders them, passing the
// unit boxes that are no tab stops; a click still focuses those. The tab
// strips Tab reaches answer the keys, and Ctrl+Tab picks the calculator from
// anywhere in the main window, and from no other window.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/calculators.h"
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
  // Presses Tab from the control that has the focus until the named one has it.
  void Reach(const std::string& name) {
    for (int k = 0; k < 400 && Focused() != name; ++k) {
      QWidget* focus = renderer->Window(*main)->focusWidget();
      ASSERT_NE(focus, nullptr);
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    ASSERT_EQ(Focused(), name);
  }
  // The window takes keys as the active window does; false where none can be active.
  bool Activate() {
    QWidget* window = renderer->Window(*main);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
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

TEST_F(TabOrder, TabStripsAnswerTheKeys) {
  if (!Activate()) GTEST_SKIP() << "no active window here";
  constexpr auto kCtrl = Qt::ControlModifier;
  constexpr auto kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  constexpr int kLast = kCalculatorCount - 1;
  struct Case {
    const char* focus;
    int calculator, ohmsTab;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int calculatorAfter, ohmsTabAfter;
  };
  const Case cases[] = {
      // The calculator strip: the arrows pick the neighbour and stop at the ends.
      {"TabControl1", 1, 0, Qt::Key_Right, {}, 2, 0},
      {"TabControl1", 1, 0, Qt::Key_Down, {}, 2, 0},
      {"TabControl1", 1, 0, Qt::Key_Left, {}, 0, 0},
      {"TabControl1", 1, 0, Qt::Key_Up, {}, 0, 0},
      {"TabControl1", 0, 0, Qt::Key_Left, {}, 0, 0},
      {"TabControl1", kLast, 0, Qt::Key_Right, {}, kLast, 0},
      // Ctrl+Tab, Ctrl+Shift+Tab go round, on the strip and anywhere else.
      {"TabControl1", kLast, 0, Qt::Key_Tab, kCtrl, 0, 0},
      {"TabControl1", 0, 0, Qt::Key_Tab, kCtrlShift, kLast, 0},
      {"Edit67", 1, 0, Qt::Key_Tab, kCtrl, 2, 0},
      {"Edit67", 1, 0, Qt::Key_Tab, kCtrlShift, 0, 0},
      {"Edit1", 2, 0, Qt::Key_Tab, kCtrl, 3, 0},
      {"Edit245", 10, 0, Qt::Key_Tab, kCtrl, 11, 0},
      {"Edit270", kLast, 0, Qt::Key_Tab, kCtrl, 0, 0},
      {"Edit19", 0, 0, Qt::Key_Tab, kCtrlShift, kLast, 0},
      // X11 gives Ctrl+Shift+Tab as Backtab, with the Shift or without it.
      {"TabControl1", 0, 0, Qt::Key_Backtab, kCtrlShift, kLast, 0},
      {"TabControl1", 0, 0, Qt::Key_Backtab, kCtrl, kLast, 0},
      {"Edit67", 1, 0, Qt::Key_Backtab, kCtrlShift, 0, 0},
      {"Edit67", 1, 0, Qt::Key_Backtab, kCtrl, 0, 0},
      {"Edit245", 10, 0, Qt::Key_Backtab, kCtrl, 9, 0},
      // Ctrl+Page Down and Ctrl+Page Up do the same.
      {"TabControl1", kLast, 0, Qt::Key_PageDown, kCtrl, 0, 0},
      {"TabControl1", 0, 0, Qt::Key_PageUp, kCtrl, kLast, 0},
      {"Edit67", 1, 0, Qt::Key_PageDown, kCtrl, 2, 0},
      {"Edit67", 1, 0, Qt::Key_PageUp, kCtrl, 0, 0},
      {"Edit245", 10, 0, Qt::Key_PageUp, kCtrl, 9, 0},
      // Ohm's law's own strip, with the focus, moves its own tabs.
      {"TabControl3", 10, 0, Qt::Key_Right, {}, 10, 1},
      {"TabControl3", 10, 3, Qt::Key_Left, {}, 10, 2},
      {"TabControl3", 10, 8, Qt::Key_Right, {}, 10, 8},
      {"TabControl3", 10, 8, Qt::Key_Tab, kCtrl, 10, 0},
      {"TabControl3", 10, 0, Qt::Key_Tab, kCtrlShift, 10, 8},
      {"TabControl3", 10, 0, Qt::Key_Backtab, kCtrlShift, 10, 8},
      {"TabControl3", 10, 0, Qt::Key_Backtab, kCtrl, 10, 8},
      {"TabControl3", 10, 8, Qt::Key_PageDown, kCtrl, 10, 0},
      {"TabControl3", 10, 3, Qt::Key_PageUp, kCtrl, 10, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.focus << " on " << c.calculator << "/" << c.ohmsTab << ", "
                 << QKeySequence(c.key | c.mods).toString().toStdString());
    Pick(c.calculator);
    if (c.calculator == 10) vcl::user::PickTab(*main->TabControl3, c.ohmsTab);
    ASSERT_EQ(main->TabControl3->TabIndex(), c.ohmsTab);
    QApplication::processEvents();
    const std::string focus = c.focus;
    if (focus.rfind("TabControl", 0) == 0)
      ASSERT_NO_FATAL_FAILURE(Reach(focus));
    else
      renderer->WidgetOf(C(focus))->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(Focused(), focus);
    QTest::keyClick(renderer->Window(*main)->focusWidget(), c.key, c.mods);
    EXPECT_EQ(Number(main->CalculatorIndex), c.calculatorAfter);
    EXPECT_EQ(main->TabControl1->TabIndex(), c.calculatorAfter);
    EXPECT_EQ(main->TabControl3->TabIndex(), c.ohmsTabAfter);
    // A strip keeps the focus after its pick.
    if (focus.rfind("TabControl", 0) == 0) {
      EXPECT_EQ(Focused(), focus);
    }
  }
}

// The main window's keys for the calculators belong to it alone: in another
// window they pick nothing.
TEST_F(TabOrder, CalculatorKeysStayInTheMainWindow) {
  const int start = Number(Calculator::ConductorImpedance);
  struct Opening {
    const char* form;
    vcl::TMenuItem* item;
  } openings[] = {{"Form6", main->CopperWeight1}, {"Form12", main->Crosstalk1}};
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Tab, Qt::ControlModifier},
      {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
      {Qt::Key_Backtab, Qt::ControlModifier},
      {Qt::Key_PageDown, Qt::ControlModifier},
      {Qt::Key_PageUp, Qt::ControlModifier},
  };
  Pick(start);
  for (const Opening& o : openings) {
    SCOPED_TRACE(o.form);
    vcl::user::PickMenuItem(*o.item);
    vcl::TForm* form = nullptr;
    for (vcl::TForm* f : program->Windows())
      if (f->Name == o.form) form = f;
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->Visible());
    QWidget* window = renderer->Window(*form);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) GTEST_SKIP() << "no active window here";
    QWidget* focus = nullptr;
    for (QWidget* w : window->findChildren<QWidget*>())
      if (!focus && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
        focus = w;
    ASSERT_NE(focus, nullptr);
    focus->setFocus(Qt::TabFocusReason);
    for (const auto& [key, mods] : keys) {
      SCOPED_TRACE(QKeySequence(key | mods).toString().toStdString());
      QTest::keyClick(focus, key, mods);
      EXPECT_EQ(Number(main->CalculatorIndex), start);
      EXPECT_EQ(main->TabControl1->TabIndex(), start);
    }
    vcl::user::CloseForm(*form);
  }
}

// A key pick is the user's pick, as a click is: the calculator is shown and
// solved and the stored "Program" is its number.
TEST_F(TabOrder, KeyPickSwitchesSolvesAndStoresTheCalculator) {
  if (!Activate()) GTEST_SKIP() << "no active window here";
  main->Timer1Timer(main->Timer1);
  Pick(Number(Calculator::ConductorProperties));
  Type(main->Edit15, "25");
  Type(main->Edit18, "2500");
  Type(main->Edit69, "2");
  Pick(Number(Calculator::ConductorImpedance));
  main->Edit17->SetText("");
  QApplication::processEvents();
  ASSERT_NO_FATAL_FAILURE(Reach("TabControl1"));
  QTest::keyClick(renderer->WidgetOf(*main->TabControl1), Qt::Key_Right);
  EXPECT_EQ(main->CalculatorIndex, Calculator::ConductorProperties);
  EXPECT_TRUE(main->GroupBox5->Visible());
  EXPECT_FALSE(main->GroupBox15->Visible());
  EXPECT_EQ(main->Edit17->Text(), "2.4596 Amps");
  EXPECT_EQ(platform.Settings().ReadString(trellis::testing::kSettingsKey, "Program"), "2");
  SaveClientArea("focused_TabControl1.png");
}

}  // namespace
}  // namespace trellis::desktop
