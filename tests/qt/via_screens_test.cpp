// Screenshots of the via and padstack panels, each shown alone, in the design
// arrangement and in the arrangements their mode and type groups make, for a
// look at how each reads.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class ViaScreens : public testing::ScreensFixture {};

TEST_F(ViaScreens, ViaPanelInItsArrangements) {
  ShootPanel("GroupBox1", "panel_GroupBox1.png");

  // 2 Layer: pad and opening rows and the capacitance-like results go, the
  // height and plating rows move up, the inductance moves to the results column.
  Show({"Edit4", "Edit5", "Edit53", "Edit54", "Label6", "Label7", "Edit11", "Label13", "Edit42",
        "Label42", "Edit14", "Label16", "Edit13", "Label15", "Image7"},
       false);
  Show({"Image2"}, true);
  C("Label14").SetLeft(208);
  C("Edit12").SetLeft(208);
  C("Label8").SetTop(80);
  C("Edit6").SetTop(104);
  C("Edit55").SetTop(108);
  C("Label11").SetTop(144);
  C("Edit9").SetTop(168);
  C("Edit56").SetTop(172);
  ShootPanel("GroupBox1", "panel_GroupBox1_2layer.png");

  // Microvia: the inductance and resistance go too, the notes show.
  Show({"Edit12", "Label14", "Edit49", "Label83", "Image2"}, false);
  Show({"Image20", "Label159", "Label160", "Label161", "Label164", "Label402"}, true);
  ShootPanel("GroupBox1", "panel_GroupBox1_microvia.png");

  // Differential via, back in the Multi Layer places.
  Show({"Image20", "Label159", "Label160", "Label161", "Label164", "Label402", "Label187", "Edit9"},
       false);
  C("Label8").SetTop(208);
  C("Edit6").SetTop(232);
  C("Edit55").SetTop(236);
  C("Label11").SetTop(272);
  C("Edit9").SetTop(296);
  C("Edit56").SetTop(300);
  Show({"Edit3",   "Edit5",   "Edit54",   "Label7",   "Edit49",  "Label83",   "Edit13",
        "Label15", "Edit335", "Edit336",  "Label102", "Edit206", "Edit208",   "Label105",
        "Edit209", "Edit210", "Label383", "Edit386",  "Edit387", "CheckBox5", "Image46",
        "Image65", "BitBtn7", "BitBtn9",  "BitBtn10"},
       true);
  Show({"Edit56"}, false);
  C("Label5").SetCaption("Drill Hole Diameter");
  C("Label7").SetCaption("Ref Plane Opening H");
  C("Label8").SetCaption("Ref Plane Opening W");
  C("Label11").SetCaption("Via Spacing S");
  C("Label10").SetCaption("Differential Impedance");
  C("Label12").SetCaption("Er Effective");
  C("Label83").SetCaption("Maximum Stub Length");
  C("Label84").SetCaption("Odd Mode Impedance");
  C("Label15").SetCaption("Insertion Loss");
  ShootPanel("GroupBox1", "panel_GroupBox1_differential.png");
}

TEST_F(ViaScreens, PadstackPanelInEachType) {
  ShootPanel("GroupBox10", "panel_GroupBox10.png");
  const char* pictures[] = {"Image5",  "Image12", "Image45", "Image10",
                            "Image66", "Image67", "Image48"};
  auto picture = [&](int type) {
    for (int i = 0; i < 7; ++i) C(pictures[i]).SetVisible(i == type);
  };
  Show({"Edit39", "Edit40", "Label64", "Label65", "Label69", "Label70", "Label71", "RadioGroup7",
        "Label73", "ComboBox2", "Edit38", "Label66"},
       false);
  for (const char* n : {"Edit36", "Edit37", "Edit38"}) C(n).SetWidth(153);

  // Conductor between thru-hole pads, with its warning.
  picture(2);
  Show({"Edit211", "Edit212", "Edit213", "Edit214", "Label76", "Label174", "Label360", "Label361",
        "Label362", "Memo3"},
       true);
  C("Label61").SetCaption("Distance Between Pads");
  C("Label62").SetCaption("Conductor Width");
  C("Label63").SetCaption("Spacing Constriant");
  C("Label68").SetCaption("Maximum Pad Diameter");
  C("Label67").SetCaption("Calculated Annular Ring");
  ShootPanel("GroupBox10", "panel_GroupBox10_type2.png");

  // Two conductors between BGA lands, with its warning.
  picture(5);
  Show({"Edit211", "Edit212", "Edit213", "Edit214", "Label76", "Label174", "Memo3", "Edit37",
        "Label67"},
       false);
  Show({"Memo5"}, true);
  C("Label61").SetCaption("Distance Between Lands");
  C("Label62").SetCaption("Land Diameter");
  C("Label68").SetCaption("Maximum Conductor Width");
  ShootPanel("GroupBox10", "panel_GroupBox10_type5.png");

  // Corner to corner.
  picture(6);
  Show({"Memo5", "Label360", "Label361", "Label362", "Edit35", "Edit61", "Label63"}, false);
  Show({"Edit37", "Label67", "Edit38", "Label66", "Label271", "Label272", "Label273", "Label274"},
       true);
  C("Label61").SetCaption("Length of side a");
  C("Label62").SetCaption("Length of side b");
  C("Label68").SetCaption("Distance Between Corners");
  C("Label67").SetCaption("Suggested Min Drill");
  C("Label66").SetCaption("Suggested Max Drill");
  ShootPanel("GroupBox10", "panel_GroupBox10_type6.png");

  // BGA land size.
  picture(1);
  Show({"Edit33", "Edit59", "Edit34", "Edit60", "Label62", "Edit38", "Label66", "Label271",
        "Label272", "Label273", "Label274"},
       false);
  Show({"ComboBox4", "Label357", "Label358", "Label359"}, true);
  C("Edit37").SetWidth(190);
  C("Label61").SetCaption("Nominal Ball Diameter");
  C("Label68").SetCaption("Nominal Land Diameter");
  C("Label67").SetCaption("Land Variation");
  static_cast<vcl::TEdit&>(C("Edit36")).SetText("0.55 mm");
  static_cast<vcl::TEdit&>(C("Edit37")).SetText("0.60 mm - 0.50 mm");
  ShootPanel("GroupBox10", "panel_GroupBox10_type1.png");
}

}  // namespace
}  // namespace trellis::desktop
