// The desktop check finds a widget that disagrees with its control, names the
// control and the property, and fails the scenario line that brought it.
#include "tests/qt/desktop_check.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "tests/support/scenario.h"
#include "ui/qt/peers.h"
#include "ui/qt/renderer.h"
#include "ui/qt/widgets.h"
#include "vcl/user.h"

namespace trellis::desktop::testing {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

// The program started on the Ohm's law panel, its windows rendered offscreen.
class DesktopCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override { Stop(); }
  void Start() {
    trellis::testing::HarnessOptions options;
    options.settings["Program"] = "10";
    harness = std::make_unique<trellis::testing::Harness>(options);
    harness->Create();
    view.Attach(*harness);
    harness->Start();
  }
  void Stop() {
    view.Detach();
    harness.reset();
  }
  vcl::TControl& C(const std::string& name) { return *harness->Main().Find<vcl::TControl>(name); }
  QWidget* W(const std::string& name) { return view.Renderer()->WidgetOf(C(name)); }
  template <class T>
  T* As(const std::string& name) {
    return qobject_cast<T*>(W(name));
  }
  Peer* P(const std::string& name) { return view.Renderer()->PeerOf(C(name)); }
  std::string Found() { return Joined(view.Check()); }

  DesktopScenarioView view;
  std::unique_ptr<trellis::testing::Harness> harness;
};

TEST_F(DesktopCheckTest, TheStartedProgramAgreesWithItsWidgets) { EXPECT_EQ(Found(), ""); }

TEST_F(DesktopCheckTest, AWidgetChangedBehindTheModelIsADisagreementNamingTheControl) {
  struct Case {
    const char* fault;
    std::function<void()> plant;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"text", [&] { As<QLineEdit>("Edit245")->setText("99"); },
       "Form1.Edit245 text: the control has \"1\", the widget shows \"99\""},
      {"caret left at the end of a long text",
       [&] {
         vcl::user::TypeText(C("Edit245"), "1234567890.1234567890");
         QApplication::processEvents();
         As<QLineEdit>("Edit245")->end(false);
       },
       "Form1.Edit245 shown start: the control's text \"1234567890.1234567890\" shows from its "
       "start, the widget from character 21"},
      {"caret left at the end of a result box's short text",
       [&] { As<QLineEdit>("Edit244")->end(false); },
       "Form1.Edit244 shown start: the control's text \"12.0000\" shows from its start, the "
       "widget from character 7"},
      {"visibility", [&] { W("Label55")->hide(); },
       "Form1.Label55 visible: the control has yes, the widget shows no"},
      {"enabled", [&] { W("Button1")->setEnabled(false); },
       "Form1.Button1 enabled: the control has yes, the widget shows no"},
      {"font colour",
       [&] {
         QPalette p = W("Edit244")->palette();
         p.setColor(QPalette::Text, Qt::red);
         W("Edit244")->setPalette(p);
       },
       // The dark start-up theme shows the results' navy as a light blue.
       "Form1.Edit244 font colour: the control has #7fcbff, the widget shows #ff0000"},
      {"position", [&] { W("Edit244")->move(389, 100); },
       "Form1.Edit244 left: the control has 386, the widget shows 389"},
      {"moved down", [&] { W("Edit244")->move(386, 104); },
       "Form1.Edit244 top: the control has 100, the widget shows 104"},
      {"size", [&] { W("Edit244")->resize(96, 30); },
       "Form1.Edit244 height: the control has 22, the widget shows 30"},
      {"checked", [&] { As<QCheckBox>("CheckBox3")->toggle(); }, "Form1.CheckBox3 checked:"},
      {"item index",
       [&] { static_cast<QRadioButton*>(P("RadioGroup13")->ItemButtons()[2])->setChecked(true); },
       "Form1.RadioGroup13 item index: the control has 0, the widget shows 2"},
      {"result box without its theme's fill",
       [&] { W("Edit244")->setStyleSheet("QLineEdit { background: #ff00ff; }"); },
       "Form1.Edit244 result style: the theme \"Charcoal HiRes\" fills a result box with"},
      {"tab stop", [&] { W("Edit245")->setFocusPolicy(Qt::ClickFocus); },
       "Form1.Edit245 tab stop: the control has yes, the widget shows no"},
      {"radio group's checked button out of the Tab chain",
       [&] { P("RadioGroup13")->ItemButtons()[0]->setFocusPolicy(Qt::ClickFocus); },
       "Form1.RadioGroup13 tab target: item 0 takes no focus by Tab"},
      {"shape's brush",
       [&] {
         dynamic_cast<ShapeView*>(W("Shape1"))
             ->SetShape(ShapeView::Kind::Circle, Qt::blue, Qt::black);
       },
       "Form1.Shape1 brush:"},
      {"menu entry",
       [&] {
         auto* item = harness->Main().Find<vcl::TMenuItem>("CopperWeight1");
         view.Renderer()->ActionOf(*item)->setVisible(false);
       },
       "Form1.CopperWeight1 visible: the control has yes, the widget shows no"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    Stop();
    Start();
    ASSERT_EQ(Found(), "");
    c.plant();
    EXPECT_NE(Found().find(c.expected), std::string::npos) << Found();
  }
}

