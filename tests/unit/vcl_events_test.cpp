// The component model's event rules: what runs, in which order and nested in
// what, for changes from code and for the user's actions.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "vcl/exceptions.h"
#include "vcl/forms.h"
#include "vcl/user.h"

namespace {

using trellis::testing::FakePlatform;
using Log = std::vector<std::string>;

const char* const kLayout = R"(object F: TTestForm
  OnShow = FormShow
  object Edit1: TEdit
    Text = 'start'
    OnChange = Edit1Change
    OnKeyDown = Edit1KeyDown
    OnKeyPress = Edit1KeyPress
    OnExit = Edit1Exit
  end
  object Edit2: TEdit
    Text = '5'
    OnChange = Edit2Change
  end
  object Edit3: TEdit
    MaxLength = 4
    OnChange = Edit3Change
  end
  object CheckBox1: TCheckBox
    Checked = True
    OnClick = CheckBox1Click
  end
  object RadioGroup1: TRadioGroup
    Items.Strings = (
      'a'
      'b'
      'c')
    ItemIndex = 0
    OnClick = RadioGroup1Click
  end
  object ComboBox1: TComboBox
    Items.Strings = (
      'x'
      'y'
      'z')
    ItemIndex = 0
    OnClick = ComboBox1Click
    OnSelect = ComboBox1Select
    OnChange = ComboBox1Change
  end
  object TabControl1: TTabControl
    Tabs.Strings = (
      'one'
      'two'
      'three')
    TabIndex = 0
    OnChanging = TabControl1Changing
    OnChange = TabControl1Change
  end
  object UpDown1: TUpDown
    Min = 0
    Max = 10
    Position = 5
    Associate = Edit2
    OnChanging = UpDown1Changing
    OnClick = UpDown1Click
  end
  object TrackBar1: TTrackBar
    Max = 10
    Position = 3
    OnChange = TrackBar1Change
  end
  object Button1: TButton
    OnClick = Button1Click
  end
  object Panel1: TPanel
    object Button2: TButton
      OnClick = Button2Click
    end
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      object Open1: TMenuItem
        OnClick = Open1Click
      end
    end
  end
end
)";

// A form whose every handler writes its name to the log and then runs the
// test's hook of that name, if any.
class TestForm : public vcl::TForm {
 public:
  TestForm() : vcl::TForm("TTestForm") {
    for (const char* name :
         {"FormShow", "Edit1Change", "Edit1Exit", "Edit2Change", "Edit3Change", "CheckBox1Click",
          "RadioGroup1Click", "ComboBox1Click", "ComboBox1Select", "ComboBox1Change",
          "TabControl1Change", "TrackBar1Change", "Button1Click", "Button2Click", "Open1Click"})
      Handler(name, vcl::TNotifyEvent([this, name](vcl::TObject*) { Run(name); }));
    for (const char* name : {"TabControl1Changing", "UpDown1Changing"})
      Handler(name, vcl::TCloseQueryEvent([this, name](vcl::TObject*, bool& allow) {
                Run(name);
                allow = !refuse.count(name);
              }));
    Handler("UpDown1Click", vcl::TUDClickEvent([this](vcl::TObject*, vcl::TUDBtnType b) {
              Run(b == vcl::TUDBtnType::btNext ? "UpDown1Click up" : "UpDown1Click down");
            }));
    Handler("Edit1KeyDown", vcl::TKeyEvent([this](vcl::TObject*, uint16_t& key, vcl::TShiftState) {
              Run("Edit1KeyDown " + std::to_string(key));
              if (swallowKeys) key = 0;
            }));
    Handler("Edit1KeyPress", vcl::TKeyPressEvent([this](vcl::TObject*, char& key) {
              Run("Edit1KeyPress " + std::to_string(static_cast<int>(key)));
            }));
  }

  void Load() {
    LoadLayoutText(kLayout, "Test");
    FinishLoading();
  }

  template <class T>
  T& Get(const std::string& name) {
    T* c = Find<T>(name);
    if (!c) throw std::runtime_error("no " + name);
    return *c;
  }

  void Run(const std::string& name) {
    log.push_back(name);
    if (auto it = hooks.find(name); it != hooks.end()) it->second();
  }

  Log log;
  std::map<std::string, std::function<void()>> hooks;
  std::set<std::string> refuse;
  bool swallowKeys = false;
};

