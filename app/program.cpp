#include "app/program.h"

#include "app/form1.h"
#include "calc/diffpair/crosstalk_form.h"
#include "reference/about_form.h"
#include "reference/design_rules_form.h"
#include "reference/eda_resources_form.h"
#include "reference/references_form.h"
#include "settings/developer_form.h"
#include "settings/installer_form.h"
#include "settings/options_form.h"
#include "settings/splash_form.h"

namespace trellis {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;

namespace {
template <class T>
T* Create(std::unique_ptr<T>& holder, T*& variable, vcl::TApplication& app) {
  holder = std::make_unique<T>();
  variable = holder.get();
  app.RegisterForm(variable);
  // A failure in a create handler (a settings write the store refuses) is
  // reported like any handler's, and the program still comes up.
  if (variable->OnCreate) app.Dispatch([variable] { variable->OnCreate(variable); });
  return variable;
}
}  // namespace

Program::Program(vcl::Platform& platform) : app_(std::make_unique<vcl::TApplication>(platform)) {
  app_->Title = "Orvane Trellis";
  vcl::FormatSettings.DecimalSeparator = platform.UserDecimalSeparator() == "," ? ',' : '.';
  // Windows reach one another through the variables, so each is set as it is made.
  Create(form1_, Form1, *app_);
  app_->MainForm = Form1;
  Create(form2_, Form2, *app_);
  Create(form4_, Form4, *app_);
  Create(form5_, Form5, *app_);
  Create(form6_, Form6, *app_);
  Create(form8_, Form8, *app_);
  Create(form9_, Form9, *app_);
  Create(form10_, Form10, *app_);
  Create(form11_, Form11, *app_);
  Create(form12_, Form12, *app_);
}

Program::~Program() {
  // Windows go in reverse order of creation, before the application object.
  // The window variables are left alone when a newer program has taken them.
  auto release = [](auto& holder, auto*& variable) {
    if (variable == holder.get()) variable = nullptr;
    holder.reset();
  };
  release(form12_, Form12);
  release(form11_, Form11);
  release(form10_, Form10);
  release(form9_, Form9);
  release(form8_, Form8);
  release(form6_, Form6);
  release(form5_, Form5);
  release(form4_, Form4);
  release(form2_, Form2);
  release(form1_, Form1);
}

void Program::ShowMainWindow() {
  app_->Dispatch([this] { form1_->Show(); });
}

std::vector<vcl::TForm*> Program::Windows() const {
  return {form1_.get(), form2_.get(), form4_.get(),  form5_.get(),  form6_.get(),
          form8_.get(), form9_.get(), form10_.get(), form11_.get(), form12_.get()};
}

}  // namespace trellis