// Each kind of control the program changes, changed through the model: the
// desktop shows it, where a peer that missed the change would disagree.
TEST_F(DesktopCheckTest, ModelChangesReachTheWidgets) {
  struct Case {
    const char* change;
    std::function<void()> make;
  };
  const std::vector<Case> cases = {
      // Typing is limited; the program's own text is shown whole.
      {"text longer than the typing limit",
       [&] { static_cast<vcl::TEdit&>(C("Edit1")).SetText("1234567890123"); }},
      // A button that takes the focus unchecked leaves the checked one the
      // group's tab stop.
      {"focus on an unchecked radio button",
       [&] {
         QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
         QApplication::sendEvent(P("RadioGroup13")->ItemButtons()[2], &in);
       }},
      {"items of a radio group refilled",
       [&] {
         auto& group = static_cast<vcl::TRadioGroup&>(C("RadioGroup13"));
         group.SetItemIndex(1);
         group.Items().Add("a fourth");
         group.Items().Delete(0);
       }},
      {"hidden, disabled and moved",
       [&] {
         C("Edit245").SetVisible(false);
         C("Button1").SetEnabled(false);
         C("Edit244").SetBounds(10, 12, 50, 30);
       }},
      {"colours",
       [&] {
         C("Edit244").SetFontColor(vcl::clRed);
         C("Label55").SetColor(vcl::clLime);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    Stop();
    Start();
    c.make();
    EXPECT_EQ(Found(), "");
  }
}

// A peer that misses one kind of change, as a desktop fault would.
class DroppingPeer : public vcl::ControlPeer {
 public:
  DroppingPeer(vcl::ControlPeer* real, vcl::Prop dropped) : real_(real), dropped_(dropped) {}
  void Changed(vcl::Prop what) override {
    if (what != dropped_) real_->Changed(what);
  }

 private:
  vcl::ControlPeer* real_;
  vcl::Prop dropped_;
};

class FaultyDesktop : public DesktopScenarioView {
 public:
  explicit FaultyDesktop(int every = 1, int runs = 1) : DesktopScenarioView(every, runs) {}
  void Attach(trellis::testing::Harness& harness) override {
    DesktopScenarioView::Attach(harness);
    if (!Renderer()) return;
    vcl::TControl& box = *harness.Main().Find<vcl::TControl>("Edit245");
    dropping = std::make_unique<DroppingPeer>(box.Peer(), vcl::Prop::Text);
    box.SetPeer(dropping.get());
  }
  std::unique_ptr<DroppingPeer> dropping;
};

TEST(DesktopScenario, TheLineThatBringsADesktopFaultFailsNamingTheControl) {
  FaultyDesktop view;
  std::ostringstream out;
  const auto result = trellis::testing::RunScenario(
      "setting Program \"10\"\n"
      "start\n"
      "type Edit245 \"5\"\n"
      "expect Edit245 text \"5\"\n",
      "faulty", out, &view);
  EXPECT_EQ(out.str(),
            "faulty:3: Form1.Edit245 text: the control has \"5\", the widget shows \"1\"\n");
  EXPECT_EQ(result.failed, 1);
  // The scenario's own expectation still holds: the model is right.
  EXPECT_EQ(result.passed, 1);
}

TEST(DesktopScenario, EveryNthActionIsCompared) {
  FaultyDesktop view(3);
  std::ostringstream out;
  // The start and the first typing go by; the second typing is the third action.
  const auto result = trellis::testing::RunScenario(
      "setting Program \"10\"\n"
      "start\n"
      "type Edit245 \"5\"\n"
      "type Edit245 \"6\"\n",
      "every", out, &view);
  EXPECT_EQ(out.str(),
            "every:4: Form1.Edit245 text: the control has \"6\", the widget shows \"1\"\n");
  EXPECT_EQ(result.failed, 1);
}

TEST(DesktopScenario, EveryNthRunIsRendered) {
  FaultyDesktop view(1, 2);
  std::ostringstream out;
  std::string text;
  for (int run = 0; run < 4; ++run)
    text += "reset\nsetting Program \"10\"\nstart\ntype Edit245 \"5\"\n";
  const auto result = trellis::testing::RunScenario(text, "runs", out, &view);
  // The first and the third runs are rendered, the second and the fourth not.
  EXPECT_EQ(out.str(),
            "runs:4: Form1.Edit245 text: the control has \"5\", the widget shows \"1\"\n"
            "runs:12: Form1.Edit245 text: the control has \"5\", the widget shows \"1\"\n");
  EXPECT_EQ(result.failed, 2);
}

}  // namespace
}  // namespace trellis::desktop::testing
