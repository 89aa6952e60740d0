// The strict layout loader and the binding of window members, on small texts
// of our own and on every window of the program.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <typeinfo>

#include "tests/support/fake_platform.h"
#include "tests/support/harness.h"
#include "vcl/exceptions.h"
#include "vcl/forms.h"
#include "vcl/layout.h"
#include "vcl/resources.h"

namespace {

using trellis::testing::FakePlatform;

class TestForm : public vcl::TForm {
 public:
  TestForm() : vcl::TForm("TTestForm") {
    Handler("Changed", vcl::TNotifyEvent([](vcl::TObject*) {}));
    Handler("KeyDown", vcl::TKeyEvent([](vcl::TObject*, uint16_t&, vcl::TShiftState) {}));
  }
};

class Loader : public ::testing::Test {
 protected:
  // Loads `text` as the resource "Test" into a fresh form.
  TestForm& Load(const std::string& text) {
    form_ = std::make_unique<TestForm>();
    form_->LoadLayoutText(text, "Test");
    return *form_;
  }
  // The loader's message for `text`, or "" when it loads.
  std::string ErrorOf(const std::string& text) {
    try {
      Load(text);
      form_->FinishLoading();
    } catch (const vcl::ELayoutError& e) {
      return e.Message();
    } catch (const std::exception& e) {
      return std::string("not a layout error: ") + e.what();
    }
    return "";
  }

