// Checks the layout tests make of the designer's panels and windows: design state,
// placement, tab order and pictures.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <regex>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "vcl/forms.h"

namespace trellis::testing {

// One control as the designer left it.
struct ControlState {
  const char* name;
  const char* cls;
  std::optional<std::string> text;  // caption, or an edit's or combo box's text
  std::vector<std::string> items = {};
  int itemIndex = -1;
  bool visible = true;
  bool readOnly = false;  // edits, and memos where asked
  bool enabled = true;
  std::optional<std::string> hint = std::nullopt;
};

// What ExpectState compares besides class, text, hint and the lists.
struct StateChecks {
  // Shown means the control's own flag and its parent's (panels on a tab control).
  bool visibleWithParent = false;
  bool enabled = true;
  bool editReadOnly = true;
  bool memoReadOnly = false;
  // When given, the control must lie inside one of these.
  std::span<const char* const> within = {};
};

void ExpectState(const vcl::TControl& c, const ControlState& e, const StateChecks& checks = {});
// Every row of the table, found on the form by name.
void ExpectStates(vcl::TForm& form, const std::vector<ControlState>& table,
                  const StateChecks& checks = {});

// A control of the form by name; throws when there is none.
vcl::TControl& ControlNamed(vcl::TForm& form, const std::string& name);

// Whether c or one of its parents is named in panels.
bool Within(const vcl::TControl* c, std::span<const char* const> panels);
// The form's controls inside the named panels, the panels among them.
std::vector<vcl::TControl*> ControlsWithin(const vcl::TForm& form,
                                           std::span<const char* const> panels);
// Of controls, those below the named panel and shown up to it; the window itself is never
// shown in these tests, so its flag does not count.
std::vector<vcl::TControl*> ShownUnder(const std::vector<vcl::TControl*>& controls,
                                       const std::string& panel);

// The main window's calculator panels lie on one another in Panel1, one shown at a time.
bool OnPanelStack(const vcl::TControl& c);
bool BothImages(const vcl::TControl& a, const vcl::TControl& b);

bool Apart(const vcl::TControl& a, const vcl::TControl& b);

struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};
// c lies inside its parent (a window's client area), kept the margins clear of its edges.
void ExpectInsideParent(const vcl::TControl& c, Margins margins = {});

using PairFilter = std::function<bool(const vcl::TControl&, const vcl::TControl&)>;
// Sibling pairs of controls that cover each other, except those shared allows to.
std::vector<std::pair<const vcl::TControl*, const vcl::TControl*>> OverlappingSiblings(
    const std::vector<vcl::TControl*>& controls, const PairFilter& shared = {});
void ExpectApart(const std::vector<vcl::TControl*>& controls, const PairFilter& shared = {});

using ControlFilter = std::function<bool(const vcl::TControl&)>;
// No two focusable siblings share a tab order; labels, pictures and what skip names take none.
void ExpectUniqueTabOrder(const std::vector<vcl::TControl*>& controls,
                          const ControlFilter& skip = {});

std::vector<vcl::TImage*> ImagesOf(const std::vector<vcl::TControl*>& controls);
// resources/pictures of the source tree, when TRELLIS_SOURCE_DIR names it.
std::optional<std::filesystem::path> PictureDir();
std::filesystem::path PictureFile(const std::filesystem::path& dir, const std::string& picture);
// The picture scales with its control and its drawing's viewBox is the control's size.
void ExpectPictureAtSize(const vcl::TImage& im, const std::filesystem::path& dir);
// Every image names a picture that exists at its size; `count` images in all.
void ExpectPicturesAtSize(const std::vector<vcl::TImage*>& images, const std::filesystem::path& dir,
                          size_t count);

