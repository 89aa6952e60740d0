// Screenshots of the PCB Design Rules window in each units variant, the EDA
// Resources window and the thread charts, reached through their handlers.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QPushButton>

#include "app/program.h"
#include "reference/design_rules_form.h"
#include "reference/eda_resources_form.h"
#include "settings/options_form.h"
#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class ReferenceWindowsScreens : public testing::SolvedScreensFixture {};

TEST_F(ReferenceWindowsScreens, DesignRulesInEachUnits) {
  struct Variant {
    int units;
    bool microns;
    const char* file;
  };
  for (const Variant& v : {Variant{0, false, "window_Form11_imperial.png"},
                           Variant{1, false, "window_Form11_millimetres.png"},
                           Variant{1, true, "window_Form11_micrometres.png"}}) {
    Choose(main->RadioGroup6, v.units);
    if (Form6->CheckBox3->Checked() != v.microns) {
      Form6->Show();
      vcl::user::Click(*Form6->CheckBox3);
      vcl::user::CloseForm(*Form6);
    }
    vcl::user::PickMenuItem(*main->ConversionData1);
    vcl::user::Click(*main->Button23);
    ASSERT_TRUE(Form11->Visible());
    SaveClientArea(*Form11, v.file);
    vcl::user::Click(*Form11->Button1);
    EXPECT_TRUE(main->Enabled());
  }
}

TEST_F(ReferenceWindowsScreens, EdaResources) {
  main->Resources1->SetVisible(true);
  vcl::user::PickMenuItem(*main->Resources2);
  ASSERT_TRUE(Form9->Visible());
  SaveClientArea(*Form9, "window_Form9.png");
  // Every button row the group shows lies whole inside it, and each caption fits its button.
  for (vcl::TButtonGroup* group : {Form9->ButtonGroup1, Form9->ButtonGroup2, Form9->ButtonGroup3,
                                   Form9->ButtonGroup4, Form9->ButtonGroup5, Form9->ButtonGroup6}) {
    SCOPED_TRACE(group->Name);
    auto* area = qobject_cast<QAbstractScrollArea*>(renderer->WidgetOf(*group));
    ASSERT_NE(area, nullptr);
    // No more than a sliver of a next row.
    EXPECT_LT(area->viewport()->height() % 24, 4);
    const auto pushes = area->findChildren<QPushButton*>();
    ASSERT_EQ(pushes.size(), group->Items().Count());
    for (QPushButton* push : pushes) {
      EXPECT_LE(push->fontMetrics().horizontalAdvance(push->text()) + 8, push->width())
          << push->text().toStdString();
      EXPECT_EQ(push->cursor().shape(), Qt::PointingHandCursor);
    }
  }
  vcl::user::DragButton(*Form9->ButtonGroup1, 2, 0);
  SaveClientArea(*Form9, "window_Form9_reordered.png");
}

TEST_F(ReferenceWindowsScreens, ThreadCharts) {
  vcl::user::PickMenuItem(*main->Mechanical1);
  // At start-up both charts stand, the imperial one in front and hiding the other.
  EXPECT_TRUE(main->GroupBox46->Visible());
  EXPECT_TRUE(renderer->WidgetOf(*main->GroupBox19)->autoFillBackground());
  SaveClientArea("panel_threads_startup.png");
  Choose(main->RadioGroup6, 1);
  SaveClientArea("panel_threads_metric.png");
  Choose(main->RadioGroup6, 0);
  SaveClientArea("panel_threads_imperial.png");
}

}  // namespace
}  // namespace trellis::desktop
