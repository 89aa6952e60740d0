// What a screen reader learns of the main window: each box shown on every
// calculator is named after the label that names it in its group, read-only
// boxes say so, the tab strips list their tabs and the current one, and the
// spin buttons say which way they step which box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/qt/screens_fixture.h"
#include "ui/qt/widgets.h"

namespace trellis::desktop {
namespace {

class Accessibility : public testing::SolvedScreensFixture {
 protected:
  static QAccessibleInterface* Reader(QWidget* widget) {
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  }
  static std::string Name(QAccessibleInterface* item) {
    return item ? item->text(QAccessible::Name).toStdString() : std::string("(none)");
  }
  // The captions of the labels in the control's own group.
  static std::set<std::string> LabelsBeside(const vcl::TControl& control) {
    std::set<std::string> out;
    for (const vcl::TControl* c : control.Parent()->Children())
      if (dynamic_cast<const vcl::TLabel*>(c))
        out.insert(ShownCaption(c->Caption()).simplified().toStdString());
    return out;
  }
  // The edits and combo boxes shown in the main window now.
  void ShownBoxes(const vcl::TControl& parent, std::vector<const vcl::TControl*>& out) {
    for (const vcl::TControl* c : parent.Children()) {
      QWidget* widget = renderer->WidgetOf(*c);
      if (!widget || !widget->isVisible()) continue;
      if (dynamic_cast<const vcl::TEdit*>(c) || dynamic_cast<const vcl::TComboBox*>(c))
        out.push_back(c);
      ShownBoxes(*c, out);
    }
  }
};

TEST_F(Accessibility, EveryShownBoxOfEveryCalculatorIsNamedByItsLabel) {
  // The boxes no label names in the layout: alone in their group, or a
  // column of results under a box that has the column's label. Their group
  // box's caption names them.
  const std::set<std::string> groupNamed = {"Edit1",   "Edit2",   "Edit142",
                                            "Edit143", "Edit144", "Edit145"};
  std::set<std::string> seenGroupNamed;
  int boxes = 0, readOnly = 0, combos = 0;
  const int calculators = main->TabControl1->Tabs().Count();
  for (int tab = 0; tab < calculators; ++tab) {
    Pick(tab);
    QApplication::processEvents();
    std::vector<const vcl::TControl*> shown;
    ShownBoxes(*main, shown);
    for (const vcl::TControl* box : shown) {
      SCOPED_TRACE(std::to_string(tab) + " " + box->Name);
      QAccessibleInterface* reader = Reader(renderer->WidgetOf(*box));
      ASSERT_NE(reader, nullptr);
      ++boxes;
      const std::set<std::string> labels = LabelsBeside(*box);
      if (auto* edit = dynamic_cast<const vcl::TEdit*>(box)) {
        const std::string name = Name(reader);
        if (groupNamed.count(box->Name)) {
          seenGroupNamed.insert(box->Name);
          EXPECT_EQ(name, ShownCaption(box->Parent()->Caption()).simplified().toStdString());
        } else {
          EXPECT_TRUE(labels.count(name)) << "named \"" << name << "\"";
        }
        EXPECT_EQ(reader->role(), QAccessible::EditableText);
        EXPECT_EQ(reader->state().readOnly, edit->ReadOnly());
        EXPECT_EQ(reader->state().editable, !edit->ReadOnly());
        readOnly += edit->ReadOnly();
      } else {
        // A combo box's name is its choice; its label comes as its label.
        ++combos;
        const auto related = reader->relations(QAccessible::Label);
        ASSERT_FALSE(related.isEmpty());
        EXPECT_TRUE(labels.count(Name(related.front().first)))
            << "labelled \"" << Name(related.front().first) << "\"";
      }
    }
  }
  EXPECT_EQ(seenGroupNamed, groupNamed);
  EXPECT_GT(boxes, 300);
  EXPECT_GT(readOnly, 100);
  EXPECT_GE(combos, 4);
}

TEST_F(Accessibility, BoxesTakeTheCaptionBesideOrAboveThemAndTheirValuesName) {
  struct Case {
    int tab;
    const char* box;
    const char* name;
  };
  const std::vector<Case> cases = {
      // The label beside the box, and its unit box further along the row.
      {2, "Edit15", "Conductor Width"},
      {2, "Edit57", "Conductor Width"},
      {2, "Edit16", "Conductor Cross Section"},
      {3, "Edit81", "Output"},
      {3, "Edit83", "Output"},
      // Past the spin button between a value and its unit.
      {12, "Edit107", "Maximum AC Ripple"},
      {12, "Edit941", "Maximum AC Ripple"},
      {12, "Edit109", "Target PDN Impedance"},
      // The label above, not the group's caption.
      {16, "Edit3", "Via Hole Diameter"},
      {16, "Edit52", "Via Hole Diameter"},
      {16, "Edit12", "Via Inductance"},
      {16, "Edit8", "Conductor Cross Section"},
      {18, "Edit270", "Frequency"},
      {18, "Edit276", "Capacitance"},
      {18, "Edit273", "Xc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    Pick(c.tab);
    QApplication::processEvents();
    EXPECT_EQ(Name(Reader(renderer->WidgetOf(C(c.box)))), c.name);
  }
  // A label that changes its caption renames its boxes.
  Pick(16);
  auto& label = C("Label5");
  label.SetCaption("Drill Diameter");
  EXPECT_EQ(Name(Reader(renderer->WidgetOf(C("Edit3")))), "Drill Diameter");
  EXPECT_EQ(Name(Reader(renderer->WidgetOf(C("Edit52")))), "Drill Diameter");
}

TEST_F(Accessibility, TabStripsListTheirTabsAndTheCurrentOne) {
  Pick(10);
  QApplication::processEvents();
  for (const vcl::TTabControl* tabs : {main->TabControl1, main->TabControl3}) {
    SCOPED_TRACE(tabs->Name);
    QAccessibleInterface* strip = Reader(renderer->WidgetOf(*tabs));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    ASSERT_EQ(strip->childCount(), tabs->Tabs().Count());
    for (int i = 0; i < strip->childCount(); ++i) {
      QAccessibleInterface* tab = strip->child(i);
      ASSERT_NE(tab, nullptr);
      EXPECT_EQ(tab->role(), QAccessible::PageTab);
      EXPECT_EQ(Name(tab), ShownCaption(tabs->Tabs()[i]).toStdString());
      EXPECT_EQ(tab->state().selected, i == tabs->TabIndex()) << i;
      EXPECT_EQ(tab->parent(), strip);
      EXPECT_EQ(strip->indexOfChild(tab), i);
    }
  }
  QAccessibleInterface* calculators = Reader(renderer->WidgetOf(*main->TabControl1));
  EXPECT_EQ(Name(calculators->child(10)), "Ohm's Law");
  EXPECT_EQ(Name(calculators->child(0)), "Bandwidth & Max Conductor Length");
  Pick(16);
  EXPECT_TRUE(calculators->child(16)->state().selected);
  EXPECT_FALSE(calculators->child(10)->state().selected);
}

TEST_F(Accessibility, SpinButtonsSayWhichWayAndWhichBox) {
  Pick(12);
  QApplication::processEvents();
  for (const auto& [updown, box] : std::vector<std::pair<const char*, const char*>>{
           {"UpDown4", "Maximum AC Ripple"}, {"UpDown5", "Transient Percentage"}}) {
    SCOPED_TRACE(updown);
    auto* arrows = dynamic_cast<UpDownButtons*>(renderer->WidgetOf(C(updown)));
    ASSERT_NE(arrows, nullptr);
    QAccessibleInterface* up = Reader(arrows->Up());
    QAccessibleInterface* down = Reader(arrows->Down());
    EXPECT_EQ(Name(up), "Up");
    EXPECT_EQ(Name(down), "Down");
    EXPECT_EQ(up->text(QAccessible::Description).toStdString(), box);
    EXPECT_EQ(down->text(QAccessible::Description).toStdString(), box);
    EXPECT_EQ(Name(Reader(arrows)), box);
  }
}

}  // namespace
}  // namespace trellis::desktop
