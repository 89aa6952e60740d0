// The Program Options: each change is stored at once and, for most, solved.
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "calc/diffpair/crosstalk_form.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::TControl;
using vcl::TObject;

void TForm6::RadioGroup1Click(TObject*) {
  const int m = RadioGroup1->ItemIndex();
  if (m < 0 || m > 2) return;
  TForm1& f = *Form1;
  const CalculatorRow* tab = f.TabRow();
  if (tab && tab->programOptions.ipcModeChanged) (f.*tab->programOptions.ipcModeChanged)(m);
  f.BitBtn1->SetVisible(m == 0);
  f.Label243->SetCaption(IpcModeText(m));
  f.Label187->SetCaption(IpcModeText(m));
  if (m == 0) {
    f.RadioGroup8->SetItemIndex(0);
    f.RadioGroup8->SetEnabled(false);
  } else {
    f.RadioGroup8->SetEnabled(true);
  }
  for (TControl* c :
       std::initializer_list<TControl*>{f.Label235, f.Label37, f.Label236, f.Edit126, f.Edit127,
                                        f.Edit132, f.Edit133, f.Edit128, f.RadioGroup2})
    c->SetEnabled(m == 0);
  if (m == 0) {
    f.RadioGroup15->SetEnabled(true);
  } else {
    f.RadioGroup15->SetItemIndex(0);
    f.RadioGroup15->SetEnabled(false);
  }
  // A plane weight by plane type counts with the modifiers only; after the
  // groups above, whose redrawing may have enabled it.
  if (tab && tab->options.plane == OptionsRow::ByPlaneType) {
    if (f.RadioGroup2->ItemIndex() == 0) f.RadioGroup5->SetEnabled(false);
    if (m == 0 && f.RadioGroup2->ItemIndex() == 1) f.RadioGroup5->SetEnabled(true);
  }
  f.swap_current_width_labels();
  WriteSetting("IPC_Version", vcl::IntToStr(m));
}

void TForm6::ShowEtchPicture(int e) {
  Image3->SetVisible(e == 0);
  Image4->SetVisible(e == 1);
  Image2->SetVisible(e == 2);
}

void TForm6::RadioGroup2Click(TObject* Sender) {
  const int e = RadioGroup2->ItemIndex();
  if (e >= 0 && e <= 2) {
    TForm1& f = *Form1;
    if (e != 0) Image3->SetVisible(false);
    if (e != 1) Image4->SetVisible(false);
    if (e != 2) Image2->SetVisible(false);
    f.Label126->SetCaption(EtchText(e));
    f.Label380->SetCaption(EtchText(e));
    f.Image68->SetVisible(e == 0);
    f.Image73->SetVisible(e == 1);
    f.Image69->SetVisible(e == 2);
    f.Image74->SetVisible(e == 0);
    f.Image76->SetVisible(e == 1);
    f.Image75->SetVisible(e == 2);
    WriteSetting("Derating", vcl::IntToStr(e));
    ShowEtchPicture(e);
  }
  Form1->Button1Click(Sender);
}

void TForm6::CheckBox2Click(TObject* Sender) {
  WriteSetting("Via_Height_Enable", CheckBox2->Checked() ? "0" : "1");
  Form1->Button1Click(Sender);
}

// The stored limit is the number re-formatted; the box keeps what was typed.
void TForm6::Edit1Change(TObject* Sender) {
  const std::string text = vcl::FloatToStr(vcl::StrToFloat(Edit1->Text()));
  WriteSetting("TH_Via_AR_Setting", text);
  Form1->Button1Click(Sender);
}

void TForm6::Edit2Change(TObject* Sender) {
  const std::string text = vcl::FloatToStr(vcl::StrToFloat(Edit2->Text()));
  WriteSetting("UVia_AR_Setting", text);
  Form1->Button1Click(Sender);
}

void TForm6::Button1Click(TObject* Sender) {
  Close();
  Form1->SetEnabled(true);
  Form1->Button1Click(Sender);
}

