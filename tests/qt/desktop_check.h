// The desktop's windows compared with the model they show: every form, control
// and menu item against its widget, so a fault of the desktop layer fails the
// behaviour scenarios as a fault of the model does.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/support/scenario.h"
#include "vcl/forms.h"

namespace trellis::desktop {

class QtRenderer;

namespace testing {

// One text per disagreement, naming the control and the property:
// `Form1.Edit5 text: the control has "1.5", the widget shows "1."`.
std::vector<std::string> CompareWithDesktop(QtRenderer& renderer,
                                            const std::vector<vcl::TForm*>& forms);

// Each run's program rendered offscreen by the desktop peers, while boxes,
// settings, the shell, the printer and the clock stay the recording
// platform's. Compares after every `every`th action; renders the first run
// and then every `runs`th (each case of a table is a run of its own).
class DesktopScenarioView : public trellis::testing::ScenarioView {
 public:
  explicit DesktopScenarioView(int every = 1, int runs = 1);
  ~DesktopScenarioView() override;
  void Attach(trellis::testing::Harness& harness) override;
  std::vector<std::string> Check() override;
  void Detach() override;

  // The renderer of the attached run, for tests that tamper with its widgets.
  QtRenderer* Renderer() const { return renderer_.get(); }

 private:
  int every_;
  int runs_;
  long actions_ = 0;
  long attached_ = 0;
  trellis::testing::Harness* harness_ = nullptr;
  std::unique_ptr<QtRenderer> renderer_;
};

}  // namespace testing
}  // namespace trellis::desktop
