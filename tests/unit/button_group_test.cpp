// The button group: each button's own hint and click, the group's click for
// buttons without one, and reordering that carries all of a button along.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "vcl/forms.h"
#include "vcl/published.h"
#include "vcl/user.h"

namespace {

using trellis::testing::FakePlatform;

// Four buttons: "A" and "B" with hints and handlers, "C" with neither, and a blank one.
class ButtonGroup : public ::testing::Test {
 protected:
  class Form : public vcl::TForm {
   public:
    explicit Form(std::vector<std::string>& clicks) : vcl::TForm("TTestForm") {
      Handler("AClick", vcl::TNotifyEvent([&clicks](vcl::TObject*) { clicks.push_back("A"); }));
      Handler("BClick", vcl::TNotifyEvent([&clicks](vcl::TObject*) { clicks.push_back("B"); }));
      Handler("GroupClick",
              vcl::TNotifyEvent([&clicks](vcl::TObject*) { clicks.push_back("group"); }));
    }
  };

  void SetUp() override { Make(); }
  // A fresh window, shown so that it takes the user's input.
  void Make() {
    form_ = std::make_unique<Form>(clicks_);
    form_->LoadLayoutText(std::string(kLayout), "Test");
    form_->FinishLoading();
    form_->Show();
    group_ = form_->Find<vcl::TButtonGroup>("ButtonGroup1");
    ASSERT_NE(group_, nullptr);
  }

  // The buttons as caption/hint pairs, and what clicking each in turn runs.
  std::vector<std::string> Shown() const {
    std::vector<std::string> out;
    for (int i = 0; i < group_->Items().Count(); ++i)
      out.push_back(group_->Items()[i] + "/" + group_->ItemHint(i));
    return out;
  }
  std::vector<std::string> ClickEach() {
    clicks_.clear();
    for (int i = 0; i < group_->Items().Count(); ++i) {
      vcl::user::ChooseItem(*group_, i);
      clicks_.push_back("|");
    }
    return clicks_;
  }

  static constexpr const char* kLayout =
      "object Test: TTestForm\n"
      "  object ButtonGroup1: TButtonGroup\n"
      "    Width = 100\n"
      "    Height = 100\n"
      "    ButtonOptions = [gboAllowReorder, gboFullSize, gboShowCaptions]\n"
      "    OnButtonClicked = GroupClick\n"
      "    Items = <\n"
      "      item\n"
      "        Caption = 'A'\n"
      "        Hint = 'hint A'\n"
      "        OnClick = AClick\n"
      "      end\n"
      "      item\n"
      "        Caption = 'B'\n"
      "        Hint = 'hint B'\n"
      "        OnClick = BClick\n"
      "      end\n"
      "      item\n"
      "        Caption = 'C'\n"
      "      end\n"
      "      item\n"
      "      end>\n"
      "  end\n"
      "end\n";

  FakePlatform platform_;
  vcl::TApplication app_{platform_};
  std::vector<std::string> clicks_;
  std::unique_ptr<Form> form_;
  vcl::TButtonGroup* group_ = nullptr;
};

TEST_F(ButtonGroup, EachButtonHasItsOwnHintAndClick) {
  EXPECT_EQ(Shown(), (std::vector<std::string>{"A/hint A", "B/hint B", "C/", "/"}));
  EXPECT_TRUE(group_->AllowReorder);
  // A button without a handler of its own runs the group's.
  EXPECT_EQ(ClickEach(),
            (std::vector<std::string>{"A", "|", "B", "|", "group", "|", "group", "|"}));
  EXPECT_EQ(group_->ItemIndex(), 3);
  // Outside the buttons: no hint, no click.
  EXPECT_EQ(group_->ItemHint(4), "");
  EXPECT_EQ(group_->ItemHint(-1), "");
  clicks_.clear();
  vcl::user::ChooseItem(*group_, 4);
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(ButtonGroup, ADraggedButtonTakesItsCaptionHintAndClickAlong) {
  struct Case {
    int from, to;
    std::vector<std::string> shown;
    std::vector<std::string> clicks;
    int selectedBefore, selectedAfter;
  };
  const std::vector<Case> cases = {
      {0, 2, {"B/hint B", "C/", "A/hint A", "/"}, {"B", "group", "A", "group"}, 0, 2},
      {3, 0, {"/", "A/hint A", "B/hint B", "C/"}, {"group", "A", "B", "group"}, 1, 2},
      {1, 3, {"A/hint A", "C/", "/", "B/hint B"}, {"A", "group", "group", "B"}, 2, 1},
      {2, 1, {"A/hint A", "C/", "B/hint B", "/"}, {"A", "group", "B", "group"}, 1, 2},
      {1, 1, {"A/hint A", "B/hint B", "C/", "/"}, {"A", "B", "group", "group"}, 1, 1},
      // Outside the buttons: nothing moves.
      {4, 0, {"A/hint A", "B/hint B", "C/", "/"}, {"A", "B", "group", "group"}, 0, 0},
      {0, -1, {"A/hint A", "B/hint B", "C/", "/"}, {"A", "B", "group", "group"}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
    Make();
    group_->SetItemIndex(c.selectedBefore);
    vcl::user::DragButton(*group_, c.from, c.to);
    EXPECT_EQ(Shown(), c.shown);
    // The selected button stays selected wherever it went.
    EXPECT_EQ(group_->ItemIndex(), c.selectedAfter);
    std::vector<std::string> clicks;
    for (const std::string& s : ClickEach())
      if (s != "|") clicks.push_back(s);
    EXPECT_EQ(clicks, c.clicks);
  }
}

TEST_F(ButtonGroup, WithoutReorderingOrWhileDisabledADragMovesNothing) {
  group_->AllowReorder = false;
  vcl::user::DragButton(*group_, 0, 2);
  EXPECT_EQ(group_->Items()[0], "A");
  group_->AllowReorder = true;
  group_->SetEnabled(false);
  vcl::user::DragButton(*group_, 0, 2);
  EXPECT_EQ(group_->Items()[0], "A");
}

TEST_F(ButtonGroup, AButtonsHandlersAreDeclaredFromItsLayout) {
  const auto sections = vcl::GeneratePublishedSections({{"Test", "Test.dfm", kLayout}});
  const std::string& section = sections.at("Test").declarations;
  for (const char* handler : {"AClick", "BClick", "GroupClick"})
    EXPECT_NE(section.find(std::string("void ") + handler + "(vcl::TObject* Sender);"),
              std::string::npos)
        << handler;
}

TEST_F(ButtonGroup, TheLoaderRefusesWhatAButtonDoesNotHave) {
  Form other{clicks_};
  const std::string bad =
      "object Test: TTestForm\n"
      "  object ButtonGroup1: TButtonGroup\n"
      "    Items = <\n"
      "      item\n"
      "        Width = 3\n"
      "      end>\n"
      "  end\n"
      "end\n";
  try {
    other.LoadLayoutText(bad, "Bad");
    FAIL() << "loaded";
  } catch (const vcl::ELayoutError& e) {
    EXPECT_EQ(e.Message(), "Bad:5: Width: not a property of a button group's button");
  }
}

}  // namespace
