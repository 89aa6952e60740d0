// The published sections the build writes from the layouts: what a window class
// gets from its own layout and its panels, and the faults that stop the build.
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

std::string SectionOf(const std::vector<LayoutSource>& layouts, const std::string& window) {
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
  const std::string s =
      SectionOf({{"W", "/l/W.dfm", kWindow}, {"W_Panel", "/l/W_Panel.dfm", kPanel}}, "W");
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
      "Bind(\"Box\", Box);",
      "Handler(\"GoClick\", this, &TW::GoClick);",
      "Handler(\"BoxKeyDown\", this, &TW::EnterKeyDown);",
      "Handler(\"BoxKeyPress\", vcl::TKeyPressEvent(vcl::DropEnterKey));",
      // Compiler messages about a declaration point at its layout line.
      "#line 4 \"/l/W_Panel.dfm\"\nvoid GoClick(",
  };
  for (const char* line : expected) EXPECT_NE(s.find(line), std::string::npos) << line;

  // Layout order, and one declaration for a handler named twice.
  EXPECT_LT(s.find("* Host "), s.find("* G "));
  EXPECT_EQ(s.find("void GoClick("), s.rfind("void GoClick("));
  // The window itself and the key handlers are not declared.
  EXPECT_EQ(s.find("* W "), std::string::npos);
  EXPECT_EQ(s.find("void BoxKey"), std::string::npos);
}

TEST(PublishedSection, AWindowWithoutKeyDownHandlersDeclaresNoEnterHandler) {
  const std::string s = SectionOf({{"W", "W.dfm", kWindow}}, "W");
  EXPECT_EQ(s.find("EnterKeyDown"), std::string::npos);
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