void TForm6::FormCloseQuery(TObject*, bool& CanClose) {
  Form1->SetEnabled(true);
  CanClose = true;
}

void TForm6::BitBtn1Click(TObject*) { OpenLink(Link::MakerHelp); }

void TForm6::FormShow(TObject*) { ShowEtchPicture(RadioGroup2->ItemIndex()); }

// Manual copper weights: the typed boxes stand in for the weight groups.
void TForm6::CheckBox1Click(TObject*) {
  TForm1& f = *Form1;
  if (!CheckBox1->Checked()) {
    f.RadioGroup1->SetVisible(true);
    f.RadioGroup4->SetVisible(true);
    f.GroupBox31->SetVisible(false);
    f.GroupBox32->SetVisible(false);
    WriteSetting("Manual_Copper_Weight", "0");
    return;
  }
  const CalculatorRow* tab = f.TabRow();
  const ManualCopperRow manual = tab ? tab->options.manualCopper : ManualCopperRow{};
  const bool base = manual.base;
  const bool plating = manual.plating == ManualCopperRow::Always ||
                       (manual.plating == ManualCopperRow::AtStructure &&
                        f.RadioGroup3->ItemIndex() == manual.structure);
  f.RadioGroup1->SetVisible(false);
  f.RadioGroup4->SetVisible(false);
  f.GroupBox31->SetVisible(true);
  f.GroupBox32->SetVisible(true);
  f.GroupBox31->SetEnabled(base);
  for (TControl* c : std::initializer_list<TControl*>{f.GroupBox32, f.Edit138, f.Edit139})
    c->SetEnabled(plating);
  if (UnitsShown(f).Imperial()) {
    if (f.PointFlag()) {
      f.Edit136->SetText("0.7");
      f.Edit138->SetText("1.4");
    } else if (f.CommaFlag()) {
      f.Edit136->SetText("0,7");
      f.Edit138->SetText("1,4");
    }
  } else {
    f.Edit136->SetText("18");
    f.Edit138->SetText("35");
  }
  WriteSetting("Manual_Copper_Weight", "1");
}

// Use Microns: metric lengths between millimetres and micrometres.
void TForm6::CheckBox3Click(TObject* Sender) {
  TForm1& f = *Form1;
  const bool microns = CheckBox3->Checked();
  if (UnitsShown(f).Metric()) {
    // The lengths and areas; the boxes in fixed units keep theirs.
    UnitBoxes boxes = f.AllUnitBoxes();
    std::erase_if(boxes, [](const UnitBox& b) {
      return b.unitClass != UnitClass::Length && b.unitClass != UnitClass::Area;
    });
    // Every box is read first, so one that holds no number leaves all as they
    // were, the check box included: it names the unit the boxes still hold.
    std::vector<double> values(boxes.size());
    try {
      for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].inMicronsSwitch && boxes[i].value)
          values[i] = vcl::StrToFloat(boxes[i].value->Text());
    } catch (...) {
      CheckBox3->SetCheckedQuietly(!microns);
      throw;
    }

    for (const UnitBox& b : boxes)
      if (b.unit)
        b.unit->SetText(b.unitClass == UnitClass::Area ? (microns ? "Sq.um" : "Sq.mm")
                                                       : (microns ? "um" : "mm"));
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (!boxes[i].inMicronsSwitch || !boxes[i].value) continue;
      const double factor = boxes[i].unitClass == UnitClass::Area ? 1e6 : 1000;
      const double v = microns ? values[i] * factor : values[i] / factor;
      boxes[i].value->SetText(vcl::FloatToStr(vcl::RoundHalfAwayToPowerOfTen(v, -4)));
    }
    for (const CalculatorRow& row : CalculatorTable())
      if (row.micronsSwitch) (f.*row.micronsSwitch)(microns);
  }
  WriteSetting("Microns", microns ? "1" : "0");
  f.Button1Click(Sender);
  Form12->Button1Click(Sender);
}

}  // namespace trellis
