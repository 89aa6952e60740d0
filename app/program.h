// One running program: the Application object and its ten windows, created in
// the order the entry creates them. Tests build as many as they like.
#pragma once

#include <memory>
#include <vector>

#include "vcl/forms.h"

namespace trellis {

class TForm1;
class TForm2;
class TForm4;
class TForm5;
class TForm6;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;

// The window variables of the current program.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;
extern TForm8* Form8;
extern TForm9* Form9;
extern TForm10* Form10;
extern TForm11* Form11;
extern TForm12* Form12;

class Program {
 public:
  // Initialises the application object, names it and creates the windows.
  explicit Program(vcl::Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the main window: its show handler runs the start-up sequence.
  void ShowMainWindow();

  vcl::TApplication& Application() { return *app_; }
  // The ten windows in creation order.
  std::vector<vcl::TForm*> Windows() const;
  TForm1& Main() const { return *form1_; }

 private:
  std::unique_ptr<vcl::TApplication> app_;
  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm4> form4_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm8> form8_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<TForm10> form10_;
  std::unique_ptr<TForm11> form11_;
  std::unique_ptr<TForm12> form12_;
};

}  // namespace trellis
