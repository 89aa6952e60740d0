// The crosstalk window's own key handlers: Enter solves in its eight input
// boxes and is dropped as a character there and in the material list.
#include "calc/diffpair/crosstalk_form.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "tests/support/harness.h"

namespace {

using trellis::testing::Harness;

TEST(CrosstalkForm, EnterIsDroppedAndOtherKeysPass) {
  Harness h;
  h.Create();
  auto& w = dynamic_cast<trellis::TForm12&>(h.Window("Form12"));
  const std::initializer_list<vcl::TControl*> keyed = {w.Edit7,   w.Edit146, w.Edit148,
                                                       w.Edit195, w.Edit197, w.Edit199,
                                                       w.Edit201, w.Edit203, w.ComboBox1};
  for (vcl::TControl* c : keyed) {
    SCOPED_TRACE(c->Name);
    ASSERT_TRUE(c->OnKeyPress);
    char enter = '\r', other = 'a';
    c->OnKeyPress(c, enter);
    c->OnKeyPress(c, other);
    EXPECT_EQ(enter, 0);
    EXPECT_EQ(other, 'a');
    // Only the boxes solve on Enter; the list has no key-down handler.
    EXPECT_EQ(static_cast<bool>(c->OnKeyDown), c != w.ComboBox1);
  }
}

TEST(CrosstalkForm, EnterKeyDownSolvesAndKeepsTheKey) {
  Harness h;
  h.Create();
  auto& w = dynamic_cast<trellis::TForm12&>(h.Window("Form12"));
  w.Edit205->SetText("");
  uint16_t tab = vcl::VK_TAB;
  w.Edit146->OnKeyDown(w.Edit146, tab, 0);
  EXPECT_EQ(w.Edit205->Text(), "");
  uint16_t enter = vcl::VK_RETURN;
  w.Edit146->OnKeyDown(w.Edit146, enter, 0);
  EXPECT_EQ(enter, vcl::VK_RETURN);
  EXPECT_EQ(w.Edit205->Text(), "-2.23327 dB");
}

}  // namespace