  FakePlatform platform_;
  vcl::TApplication app_{platform_};
  std::unique_ptr<TestForm> form_;
};

TEST_F(Loader, RejectsWhatTheCodeDoesNotKnowWithResourceAndLine) {
  struct Case {
    const char* what;
    std::string text;
    std::string message;  // the start of the loader's message
  };
  const Case cases[] = {
      {"unknown class", "object F: TTestForm\n  object W: TWidget\n  end\nend\n",
       "Test:2: unknown class TWidget"},
      {"unknown property",
       "object F: TTestForm\n  object E: TEdit\n    Colour = clRed\n  end\nend\n",
       "Test:3: Colour: not a property of TEdit"},
      {"property of another class",
       "object F: TTestForm\n  object L: TLabel\n    Text = 'x'\n  end\nend\n",
       "Test:3: Text: not a property of TLabel"},
      {"event the class lacks",
       "object F: TTestForm\n  object L: TLabel\n    OnChange = Changed\n  end\nend\n",
       "Test:3: OnChange: not an event of TLabel"},
      {"duplicate name",
       "object F: TTestForm\n  object E: TEdit\n  end\n  object E: TLabel\n  end\nend\n",
       "Test:4: A component named E already exists"},
      {"a component named as its form", "object F: TTestForm\n  object F: TEdit\n  end\nend\n",
       "Test:2: A component named F already exists"},
      {"missing handler",
       "object F: TTestForm\n  object E: TEdit\n    Left = 1\n    OnChange = Nowhere\n  end\nend\n",
       "Test:4: OnChange: "},
      {"handler of another kind",
       "object F: TTestForm\n  object E: TEdit\n    OnKeyDown = Changed\n  end\nend\n",
       "Test:3: OnKeyDown: "},
      {"layout of another class", "object F: TOtherForm\nend\n",
       "Test:1: the layout is of TOtherForm, not TTestForm"},
      {"a whole number expected", "object F: TTestForm\n  Left = '10'\nend\n",
       "Test:2: Left: a whole number was expected"},
      {"true or false expected",
       "object F: TTestForm\n  object E: TEdit\n    ReadOnly = Yes\n  end\nend\n",
       "Test:3: ReadOnly: True or False was expected"},
      {"unterminated text", "object F: TTestForm\n  Caption = 'open\nend\n",
       "Test:2: unterminated text"},
      {"unknown colour", "object F: TTestForm\n  Color = clPurple\nend\n",
       "Test:2: Color: unknown colour clPurple"},
      {"hex colour too long", "object F: TTestForm\n  Color = $123456789ABCDEF012\nend\n",
       "Test:2: "},
      {"character code too long", "object F: TTestForm\n  Caption = #999999999999\nend\n",
       "Test:2: "},
      {"unknown font style",
       "object F: TTestForm\n  object L: TLabel\n    Font.Style = [fsBold, fsShadow]\n  end\nend\n",
       "Test:3: Font.Style: unknown font style fsShadow"},
      {"set without comma",
       "object F: TTestForm\n  object L: TLabel\n    Font.Style = [fsBold fsItalic]\n  end\nend\n",
       "Test:3: ']' was expected"},
      {"index past the items",
       "object F: TTestForm\n  object R: TRadioGroup\n    Items.Strings = (\n      'a'\n      "
       "'b')\n"
       "    ItemIndex = 2\n  end\nend\n",
       "Test:6: ItemIndex: index past the last item"},
      {"list of non-texts",
       "object F: TTestForm\n  object C: TComboBox\n    Items.Strings = (\n      'a'\n      7)\n  "
       "end\nend\n",
       "Test:3: Items.Strings: a list of texts was expected"},
      {"unknown property of a collection item",
       "object F: TTestForm\n  object S: TStatusBar\n    Panels = <\n      item\n        Width = "
       "5\n"
       "      end\n      item\n        Colour = 1\n      end>\n  end\nend\n",
       "Test:8: Colour: not a property of a status panel"},
      {"a property written twice",
       "object F: TTestForm\n  object E: TEdit\n    Hint = 'a'\n    Left = 1\n    Hint = 'b'\n  "
       "end\nend\n",
       "Test:5: Hint: written twice, first at line 3"},
      // Each write is named at the line of its name, however many lines its
      // value or the other's takes.
      {"a property written twice after a value of two lines",
       "object F: TTestForm\n  object E: TEdit\n    Hint = 'a' +\n      'b'\n    Hint = 'c'\n  "
       "end\nend\n",
       "Test:5: Hint: written twice, first at line 3"},
      {"a property written twice with a value of two lines",
       "object F: TTestForm\n  object E: TEdit\n    Hint = 'a'\n    Hint = 'b' +\n      'c'\n  "
       "end\nend\n",
       "Test:4: Hint: written twice, first at line 3"},
      {"a list written twice, each over several lines",
       "object F: TTestForm\n  object C: TComboBox\n    Items.Strings = (\n      'a'\n      "
       "'b')\n    Items.Strings = (\n      'c'\n      'd')\n  end\nend\n",
       "Test:6: Items.Strings: written twice, first at line 3"},
      {"a form's own property written twice",
       "object F: TTestForm\n  Caption = 'a'\n  object E: TEdit\n  end\n  Caption = 'b'\nend\n",
       "Test:5: Caption: written twice, first at line 2"},
      {"a collection item's property written twice",
       "object F: TTestForm\n  object S: TStatusBar\n    Panels = <\n      item\n        Width = "
       "5\n        Width = 6\n      end>\n  end\nend\n",
       "Test:6: Width: written twice, first at line 5"},
      {"a form's visibility", "object F: TTestForm\n  Visible = True\nend\n",
       "Test:2: Visible: forms are shown by code"},
      {"a control in a menu",
       "object F: TTestForm\n  object M: TMainMenu\n    object E: TEdit\n    end\n  end\nend\n",
       "Test:3: E must lie inside a control"},
      {"a menu item outside a menu", "object F: TTestForm\n  object I: TMenuItem\n  end\nend\n",
       "Test:2: I must lie inside a menu"},
      {"missing main menu", "object F: TTestForm\n  Menu = MainMenu9\nend\n",
       "Test: no main menu named MainMenu9"},
      {"text after the end", "object F: TTestForm\nend\nobject G: TEdit\nend\n",
       "Test:3: text after the last 'end'"},
      {"missing end", "object F: TTestForm\n  object E: TEdit\n  end\n",
       "Test:4: 'end' was expected"},
      {"up-down associate missing",
       "object F: TTestForm\n  object U: TUpDown\n    Associate = Edit9\n  end\nend\n",
       "F.U: no edit named Edit9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string message = ErrorOf(c.text);
    EXPECT_EQ(message.substr(0, c.message.size()), c.message) << message;
  }
}

// Each class takes its own properties, those of the class it extends and the
// common ones; a name that belongs to another class is refused on this one.
TEST_F(Loader, EachClassTakesItsOwnAndItsBaseClassProperties) {
  struct Case {
    const char* what;
    std::string object;   // one object inside the form
    std::string message;  // "" when it loads
  };
  const Case cases[] = {
      {"a button's own and its common ones",
       "object B: TButton\n Caption = 'Go'\n Default = True\n Left = 3\n OnClick = Changed\nend",
       ""},
      {"a bit button takes a button's too",
       "object B: TBitBtn\n Kind = bkOK\n ModalResult = 1\n Caption = 'OK'\nend", ""},
      {"a rich edit takes a memo's",
       "object R: TRichEdit\n Lines.Strings = (\n 'a')\n ReadOnly = True\n OnChange = Changed\nend",
       ""},
      {"a caption on an edit", "object E: TEdit\n Caption = 'x'\nend",
       "Test:3: Caption: not a property of TEdit"},
      {"a caption on a memo", "object M: TMemo\n Caption = 'x'\nend",
       "Test:3: Caption: not a property of TMemo"},
      {"a bit button's property on a button", "object B: TButton\n Kind = bkOK\nend",
       "Test:3: Kind: not a property of TButton"},
      {"an edit's event on a label", "object L: TLabel\n OnChange = Changed\nend",
       "Test:3: OnChange: not an event of TLabel"},
      {"a timer takes only its own", "object T: TTimer\n Left = 1\nend",
       "Test:3: Left: not a property of TTimer"},
      {"a timer's event it lacks", "object T: TTimer\n OnClick = Changed\nend",
       "Test:3: OnClick: not a property of TTimer"},
      {"a main menu takes none", "object M: TMainMenu\n Tag = 1\nend",
       "Test:3: Tag: not a property of TMainMenu"},
      {"a menu item's unknown property",
       "object M: TMainMenu\n object I: TMenuItem\n  Caption = 'File'\n  Width = 4\n end\nend",
       "Test:5: Width: not a property of TMenuItem"},
      {"a timer inside a menu", "object M: TMainMenu\n object T: TTimer\n end\nend",
       "Test:3: only menu items lie in a menu"},
      {"an up-down's click is its own kind of handler",
       "object U: TUpDown\n OnClick = Changed\nend", "Test:3: OnClick: "},
      {"a deferred index after its items whatever the order",
       "object C: TComboBox\n ItemIndex = 1\n Items.Strings = (\n 'a'\n 'b')\nend", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string message = ErrorOf("object F: TTestForm\n" + c.object + "\nend\n");
    if (c.message.empty())
      EXPECT_EQ(message, "");
    else
      EXPECT_EQ(message.substr(0, c.message.size()), c.message) << message;
  }
}

TEST_F(Loader, ReadsTextsJoinsAndListItems) {
  auto& f = Load(
      "object F: TTestForm\n"
      "  Caption = 'It''s '#39'quoted'#39' at 20'#176'C' +\n"
      "    ' and joined'\n"
      "  object R: TRadioGroup\n"
      "    ItemIndex = 1\n"  // before its items: index-like values wait for them
      "    Items.Strings = (\n"
      "      'one'\n"
      "      'two' +\n"
      "      'three'\n"
      "      ''\n"
      "      'Ohm'#39's')\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(f.Caption(),
            "It's 'quoted' at 20\xC2\xB0"
            "C and joined");
  auto* r = f.Find<vcl::TRadioGroup>("R");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->Items().Items(), (std::vector<std::string>{"one", "twothree", "", "Ohm's"}));
  EXPECT_EQ(r->ItemIndex(), 1);
}

TEST_F(Loader, ReadsCollectionsSetsAndColours) {
  auto& f = Load(
      "object F: TTestForm\n"
      "  Color = $C0C0C0\n"
      "  object L: TLabel\n"
      "    Font.Color = $FF000008\n"
      "    Font.Style = [fsBold, fsItalic]\n"
      "  end\n"
      "  object M: TLabel\n"
      "    Font.Color = clNavy\n"
      "    Font.Style = []\n"
      "  end\n"
      "  object S: TStatusBar\n"
      "    Panels = <\n"
      "      item\n"
      "        Width = 650\n"
      "      end\n"
      "      item\n"
      "        Text = 'ready'\n"
      "        Width = 313\n"
      "      end>\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(f.Color(), 0xC0C0C0);
  auto* l = f.Find<vcl::TLabel>("L");
  auto* m = f.Find<vcl::TLabel>("M");
  auto* s = f.Find<vcl::TStatusBar>("S");
  ASSERT_TRUE(l && m && s);
  EXPECT_EQ(l->Font().Color, vcl::clWindowText);
  EXPECT_EQ(l->Font().Style, vcl::fsBold | vcl::fsItalic);
  EXPECT_EQ(m->Font().Color, vcl::clNavy);
  EXPECT_EQ(m->Font().Style, 0u);
  ASSERT_EQ(s->PanelCount(), 2);
  EXPECT_EQ(s->Panel(0).Width, 650);
  EXPECT_EQ(s->Panel(1).Text, "ready");
  EXPECT_EQ(s->Panel(1).Width, 313);
}

TEST_F(Loader, PanelLayoutsLoadUnderANamedControl) {
  auto& f = Load("object F: TTestForm\n  object Host: TPanel\n  end\nend\n");
  f.LoadLayoutText("object G: TGroupBox\n  object E: TEdit\n  end\nend\n", "Panel", "Host");
  auto* g = f.Find<vcl::TGroupBox>("G");
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Parent(), f.Find<vcl::TPanel>("Host"));
  EXPECT_EQ(f.Layouts(), (std::vector<std::string>{"Test", "Panel"}));

  try {
    f.LoadLayoutText("object H: TGroupBox\nend\n", "Panel2", "Nowhere");
    ADD_FAILURE() << "a missing parent loaded";
  } catch (const vcl::ELayoutError& e) {
    EXPECT_EQ(e.Message(), "Panel2: no control named Nowhere in F");
  }
  try {
    f.LoadLayoutText("object E: TEdit\nend\n", "Panel3", "Host");
    ADD_FAILURE() << "a duplicate across layouts loaded";
  } catch (const vcl::ELayoutError& e) {
    EXPECT_EQ(e.Message().substr(0, 9), "Panel3:1:");
  }
}

TEST_F(Loader, BindingChecksPresenceAndExactClass) {
  const std::string layout =
      "object F: TTestForm\n  object E: TEdit\n  end\n  object B: TBitBtn\n  end\nend\n";
  struct Case {
    const char* what;
    std::function<void(TestForm&)> bind;
    std::string message;
  };
  vcl::TEdit* edit = nullptr;
  vcl::TLabel* label = nullptr;
  vcl::TButton* button = nullptr;
  const Case cases[] = {
      {"present and of its class", [&](TestForm& f) { f.Bind("E", edit); }, ""},
      {"missing", [&](TestForm& f) { f.Bind("E9", edit); }, "F.E9 is missing from the layout"},
      {"of another class", [&](TestForm& f) { f.Bind("E", label); },
       "Test:2: F.E has class TEdit, not the bound one"},
      {"of a derived class", [&](TestForm& f) { f.Bind("B", button); },
       "Test:4: F.B has class TBitBtn, not the bound one"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_ = std::make_unique<TestForm>();
    c.bind(*form_);
    std::string message;
    try {
      form_->LoadLayoutText(layout, "Test");
      form_->FinishLoading();
    } catch (const vcl::ELayoutError& e) {
      message = e.Message();
    }
    EXPECT_EQ(message, c.message);
  }
  EXPECT_NE(edit, nullptr);
}

// Nesting is bounded, so a hostile or broken layout is an error, not a stack overflow.
TEST(LayoutParser, CapsTheNestingDepthNamingResourceAndLine) {
  auto objects = [](int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += "object P" + std::to_string(i) + ": TPanel\n";
    for (int i = 0; i < depth; ++i) text += "end\n";
    return text;
  };
  auto lists = [](int depth) {
    return "object F: TTestForm\n  Items = " + std::string(depth, '(') + std::string(depth, ')') +
           "\nend\n";
  };
  auto collections = [](int depth) {
    std::string text = "object F: TTestForm\n  Columns = ";
    for (int i = 0; i < depth; ++i) text += "< item\n Sub = ";
    text += "0\n";
    for (int i = 0; i < depth; ++i) text += "end >\n";
    return text + "end\n";
  };
  struct Case {
    const char* what;
    std::string text;
    std::string message;  // "" when the text parses
  };
  const Case cases[] = {
      {"objects at the limit", objects(100), ""},
      {"one object too deep", objects(101),
       "Deep:101: objects and lists nest deeper than 100 levels"},
      {"tens of thousands of objects", objects(50000),
       "Deep:101: objects and lists nest deeper than 100 levels"},
      {"lists inside the form at the limit", lists(99), ""},
      {"tens of thousands of lists", lists(50000),
       "Deep:2: objects and lists nest deeper than 100 levels"},
      {"tens of thousands of collections", collections(50000),
       "Deep:101: objects and lists nest deeper than 100 levels"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string message;
    try {
      vcl::ParseLayout(c.text, "Deep");
    } catch (const vcl::ELayoutError& e) {
      message = e.Message();
    }
    EXPECT_EQ(message, c.message);
  }
}

// Every window of the program loads its layouts and binds every member it declares.
TEST(ProgramLayouts, EveryWindowLoadsAndBinds) {
  trellis::testing::Harness h;
  try {
    h.Create();
  } catch (const std::exception& e) {
    FAIL() << e.what();
  }
  std::set<std::string> loaded;
  for (vcl::TForm* w : h.program->Windows()) {
    SCOPED_TRACE(w->Name);
    std::set<std::string> names{w->Name};
    for (const vcl::TComponent* c : w->Components()) {
      EXPECT_FALSE(c->Name.empty());
      EXPECT_TRUE(names.insert(c->Name).second) << "two components named " << c->Name;
    }
    for (const auto& b : w->BoundMembers()) {
      const vcl::TComponent* c = w->FindComponent(b.name);
      ASSERT_NE(c, nullptr) << b.name;
      EXPECT_EQ(typeid(*c), *b.type) << b.name;
    }
    loaded.insert(w->Layouts().begin(), w->Layouts().end());
  }
  for (const auto& [name, text] : vcl::LayoutResources())
    EXPECT_TRUE(loaded.count(name)) << "no window loads the layout " << name;
}

}  // namespace
