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
  const Calculator tab = f.TabCalculator();
  if (tab == Calculator::ViaProperties) {
    // The via height enters the single via's current only with the modifiers.
    const int mode = f.RadioGroup5->ItemIndex();
    int enable = -1;
    if (m == 0 && mode == 0) enable = 1;
    if (m != 0 && mode == 0) enable = 0;
    if (m != 0 && mode == 1) enable = 1;
    if (enable >= 0)
      for (TControl* c : std::initializer_list<TControl*>{f.Edit6, f.Label8, f.Edit55})
        c->SetEnabled(enable == 1);
  }
  f.BitBtn1->SetVisible(m == 0);
  static const char* const kModes[3] = {"IPC-2152 with modifiers mode",
                                        "IPC-2152 without modifiers mode", "IPC-2221 mode"};
  f.Label243->SetCaption(kModes[m]);
  f.Label187->SetCaption(kModes[m]);
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
  if (tab == Calculator::ConductorProperties) {
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
    static const char* const kTexts[3] = {"1:1", "2:1", "None"};
    f.Label126->SetCaption(kTexts[e]);
    f.Label380->SetCaption(kTexts[e]);
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
  const Calculator tab = f.TabCalculator();
  const int structure = f.RadioGroup3->ItemIndex();
  bool base = false, plating = false;
  switch (tab) {
    case Calculator::ConductorImpedance:
      base = true;
      plating = structure == 0;
      break;
    case Calculator::ConductorProperties:
      base = true;
      plating = structure == 1;
      break;
    case Calculator::DifferentialPairs:
      base = true;
      plating = structure == 0;
      break;
    case Calculator::ErEffective:
    case Calculator::FusingCurrent:
      base = plating = true;
      break;
    default:
      break;
  }
  f.RadioGroup1->SetVisible(false);
  f.RadioGroup4->SetVisible(false);
  f.GroupBox31->SetVisible(true);
  f.GroupBox32->SetVisible(true);
  f.GroupBox31->SetEnabled(base);
  for (TControl* c : std::initializer_list<TControl*>{f.GroupBox32, f.Edit138, f.Edit139})
    c->SetEnabled(plating);
  if (f.RadioGroup6->ItemIndex() == 0) {
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
  if (f.RadioGroup6->ItemIndex() == 1) {
    const bool plated = f.RadioGroup7->ItemIndex() == 0;
    const bool resistorWidth = f.RadioGroup11->ItemIndex() != 2;
    const bool widthIsLength = f.RadioGroup8->ItemIndex() == 0;
    struct Box {
      vcl::TEdit* box;
      vcl::TEdit* unit;
      bool convert;
      bool area = false;
    };
    const std::vector<Box> boxes = {
        {f.Edit3, f.Edit52, true},
        {f.Edit4, f.Edit53, true},
        {f.Edit5, f.Edit54, true},
        {f.Edit6, f.Edit55, true},
        {f.Edit335, f.Edit336, true},
        {f.Edit9, f.Edit56, true},
        {f.Edit15, widthIsLength ? f.Edit57 : nullptr, widthIsLength},
        {f.Edit18, f.Edit58, true},
        {f.Edit21, f.Edit62, true},
        {f.Edit26, f.Edit63, true},
        {f.Edit27, f.Edit64, true},
        {f.Edit32, f.Edit65, true},
        {f.Edit398, f.Edit399, true},
        {f.Edit33, f.Edit59, true},
        {f.Edit34, f.Edit60, plated},
        {f.Edit35, f.Edit61, plated},
        {f.Edit211, f.Edit212, true},
        {f.Edit213, f.Edit214, true},
        {f.Edit67, f.Edit71, true},
        {f.Edit68, f.Edit72, true},
        {f.Edit74, f.Edit75, true},
        {f.Edit126, f.Edit127, true},
        {f.Edit132, f.Edit133, true},
        {f.Edit140, f.Edit155, true},
        {f.Edit228, nullptr, true, true},
        {f.Edit229, f.Edit232, true},
        {f.Edit25, f.Edit222, true},
        {f.Edit46, f.Edit223, true},
        {f.Edit157, f.Edit164, true},
        {f.Edit158, resistorWidth ? f.Edit165 : nullptr, resistorWidth},
        {Form12->Edit195, Form12->Edit196, true},
        {Form12->Edit203, Form12->Edit204, true},
        {Form12->Edit197, Form12->Edit198, true},
        {Form12->Edit199, Form12->Edit200, true},
        {Form12->Edit201, Form12->Edit202, true},
    };
    // Every box is read first, so one that holds no number leaves all as they
    // were, the check box included: it names the unit the boxes still hold.
    std::vector<double> values(boxes.size());
    try {
      for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].convert) values[i] = vcl::StrToFloat(boxes[i].box->Text());
    } catch (...) {
      CheckBox3->SetCheckedQuietly(!microns);
      throw;
    }

    for (const Box& b : boxes)
      if (b.unit) b.unit->SetText(microns ? "um" : "mm");
    f.Edit231->SetText(microns ? "Sq.um" : "Sq.mm");
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (!boxes[i].convert) continue;
      const double factor = boxes[i].area ? 1e6 : 1000;
      const double v = microns ? values[i] * factor : values[i] / factor;
      boxes[i].box->SetText(vcl::FloatToStr(vcl::RoundHalfAwayToPowerOfTen(v, -4)));
    }
    if (f.PointFlag() || f.CommaFlag()) {
      const bool comma = f.CommaFlag();
      static const char* const kSizes[13] = {"75", "65", "60", "55", "50", "45", "40",
                                             "35", "30", "25", "20", "17", "15"};
      auto size = [&](const char* hundredths) {
        return microns ? std::string(hundredths) + "0 um"
                       : std::string("0") + (comma ? "," : ".") + hundredths + " mm";
      };
      f.ComboBox4->Items().Clear();
      for (const char* s : kSizes) f.ComboBox4->Items().Add(size(s));
      f.ComboBox4->SetItemIndex(0);
      f.Edit36->SetText(size("55"));
      f.Edit37->SetText(size("60") + " - " + size("50"));
    }
  }
  WriteSetting("Microns", microns ? "1" : "0");
  f.Button1Click(Sender);
  Form12->Button1Click(Sender);
}

}  // namespace trellis
