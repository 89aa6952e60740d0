// The start-up sequence behind the splash window.
#include "app/form1.h"
#include "app/program.h"
#include "settings/settings_store.h"
#include "settings/splash_form.h"

namespace trellis {

using vcl::TObject;

namespace {

const char* SplashPhase(int p, const char* previous) {
  if (p < 10) return "Loading.";
  if (p > 10 && p < 20) return "Loading..";
  if (p > 20 && p < 30) return "Loading...";
  if (p > 30 && p < 40) return "Loading....";
  if (p > 40 && p < 50) return "Reading registry keys.";
  if (p > 50 && p < 60) return "Reading registry keys..";
  if ((p > 60 && p < 70) || (p > 70 && p < 80)) return "Reading registry keys...";
  if (p > 80 && p < 85) return "Starting program.";
  if (p > 85 && p < 90) return "Starting program..";
  if (p > 90 && p < 95) return "Starting program...";
  if (p > 95 && p < 100) return "Starting program....";
  return previous;
}

}  // namespace

void TForm1::Button3Click(TObject* Sender) {
  Form4->Show();
  vcl::Application()->ProcessMessages();

  // The status bar's clock ticks through the pauses, so the last Solve sees
  // the substrate's Tg.
  vcl::TApplication& app = *vcl::Application();
  for (int i = 0; i <= 100; ++i) {
    app.ProcessMessages();
    Form4->ProgressBar1->SetPosition(i);
    app.Sleep(40);
    const int p = Form4->ProgressBar1->Position();
    Form4->Label3->SetCaption(SplashPhase(p, Form4->Label3->Caption().c_str()));
  }
  Form4->ProgressBar1->SetPosition(0);
  Form4->Close();

  const LengthUnit unit = UnitsShown(*this);
  if (unit.Imperial()) {
    if (PointFlag()) {
      Edit136->SetText("0.7");
      Edit138->SetText("1.4");
    } else if (CommaFlag()) {
      Edit136->SetText("0,7");
      Edit138->SetText("1,4");
      RadioGroup4->Items().Clear();
      for (const char* item :
           {"0,25oz", "0,5oz", "1oz", "1,5oz", "2oz", "2,5oz", "3oz", "4oz", "5oz"})
        RadioGroup4->Items().Add(item);
      RadioGroup4->SetItemIndex(1);
      RadioGroup1->Items().Clear();
      for (const char* item : {"Bare PCB", "0,5oz", "1oz", "1,5oz", "2oz", "2,5oz", "3oz"})
        RadioGroup1->Items().Add(item);
      RadioGroup1->SetItemIndex(2);
    }
  }

  if (const CalculatorRow* tab = TabRow(); tab && tab->options.planeGroup.unitWeightsAtStart) {
    RadioGroup5->Items().Clear();
    if (unit.Imperial()) {
      RadioGroup5->Items().Add("1oz");
      RadioGroup5->Items().Add("2oz");
    } else {
      RadioGroup5->Items().Add("35um");
      RadioGroup5->Items().Add("70um");
    }
    RadioGroup5->SetItemIndex(0);
  }

  Button1Click(Sender);
}

// The copper groups store their choice and solve.
void TForm1::RadioGroup4Click(TObject* Sender) {
  WriteSetting("Base_Weight", vcl::IntToStr(RadioGroup4->ItemIndex()));
  Button1Click(Sender);
}

void TForm1::RadioGroup1Click(TObject* Sender) {
  WriteSetting("Plate_Weight", vcl::IntToStr(RadioGroup1->ItemIndex()));
  Button1Click(Sender);
}

}  // namespace trellis