class Events : public ::testing::Test {
 public:
  void SetUp() override {
    form_ = std::make_unique<TestForm>();
    form_->Load();
    form_->Show();
    form_->log.clear();
    platform_.TakeMessages();
  }
  TestForm& F() { return *form_; }
  vcl::TEdit& Edit(const char* n) { return F().Get<vcl::TEdit>(n); }
  vcl::TRadioGroup& Radio() { return F().Get<vcl::TRadioGroup>("RadioGroup1"); }
  vcl::TComboBox& Combo() { return F().Get<vcl::TComboBox>("ComboBox1"); }
  vcl::TTabControl& Tabs() { return F().Get<vcl::TTabControl>("TabControl1"); }
  vcl::TUpDown& Spin() { return F().Get<vcl::TUpDown>("UpDown1"); }
  vcl::TCheckBox& Check() { return F().Get<vcl::TCheckBox>("CheckBox1"); }
  std::vector<std::string> Errors() {
    std::vector<std::string> out;
    for (const auto& m : platform_.TakeMessages()) out.push_back(m.kind + ": " + m.text);
    return out;
  }

  FakePlatform platform_;
  vcl::TApplication app_{platform_};
  std::unique_ptr<TestForm> form_;
};

TEST_F(Events, ChangesFromCodeRunHandlersOnlyWhenTheValueChanges) {
  struct Case {
    const char* what;
    std::function<void(Events&)> act;
    Log expected;
  };
  const Case cases[] = {
      {"new text", [](Events& t) { t.Edit("Edit1").SetText("other"); }, {"Edit1Change"}},
      {"same text", [](Events& t) { t.Edit("Edit1").SetText("start"); }, {}},
      {"uncheck", [](Events& t) { t.Check().SetChecked(false); }, {"CheckBox1Click"}},
      {"check again", [](Events& t) { t.Check().SetChecked(true); }, {}},
      {"new radio index", [](Events& t) { t.Radio().SetItemIndex(2); }, {"RadioGroup1Click"}},
      {"same radio index", [](Events& t) { t.Radio().SetItemIndex(0); }, {}},
      {"radio index past the items", [](Events& t) { t.Radio().SetItemIndex(3); }, {}},
      {"radio items cleared", [](Events& t) { t.Radio().Items().Clear(); }, {}},
      {"refilled group's first index",
       [](Events& t) {
         t.Radio().Items().Clear();
         t.Radio().Items().Add("a");
         t.Radio().SetItemIndex(0);  // the index it had before the clear
       },
       {"RadioGroup1Click"}},
      {"tab index", [](Events& t) { t.Tabs().SetTabIndex(2); }, {}},
      {"combo index", [](Events& t) { t.Combo().SetItemIndex(2); }, {}},
      {"track bar position",
       [](Events& t) { t.F().Get<vcl::TTrackBar>("TrackBar1").SetPosition(7); },
       {"TrackBar1Change"}},
      {"up-down position writes its edit",
       [](Events& t) { t.Spin().SetPosition(8); },
       {"Edit2Change"}},
      {"same track bar position",
       [](Events& t) { t.F().Get<vcl::TTrackBar>("TrackBar1").SetPosition(3); },
       {}},
      {"track bar position past its max, then at it",
       [](Events& t) {
         auto& bar = t.F().Get<vcl::TTrackBar>("TrackBar1");
         bar.SetPosition(15);
         bar.SetPosition(10);
       },
       {"TrackBar1Change"}},
      {"track bar range narrowed past its position",
       [](Events& t) { t.F().Get<vcl::TTrackBar>("TrackBar1").SetRange(0, 2); },
       {}},
      {"same up-down position writes its edit again",
       [](Events& t) {
         t.Edit("Edit2").SetText("typed");
         t.Spin().SetPosition(5);
       },
       {"Edit2Change", "Edit2Change"}},
      {"quiet up-down position", [](Events& t) { t.Spin().SetPositionQuietly(8); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    c.act(*this);
    EXPECT_EQ(F().log, c.expected);
  }
}

TEST_F(Events, IndexesOutsideTheItemsAreRefusedOrClamped) {
  Radio().SetItemIndex(3);
  EXPECT_EQ(Radio().ItemIndex(), 0);
  Combo().SetItemIndex(5);
  EXPECT_EQ(Combo().ItemIndex(), 0);
  EXPECT_EQ(Combo().Text(), "x");
  Tabs().SetTabIndex(3);
  EXPECT_EQ(Tabs().TabIndex(), 0);
  Radio().SetItemIndex(-7);
  EXPECT_EQ(Radio().ItemIndex(), -1);
  Radio().Items().Clear();
  EXPECT_EQ(Radio().ItemIndex(), -1);
  Radio().SetItemIndex(0);
  EXPECT_EQ(Radio().ItemIndex(), -1);
}

TEST_F(Events, AHandlerSetByAHandlerRunsNestedInsideIt) {
  F().hooks["Edit1Change"] = [&] {
    Check().SetChecked(false);
    F().log.push_back("Edit1Change goes on");
  };
  F().hooks["CheckBox1Click"] = [&] { Radio().SetItemIndex(1); };
  Edit("Edit1").SetText("other");
  EXPECT_EQ(F().log,
            (Log{"Edit1Change", "CheckBox1Click", "RadioGroup1Click", "Edit1Change goes on"}));
}

TEST_F(Events, TheUsersChoicesRunTheirHandlers) {
  struct Case {
    const char* what;
    std::function<void(Events&)> act;
    Log expected;
  };
  const Case cases[] = {
      {"combo item",
       [](Events& t) { vcl::user::ChooseItem(t.Combo(), 2); },
       {"ComboBox1Click", "ComboBox1Select", "ComboBox1Change"}},
      {"combo item past the list", [](Events& t) { vcl::user::ChooseItem(t.Combo(), 3); }, {}},
      {"radio item", [](Events& t) { vcl::user::ChooseItem(t.Radio(), 1); }, {"RadioGroup1Click"}},
      {"the selected radio item", [](Events& t) { vcl::user::ChooseItem(t.Radio(), 0); }, {}},
      {"no radio item", [](Events& t) { vcl::user::ChooseItem(t.Radio(), -1); }, {}},
      {"radio item past the list", [](Events& t) { vcl::user::ChooseItem(t.Radio(), 3); }, {}},
      {"tab",
       [](Events& t) { vcl::user::PickTab(t.Tabs(), 1); },
       {"TabControl1Changing", "TabControl1Change"}},
      {"the current tab", [](Events& t) { vcl::user::PickTab(t.Tabs(), 0); }, {}},
      {"tab past the tabs", [](Events& t) { vcl::user::PickTab(t.Tabs(), 3); }, {}},
      {"refused tab",
       [](Events& t) {
         t.F().refuse.insert("TabControl1Changing");
         vcl::user::PickTab(t.Tabs(), 2);
       },
       {"TabControl1Changing"}},
      {"typing", [](Events& t) { vcl::user::TypeText(t.Edit("Edit1"), "typed"); }, {"Edit1Change"}},
      {"typing the same text",
       [](Events& t) { vcl::user::TypeText(t.Edit("Edit1"), "start"); },
       {}},
      {"leaving", [](Events& t) { vcl::user::Leave(t.Edit("Edit1")); }, {"Edit1Exit"}},
      {"check box click", [](Events& t) { vcl::user::Click(t.Check()); }, {"CheckBox1Click"}},
      {"menu item",
       [](Events& t) { vcl::user::PickMenuItem(t.F().Get<vcl::TMenuItem>("Open1")); },
       {"Open1Click"}},
      {"Enter",
       [](Events& t) { vcl::user::PressKey(t.Edit("Edit1"), vcl::VK_RETURN); },
       {"Edit1KeyDown 13", "Edit1KeyPress 13"}},
      {"a key the handler swallows",
       [](Events& t) {
         t.F().swallowKeys = true;
         vcl::user::PressKey(t.Edit("Edit1"), vcl::VK_RETURN);
       },
       {"Edit1KeyDown 13"}},
      {"Tab gives no character",
       [](Events& t) { vcl::user::PressKey(t.Edit("Edit1"), vcl::VK_TAB); },
       {"Edit1KeyDown 9"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    c.act(*this);
    EXPECT_EQ(F().log, c.expected);
  }
}

TEST_F(Events, TheNewTabIsSetBetweenChangingAndChange) {
  std::vector<int> seen;
  F().hooks["TabControl1Changing"] = [&] { seen.push_back(Tabs().TabIndex()); };
  F().hooks["TabControl1Change"] = [&] { seen.push_back(Tabs().TabIndex()); };
  vcl::user::PickTab(Tabs(), 2);
  EXPECT_EQ(seen, (std::vector<int>{0, 2}));
}

TEST_F(Events, UserActionsOnDisabledOrHiddenControlsAreIgnored) {
  struct Case {
    const char* what;
    std::function<void(Events&)> prepare;
  };
  const Case cases[] = {
      {"disabled control",
       [](Events& t) {
         for (const char* n : {"Edit1", "Edit3", "CheckBox1", "RadioGroup1", "ComboBox1",
                               "TabControl1", "UpDown1", "Button1", "Button2"})
           t.F().Get<vcl::TControl>(n).SetEnabled(false);
       }},
      {"hidden control",
       [](Events& t) {
         for (const char* n : {"Edit1", "Edit3", "CheckBox1", "RadioGroup1", "ComboBox1",
                               "TabControl1", "UpDown1", "Button1", "Button2"})
           t.F().Get<vcl::TControl>(n).SetVisible(false);
       }},
      {"disabled form", [](Events& t) { t.F().SetEnabled(false); }},
      {"hidden form", [](Events& t) { t.F().Hide(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    c.prepare(*this);
    vcl::user::TypeText(Edit("Edit1"), "typed");
    vcl::user::TypeText(Edit("Edit3"), "typed");
    vcl::user::Click(Check());
    vcl::user::ChooseItem(Radio(), 2);
    vcl::user::ChooseItem(Combo(), 2);
    vcl::user::PickTab(Tabs(), 2);
    vcl::user::StepUpDown(Spin(), true);
    vcl::user::Click(F().Get<vcl::TButton>("Button1"));
    vcl::user::Click(F().Get<vcl::TButton>("Button2"));
    vcl::user::PressKey(Edit("Edit1"), vcl::VK_RETURN);
    EXPECT_EQ(F().log, Log{});
    EXPECT_EQ(Edit("Edit1").Text(), "start");
    EXPECT_EQ(Radio().ItemIndex(), 0);
    EXPECT_EQ(Combo().ItemIndex(), 0);
    EXPECT_EQ(Tabs().TabIndex(), 0);
    EXPECT_EQ(Spin().Position(), 5);
  }
  SetUp();
  F().Get<vcl::TPanel>("Panel1").SetVisible(false);
  vcl::user::Click(F().Get<vcl::TButton>("Button2"));
  vcl::user::Click(F().Get<vcl::TButton>("Button1"));
  EXPECT_EQ(F().log, Log{"Button1Click"});
}

TEST_F(Events, MenuItemsUnderADisabledOrHiddenItemOrOnADisabledFormAreIgnored) {
  auto& file = F().Get<vcl::TMenuItem>("File1");
  auto& open = F().Get<vcl::TMenuItem>("Open1");
  const std::function<void()> prepare[] = {
      [&] { open.SetEnabled(false); }, [&] { open.SetVisible(false); },
      [&] { file.SetEnabled(false); }, [&] { file.SetVisible(false); },
      [&] { F().SetEnabled(false); }};
  for (const auto& p : prepare) {
    open.SetEnabled(true);
    open.SetVisible(true);
    file.SetEnabled(true);
    file.SetVisible(true);
    F().SetEnabled(true);
    p();
    vcl::user::PickMenuItem(open);
  }
  EXPECT_EQ(F().log, Log{});
}

TEST_F(Events, ReadOnlyEditsTakeNoTyping) {
  Edit("Edit1").SetReadOnly(true);
  vcl::user::TypeText(Edit("Edit1"), "typed");
  EXPECT_EQ(Edit("Edit1").Text(), "start");
  EXPECT_EQ(F().log, Log{});
}

TEST_F(Events, TypingIsCutToMaxLength) {
  const std::pair<const char*, const char*> cases[] = {
      {"123456", "1234"}, {"1234", "1234"}, {"12", "12"}, {"", ""}};
  for (auto [typed, kept] : cases) {
    vcl::user::TypeText(Edit("Edit3"), typed);
    EXPECT_EQ(Edit("Edit3").Text(), kept) << typed;
  }
  vcl::user::TypeText(Edit("Edit1"), std::string(300, '7'));
  EXPECT_EQ(Edit("Edit1").Text().size(), 300u);  // no limit by default
}

TEST_F(Events, AnUpDownStepRunsChangingThenStepsThenClick) {
  std::vector<std::string> seen;
  F().hooks["UpDown1Changing"] = [&] { seen.push_back("changing sees " + Edit("Edit2").Text()); };
  F().hooks["Edit2Change"] = [&] { seen.push_back("edit now " + Edit("Edit2").Text()); };
  F().hooks["UpDown1Click up"] = [&] {
    seen.push_back("click sees " + std::to_string(Spin().Position()));
  };
  vcl::user::StepUpDown(Spin(), true);
  EXPECT_EQ(seen, (std::vector<std::string>{"changing sees 5", "edit now 6", "click sees 6"}));
  EXPECT_EQ(F().log, (Log{"UpDown1Changing", "Edit2Change", "UpDown1Click up"}));
}

TEST_F(Events, AnUpDownStepsFromTheEditsNumberWithinItsRange) {
  struct Case {
    const char* shown;
    bool up;
    bool wrap;
    const char* after;
  };
  const Case cases[] = {
      {"8", true, false, "9"},   {"8", false, false, "7"}, {"10", true, false, "10"},
      {"0", false, false, "0"},  {"10", true, true, "0"},  {"0", false, true, "10"},
      {"abc", true, false, "6"},  // no number: from the position
      {"40", true, false, "6"},   // out of range: from the position
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.shown) + (c.up ? " up" : " down"));
    SetUp();
    Spin().Wrap = c.wrap;
    Edit("Edit2").SetText(c.shown);
    vcl::user::StepUpDown(Spin(), c.up);
    EXPECT_EQ(Edit("Edit2").Text(), c.after);
  }
}

TEST_F(Events, ARefusedStepChangesNothing) {
  F().refuse.insert("UpDown1Changing");
  vcl::user::StepUpDown(Spin(), true);
  EXPECT_EQ(F().log, Log{"UpDown1Changing"});
  EXPECT_EQ(Spin().Position(), 5);
  EXPECT_EQ(Edit("Edit2").Text(), "5");
}

TEST_F(Events, NothingRunsWhileAFormLoads) {
  auto form = std::make_unique<TestForm>();
  form->Load();
  // The layout set texts, a check, indexes and positions, all with handlers bound.
  EXPECT_EQ(form->log, Log{});
  EXPECT_TRUE(form->Get<vcl::TCheckBox>("CheckBox1").Checked());
  EXPECT_EQ(form->Get<vcl::TEdit>("Edit2").Text(), "5");
  form->Get<vcl::TEdit>("Edit2").SetText("6");
  EXPECT_EQ(form->log, Log{"Edit2Change"});
}

TEST_F(Events, AnExceptionInShowIsReportedAndTheFormStillShows) {
  struct Case {
    const char* what;
    std::function<void()> raise;
    std::string error;
  };
  const Case cases[] = {
      {"toolkit exception", [] { throw vcl::Exception("show failed"); }, "error: show failed"},
      {"other exception", [] { throw std::runtime_error("ignored text"); }, "error: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto form = std::make_unique<TestForm>();
    form->Load();
    form->hooks["FormShow"] = [&] {
      c.raise();
      form->log.push_back("show goes on");
    };
    platform_.formEvents.clear();
    form->Show();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->log, Log{"FormShow"});
    EXPECT_EQ(Errors(), std::vector<std::string>{c.error});
    EXPECT_EQ(platform_.formEvents, std::vector<std::string>{"show F"});
  }
}

TEST_F(Events, AnExceptionInANestedHandlerIsReportedByTheOutermostDispatch) {
  F().hooks["Edit1Change"] = [&] {
    Check().SetChecked(false);
    F().log.push_back("after the check");
  };
  F().hooks["CheckBox1Click"] = [&] {
    Radio().SetItemIndex(2);
    F().log.push_back("after the radio");
  };
  F().hooks["RadioGroup1Click"] = [] {
    throw vcl::EConvertError("'x' is not a valid floating point value");
  };
  vcl::user::TypeText(Edit("Edit1"), "typed");
  EXPECT_EQ(F().log, (Log{"Edit1Change", "CheckBox1Click", "RadioGroup1Click"}));
  EXPECT_EQ(Errors(), std::vector<std::string>{"error: 'x' is not a valid floating point value"});
  EXPECT_EQ(app_.DispatchDepth(), 0);
  // What was set before the exception stays, and the program goes on.
  EXPECT_EQ(Edit("Edit1").Text(), "typed");
  EXPECT_FALSE(Check().Checked());
  EXPECT_EQ(Radio().ItemIndex(), 2);
  F().hooks.clear();
  F().log.clear();
  vcl::user::Click(F().Get<vcl::TButton>("Button1"));
  EXPECT_EQ(F().log, Log{"Button1Click"});
  EXPECT_EQ(Errors(), std::vector<std::string>{});
}

TEST_F(Events, TheProgramsExitPassesEveryDispatch) {
  F().hooks["Button1Click"] = [] { throw vcl::ProgramExit{3}; };
  try {
    vcl::user::Click(F().Get<vcl::TButton>("Button1"));
    ADD_FAILURE() << "the exit was caught";
  } catch (const vcl::ProgramExit& e) {
    EXPECT_EQ(e.code, 3);
  }
  EXPECT_EQ(app_.DispatchDepth(), 0);
  EXPECT_EQ(Errors(), std::vector<std::string>{});
}

}  // namespace
