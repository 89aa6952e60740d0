// Random user actions on the headless program: nothing may crash, hang or let
// an exception escape the Application, whatever the user types or clicks.
#include "tests/support/soak.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "app/form1.h"
#include "vcl/forms.h"

namespace {

using trellis::testing::Harness;
using trellis::testing::RunSoak;
using trellis::testing::SoakFigures;
using trellis::testing::SoakOptions;

TEST(Soak, RandomUserActionsNeverEscapeTheApplication) {
  SoakOptions options;
  options.seed = 20261210;
  options.actions = 20000;
  const auto r = RunSoak(options);
  std::cout << SoakFigures(r);
  ASSERT_EQ(r.failure, "");
  EXPECT_EQ(r.actions, 20000);
  // Every window a user can open gets actions, not only the main one.
  EXPECT_EQ(r.windowsReached, r.windowsOpen);
  for (const char* w : {"Form1", "Form2", "Form5", "Form6", "Form8", "Form11", "Form12"})
    EXPECT_TRUE(r.windowsReached.count(w)) << w;
  // Most actions land where a user can act.
  EXPECT_GT(r.accepted, r.actions * 3 / 4);
  for (const char* kind : {"type", "click", "choose", "key", "leave", "tab", "menu", "step",
                           "track", "timer", "close"})
    EXPECT_GT(r.kinds.count(kind) ? r.kinds.at(kind) : 0, 0) << kind;
  EXPECT_GT(r.controlsReached.size(), r.controls.size() * 2 / 3);
  // What was reached is counted among the controls the figure is "of".
  for (const std::string& c : r.controlsReached) EXPECT_TRUE(r.controls.count(c)) << c;
}

TEST(Soak, TheSameSeedRepeatsTheRun) {
  SoakOptions options;
  options.seed = 7;
  options.actions = 3000;
  const auto a = RunSoak(options), b = RunSoak(options);
  EXPECT_EQ(a.kinds, b.kinds);
  EXPECT_EQ(a.controlsReached, b.controlsReached);
  EXPECT_EQ(a.errorBoxes, b.errorBoxes);
  EXPECT_EQ(a.restarts, b.restarts);
}

// Faults planted in the program after each start show that the checks bite.
void OnEveryButton(Harness& h, vcl::TNotifyEvent handler) {
  for (vcl::TComponent* c : h.Main().Components())
    if (auto* b = dynamic_cast<vcl::TButton*>(c)) b->OnClick = handler;
}

TEST(Soak, ReportsAnExceptionThatIsNotTheToolkits) {
  SoakOptions options;
  options.actions = 20000;
  options.afterStart = [](Harness& h) {
    OnEveryButton(h, [](vcl::TObject*) { throw std::out_of_range("vector"); });
  };
  const auto r = RunSoak(options);
  EXPECT_NE(r.failure.find("not the toolkit's"), std::string::npos) << r.failure;
}

TEST(Soak, ReportsASlowAction) {
  SoakOptions options;
  options.actions = 20000;
  options.actionSeconds = 0.05;
  options.afterStart = [](Harness& h) {
    OnEveryButton(
        h, [](vcl::TObject*) { std::this_thread::sleep_for(std::chrono::milliseconds(80)); });
  };
  const auto r = RunSoak(options);
  EXPECT_NE(r.failure.find(" took "), std::string::npos) << r.failure;
}

TEST(Soak, ReportsAProgramThatLocksTheUserOut) {
  SoakOptions options;
  options.actions = 20000;
  options.afterStart = [](Harness& h) {
    auto& main = h.Main();
    OnEveryButton(h, [&main](vcl::TObject*) { main.SetEnabled(false); });
  };
  const auto r = RunSoak(options);
  EXPECT_NE(r.failure.find("no window takes input"), std::string::npos) << r.failure;
}

}  // namespace