inline void ExpectState(const vcl::TControl& c, const ControlState& e, const StateChecks& checks) {
  EXPECT_EQ(c.ClassName(), e.cls);
  if (!checks.within.empty()) {
    EXPECT_TRUE(Within(&c, checks.within));
  }
  auto* combo = dynamic_cast<const vcl::TComboBox*>(&c);
  if (e.text) {
    EXPECT_EQ(combo ? combo->Text() : c.Caption(), *e.text);
  }
  if (e.hint) {
    EXPECT_EQ(c.Hint(), *e.hint);
  }
  // A window's visibility is the program's business, not the designer's.
  if (!dynamic_cast<const vcl::TForm*>(&c)) {
    const bool shown = checks.visibleWithParent
                           ? c.Visible() && (c.Parent() == nullptr || c.Parent()->Visible())
                           : c.Visible();
    EXPECT_EQ(shown, e.visible);
  }
  if (checks.enabled) {
    EXPECT_EQ(c.Enabled(), e.enabled);
  }
  if (combo) {
    EXPECT_EQ(combo->Items().Items(), e.items);
    EXPECT_EQ(combo->ItemIndex(), e.itemIndex);
  }
  if (auto* group = dynamic_cast<const vcl::TRadioGroup*>(&c)) {
    EXPECT_EQ(group->Items().Items(), e.items);
    EXPECT_EQ(group->ItemIndex(), e.itemIndex);
  }
  if (auto* edit = dynamic_cast<const vcl::TEdit*>(&c); edit && checks.editReadOnly) {
    EXPECT_EQ(edit->ReadOnly(), e.readOnly);
  }
  if (auto* memo = dynamic_cast<const vcl::TMemo*>(&c); memo && checks.memoReadOnly) {
    EXPECT_EQ(memo->ReadOnly, e.readOnly);
  }
}

inline void ExpectStates(vcl::TForm& form, const std::vector<ControlState>& table,
                         const StateChecks& checks) {
  for (const ControlState& e : table) {
    SCOPED_TRACE(form.Name + "." + e.name);
    auto* c = form.Find<vcl::TControl>(e.name);
    ASSERT_NE(c, nullptr);
    ExpectState(*c, e, checks);
  }
}

inline vcl::TControl& ControlNamed(vcl::TForm& form, const std::string& name) {
  auto* c = form.Find<vcl::TControl>(name);
  if (!c) throw std::runtime_error("no control " + name);
  return *c;
}

inline bool Within(const vcl::TControl* c, std::span<const char* const> panels) {
  for (const vcl::TControl* p = c; p; p = p->Parent())
    for (const char* panel : panels)
      if (p->Name == panel) return true;
  return false;
}

inline std::vector<vcl::TControl*> ControlsWithin(const vcl::TForm& form,
                                                  std::span<const char* const> panels) {
  std::vector<vcl::TControl*> out;
  for (vcl::TComponent* comp : form.Components())
    if (auto* c = dynamic_cast<vcl::TControl*>(comp); c && Within(c, panels)) out.push_back(c);
  return out;
}

inline std::vector<vcl::TControl*> ShownUnder(const std::vector<vcl::TControl*>& controls,
                                              const std::string& panel) {
  std::vector<vcl::TControl*> shown;
  for (vcl::TControl* c : controls) {
    bool visible = true;
    const vcl::TControl* p = c;
    for (; p && p->Name != panel; p = p->Parent()) visible = visible && p->Visible();
    if (p && visible && c != p) shown.push_back(c);
  }
  return shown;
}

inline bool OnPanelStack(const vcl::TControl& c) {
  return c.Parent() && c.Parent()->Name == "Panel1";
}

inline bool BothImages(const vcl::TControl& a, const vcl::TControl& b) {
  return dynamic_cast<const vcl::TImage*>(&a) && dynamic_cast<const vcl::TImage*>(&b);
}

inline bool Apart(const vcl::TControl& a, const vcl::TControl& b) {
  return a.Left() + a.Width() <= b.Left() || b.Left() + b.Width() <= a.Left() ||
         a.Top() + a.Height() <= b.Top() || b.Top() + b.Height() <= a.Top();
}

