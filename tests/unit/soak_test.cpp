// Random user actions on the headless program: nothing may crash, hang or let
// an exception escape the Application, whatever the user types or clicks.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace {

using trellis::testing::Harness;

std::string RandomText(std::mt19937& rng) {
  static const char* const kTexts[] = {"",       "0",      "-0",
                                       "1",      "20",     "-80.5",
                                       "200.5",  "1e308",  "1e309",
                                       "-1e309", "NaN",    "nan",
                                       "INF",    "-INF",   "abc",
                                       "1,5",    "1.5",    " 7 ",
                                       "0x10",   "1e-320", "999999999999999999999999",
                                       "-",      ".",      "5.",
                                       ".5",     "12abc",  "\t",
                                       "2,5,6",  "1.2.3",  "+3",
                                       "%s%n%d", "'",      "\xC3\xA9\xC2\xB0"};
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kTexts)));
  int i = pick(rng);
  if (i < static_cast<int>(std::size(kTexts))) return kTexts[i];
  // A long run of digits or junk.
  std::uniform_int_distribution<int> len(100, 5000), ch(32, 126);
  std::string s(len(rng), '9');
  if (rng() % 2)
    for (char& c : s) c = static_cast<char>(ch(rng));
  return s;
}

std::vector<vcl::TMenuItem*> MenuItems(vcl::TForm& form) {
  std::vector<vcl::TMenuItem*> out;
  for (vcl::TComponent* c : form.Components())
    if (auto* m = dynamic_cast<vcl::TMenuItem*>(c)) out.push_back(m);
  return out;
}

TEST(Soak, RandomUserActionsNeverEscapeTheApplication) {
  std::mt19937 rng(20261210);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  auto harness = std::make_unique<Harness>();
  harness->Start();
  int restarts = 0;

  for (int step = 0; step < 20000; ++step) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "too slow at step " << step;
    auto& form = harness->Main();
    const auto& comps = form.Components();
    vcl::TComponent* target = comps[rng() % comps.size()];
    auto* control = dynamic_cast<vcl::TControl*>(target);
    if (rng() % 4 == 0) harness->platform.answers.push_back(rng() % 2 ? vcl::IDYES : vcl::IDNO);
    try {
      switch (rng() % 9) {
        case 0:
        case 1:
          if (control) vcl::user::TypeText(*control, RandomText(rng));
          break;
        case 2:
          if (control) vcl::user::PressKey(*control, vcl::VK_RETURN);
          break;
        case 3:
          if (control) vcl::user::Click(*control);
          break;
        case 4:
          if (control) vcl::user::ChooseItem(*control, static_cast<int>(rng() % 12) - 1);
          break;
        case 5:
          if (control) vcl::user::Leave(*control);
          break;
        case 6:
          vcl::user::PickTab(*form.TabControl1, static_cast<int>(rng() % 19));
          break;
        case 7: {
          auto items = MenuItems(form);
          if (!items.empty()) vcl::user::PickMenuItem(*items[rng() % items.size()]);
          break;
        }
        case 8:
          if (auto* ud = dynamic_cast<vcl::TUpDown*>(target))
            vcl::user::StepUpDown(*ud, rng() % 2);
          else
            harness->platform.AdvanceTime(750);
          break;
      }
    } catch (const vcl::ProgramExit&) {
      // The user chose to leave; carry on with a new program.
      harness.reset();
      harness = std::make_unique<Harness>();
      harness->Start();
      ++restarts;
      continue;
    }
    ASSERT_EQ(harness->program->Application().DispatchDepth(), 0);
    // Keep the record small; what matters is that nothing escaped.
    if (harness->platform.messages.size() > 1000) harness->platform.messages.clear();
    // Close any window a menu opened so the main window takes input again.
    for (vcl::TForm* w : harness->program->Windows())
      if (w != &form && w->Visible()) vcl::user::CloseForm(*w);
    if (!form.Enabled()) form.SetEnabled(true);
  }
  RecordProperty("restarts", restarts);
}

}  // namespace
