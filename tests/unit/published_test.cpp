// The published sections the build writes from the layouts: what a window class
// gets from its own layout and its panels, which edits leave its declarations as
// they are, and the faults that stop the build.
#include "vcl/published.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vcl/exceptions.h"

namespace {

using vcl::LayoutSource;

const std::string kWindow =
    "object W: TW\n"                     // 1
    "  OnCloseQuery = FormCloseQuery\n"  // 2
    "  object Host: TPanel\n"            // 3
    "  end\n"                            // 4
    "  object Spin: TUpDown\n"           // 5
    "    OnClick = SpinClick\n"          // 6
    "    OnChanging = SpinChanging\n"    // 7
    "  end\n"                            // 8
    "end\n";
const std::string kPanel =
    "// notes are comments\n"         // 1
    "object G: TGroupBox\n"           // 2
    "  object Go: TButton\n"          // 3
    "    OnClick = GoClick\n"         // 4
    "  end\n"                         // 5
    "  object Box: TEdit\n"           // 6
    "    OnChange = GoClick\n"        // 7
    "    OnKeyDown = BoxKeyDown\n"    // 8
    "    OnKeyPress = BoxKeyPress\n"  // 9
    "    OnExit = BoxExit\n"          // 10
    "  end\n"                         // 11
    "end\n";

vcl::PublishedSection SectionOf(const std::vector<LayoutSource>& layouts,
                                const std::string& window) {
  return vcl::GeneratePublishedSections(layouts).at(window);
}

std::string ErrorOf(const std::vector<LayoutSource>& layouts) {
  try {
    vcl::GeneratePublishedSections(layouts);
  } catch (const vcl::ELayoutError& e) {
    return e.Message();
  }
  return "";
}

TEST(PublishedSection, DeclaresEveryComponentAndHandlerOnceWithItsEventsSignature) {
  const vcl::PublishedSection section =
      SectionOf({{"W", "/l/W.dfm", kWindow}, {"W_Panel", "/l/W_Panel.dfm", kPanel}}, "W");
  const std::string& s = section.declarations;
  const char* const expected[] = {
      "vcl::TPanel* Host = nullptr;",
      "vcl::TUpDown* Spin = nullptr;",
      "vcl::TGroupBox* G = nullptr;",  // a panel's own root is a member too
      "vcl::TButton* Go = nullptr;",
      "vcl::TEdit* Box = nullptr;",
      "void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);",
      "void SpinClick(vcl::TObject* Sender, vcl::TUDBtnType Button);",
      "void SpinChanging(vcl::TObject* Sender, bool& AllowChange);",
      "void GoClick(vcl::TObject* Sender);",
      "void BoxExit(vcl::TObject* Sender);",
      "void EnterKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift);",
      "void BindPublished();",
  };
  for (const char* line : expected) EXPECT_NE(s.find(line), std::string::npos) << line;

  // Layout order, and one declaration for a handler named twice.
  EXPECT_LT(s.find("* Host "), s.find("* G "));
  EXPECT_EQ(s.find("void GoClick("), s.rfind("void GoClick("));
  // The window itself and the key handlers are not declared.
  EXPECT_EQ(s.find("* W "), std::string::npos);
  EXPECT_EQ(s.find("void BoxKey"), std::string::npos);
  // Lines belong to the binding alone.
  EXPECT_EQ(s.find("#line"), std::string::npos);
  EXPECT_EQ(s.find("Bind("), std::string::npos);

  const std::string& b = section.binding;
  const char* const binds[] = {
      "void TW::BindPublished() {",
      "Bind(\"Box\", Box);",
      "Handler(\"BoxKeyDown\", this, &TW::EnterKeyDown);",
      "Handler(\"BoxKeyPress\", vcl::TKeyPressEvent(vcl::DropEnterKey));",
      // A handler nobody defines fails the link at the layout line naming it.
      "#line 4 \"/l/W_Panel.dfm\"\n  Handler(\"GoClick\", this, &TW::GoClick);",
      "#line 2 \"/l/W.dfm\"\n  Handler(\"FormCloseQuery\", this, &TW::FormCloseQuery);",
      "#line 6 \"/l/W.dfm\"\n  Handler(\"SpinClick\", this, &TW::SpinClick);",
      "#line 10 \"/l/W_Panel.dfm\"\n  Handler(\"BoxExit\", this, &TW::BoxExit);",
  };
  for (const char* line : binds) EXPECT_NE(b.find(line), std::string::npos) << line;
  // Nothing after the first #line but lines that name their own.
  const std::string tail = b.substr(b.find("#line"));
  for (const char* plain : {"Bind(", "EnterKeyDown", "DropEnterKey"})
    EXPECT_EQ(tail.find(plain), std::string::npos) << plain;
}

TEST(PublishedSection, AWindowWithoutKeyDownHandlersDeclaresNoEnterHandler) {
  const vcl::PublishedSection s = SectionOf({{"W", "W.dfm", kWindow}}, "W");
  EXPECT_EQ(s.declarations.find("EnterKeyDown"), std::string::npos);
  EXPECT_EQ(s.binding.find("EnterKeyDown"), std::string::npos);
}

// Every file that includes a window's class includes its declarations: an edit
// of a layout that adds no component and no handler must leave their text as it
// is (and only the binding's lines may move), while one that does must change it.
TEST(PublishedSection, OnlyANewComponentOrHandlerChangesTheDeclarations) {
  const std::string panel =
      "// notes\n"               // 1
      "object G: TGroupBox\n"    // 2
      "  Caption = 'Input'\n"    // 3
      "  object Go: TButton\n"   // 4
      "    Left = 8\n"           // 5
      "    Caption = 'Go'\n"     // 6
      "    OnClick = GoClick\n"  // 7
      "  end\n"                  // 8
      "  object Box: TEdit\n"    // 9
      "    OnExit = BoxExit\n"   // 10
      "  end\n"                  // 11
      "end\n";
  auto edited = [&](const std::string& from, const std::string& to) {
    std::string text = panel;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  auto sectionWith = [](const std::string& text) {
    return SectionOf({{"W", "W.dfm", kWindow}, {"W_Panel", "W_Panel.dfm", text}}, "W");
  };
  const vcl::PublishedSection before = sectionWith(panel);

  struct Case {
    const char* what;
    std::string panel;
    bool declarationsChange;
    bool bindingChanges;
  };
  const Case cases[] = {
      {"a caption", edited("'Go'", "'Solve'"), false, false},
      {"a position", edited("Left = 8", "Left = 16"), false, false},
      {"a comment", edited("// notes", "// other notes"), false, false},
      {"a second use of a handler", edited("    OnExit", "    OnChange = GoClick\n    OnExit"),
       false, true},
      {"a comment line more", "// more notes\n" + panel, false, true},
      {"a property more", edited("    Left = 8\n", "    Left = 8\n    Top = 4\n"), false, true},
      {"a property less", edited("    Left = 8\n", ""), false, true},
      {"a key-press handler", edited("    OnExit", "    OnKeyPress = BoxKeyPress\n    OnExit"),
       false, true},
      {"a control", edited("  object Box", "  object Tip: TLabel\n  end\n  object Box"), true,
       true},
      {"a handler", edited("    OnExit", "    OnChange = BoxChange\n    OnExit"), true, true},
      {"the first key-down handler", edited("    OnExit", "    OnKeyDown = BoxKeyDown\n    OnExit"),
       true, true},
      {"a control's class", edited("Go: TButton", "Go: TBitBtn"), true, false},
      {"a control's name", edited("Go: TButton", "Run: TButton"), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const vcl::PublishedSection after = sectionWith(c.panel);
    EXPECT_EQ(after.declarations != before.declarations, c.declarationsChange)
        << after.declarations;
    EXPECT_EQ(after.binding != before.binding, c.bindingChanges) << after.binding;
  }
}

TEST(PublishedSection, FaultsNameTheirResourceAndLine) {
  struct Case {
    const char* what;
    std::vector<LayoutSource> layouts;
    std::string message;
  };
  const Case cases[] = {
      {"unknown class",
       {{"W", "W.dfm", "object W: TW\n  object X: TWidget\n  end\nend\n"}},
       "W:2: unknown class TWidget"},
      {"a name in the window and in a panel",
       {{"W", "W.dfm", kWindow}, {"W_P", "W_P.dfm", "object Host: TPanel\nend\n"}},
       "W_P:1: Host is already named at W:3"},
      {"a handler for events of two kinds",
       {{"W", "W.dfm", kWindow},
        {"W_P", "W_P.dfm",
         "object G: TGroupBox\n  object B: TButton\n    OnClick = SpinClick\n"
         "  end\nend\n"}},
       "W_P:3: SpinClick handles another kind of event at W:6"},
      {"a key handler also named for a click",
       {{"W", "W.dfm", kWindow},
        {"W_P", "W_P.dfm",
         "object G: TGroupBox\n  object E: TEdit\n    OnKeyPress = GoClick\n"
         "    OnChange = GoClick\n  end\nend\n"}},
       "W_P:3: GoClick handles another kind of event at W_P:4"},
      {"a handler named as a control",
       {{"W", "W.dfm", "object W: TW\n  object Go: TButton\n    OnClick = Go\n  end\nend\n"}},
       "W:3: Go is a handler and the control at W:2"},
      {"a panel without its window",
       {{"V_P", "V_P.dfm", "object G: TGroupBox\nend\n"}},
       "V_P:1: a panel of V, which has no layout"},
      {"a text the parser refuses",
       {{"W", "W.dfm", "object W: TW\n  Caption = 'open\nend\n"}},
       "W:2: unterminated text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string message = ErrorOf(c.layouts);
    EXPECT_EQ(message.substr(0, c.message.size()), c.message) << message;
  }
}

}  // namespace