inline void ExpectInsideParent(const vcl::TControl& c, Margins margins) {
  const vcl::TControl* p = c.Parent();
  ASSERT_NE(p, nullptr) << c.Name;
  const auto* form = dynamic_cast<const vcl::TForm*>(p);
  const int width = form ? form->ClientWidth() : p->Width();
  const int height = form ? form->ClientHeight() : p->Height();
  EXPECT_GE(c.Left(), margins.left) << c.Name;
  EXPECT_GE(c.Top(), margins.top) << c.Name;
  EXPECT_LE(c.Left() + c.Width(), width - margins.right) << c.Name;
  EXPECT_LE(c.Top() + c.Height(), height - margins.bottom) << c.Name;
}

inline std::vector<std::pair<const vcl::TControl*, const vcl::TControl*>> OverlappingSiblings(
    const std::vector<vcl::TControl*>& controls, const PairFilter& shared) {
  std::vector<std::pair<const vcl::TControl*, const vcl::TControl*>> out;
  for (size_t i = 0; i < controls.size(); ++i)
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const vcl::TControl& a = *controls[i];
      const vcl::TControl& b = *controls[j];
      if (a.Parent() != b.Parent() || (shared && shared(a, b))) continue;
      if (!Apart(a, b)) out.emplace_back(&a, &b);
    }
  return out;
}

inline void ExpectApart(const std::vector<vcl::TControl*>& controls, const PairFilter& shared) {
  for (const auto& [a, b] : OverlappingSiblings(controls, shared))
    ADD_FAILURE() << a->Name << " overlaps " << b->Name;
}

inline void ExpectUniqueTabOrder(const std::vector<vcl::TControl*>& controls,
                                 const ControlFilter& skip) {
  std::vector<std::pair<const vcl::TControl*, int>> seen;
  for (const vcl::TControl* c : controls) {
    if (dynamic_cast<const vcl::TLabel*>(c) || dynamic_cast<const vcl::TImage*>(c)) continue;
    if (skip && skip(*c)) continue;
    for (const auto& [parent, order] : seen)
      EXPECT_FALSE(parent == c->Parent() && order == c->TabOrder)
          << c->Name << " repeats tab order " << order;
    seen.emplace_back(c->Parent(), c->TabOrder);
  }
}

inline std::vector<vcl::TImage*> ImagesOf(const std::vector<vcl::TControl*>& controls) {
  std::vector<vcl::TImage*> out;
  for (vcl::TControl* c : controls)
    if (auto* im = dynamic_cast<vcl::TImage*>(c)) out.push_back(im);
  return out;
}

inline std::optional<std::filesystem::path> PictureDir() {
  const char* root = std::getenv("TRELLIS_SOURCE_DIR");
  if (!root) return std::nullopt;
  return std::filesystem::path(root) / "resources" / "pictures";
}

inline std::filesystem::path PictureFile(const std::filesystem::path& dir,
                                         const std::string& picture) {
  return dir / (picture + ".svg");
}

inline void ExpectPictureAtSize(const vcl::TImage& im, const std::filesystem::path& dir) {
  EXPECT_TRUE(im.Stretch && im.Proportional);
  const std::filesystem::path file = PictureFile(dir, im.Picture());
  std::ifstream in(file);
  ASSERT_TRUE(in) << file;
  std::stringstream text;
  text << in.rdbuf();
  const std::string svg = text.str();
  static const std::regex viewBox(R"re(viewBox="0 0 (\d+) (\d+)")re");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(svg, m, viewBox)) << file;
  EXPECT_EQ(std::stoi(m[1]), im.Width()) << file;
  EXPECT_EQ(std::stoi(m[2]), im.Height()) << file;
}

inline void ExpectPicturesAtSize(const std::vector<vcl::TImage*>& images,
                                 const std::filesystem::path& dir, size_t count) {
  for (vcl::TImage* im : images) {
    SCOPED_TRACE(im->Name);
    ASSERT_FALSE(im->Picture().empty());
    ExpectPictureAtSize(*im, dir);
  }
  EXPECT_EQ(images.size(), count);
}

}  // namespace trellis::testing
