// The temperature a conductor reaches under the load current: the rise at
// which the current model gives that current, on top of the ambient.
#include <optional>

#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/conductor_items.h"
#include "calc/conductor/conductor_model.h"
#include "calc/conductor/conductor_values.h"
#include "settings/options_form.h"

namespace trellis {

namespace {

// The loaded rise for the area in square mils, from the factors the conductor
// solve has just set; nothing when the pass solves for width, which has no
// load current of its own.
std::optional<double> LoadedRise(TForm1& f, double sqMils) {
  ConductorValues& values = f.Values<ConductorValues>();
  // With no version chosen the model runs without modifiers.
  const conductor::IpcVersion version =
      conductor::IpcVersionOfItem(Form6->RadioGroup1->ItemIndex())
          .value_or(conductor::IpcVersion::Ipc2152WithoutModifiers);
  const conductor::IpcCoefficients k = conductor::SelectIpcCoefficients(
      version, conductor::IpcLayerOfItem(f.RadioGroup3->ItemIndex()));
  f.IpcK = k.k;
  f.IpcB = k.b;
  f.IpcC = k.c;
  if (version != conductor::IpcVersion::Ipc2152WithModifiers && f.RadioGroup8->ItemIndex() == 1)
    return std::nullopt;
  const conductor::IpcModifiers m{f.AreaCorrection,     f.BoardThicknessModifier,
                                  values.PlaneModifier, f.MaterialModifier,
                                  values.FixedModifier, f.RadioGroup15->ItemIndex() == 1,
                                  values.ParallelCount};
  return conductor::IpcRiseFor(version, k, values.LoadCurrent, sqMils, m);
}

// One unit system's loaded temperature and its text; 0 and "N/A" in the width solve.
void ShowLoadedTemp(TForm1& f, double sqMils, double& loaded, double perDegree, double ambient,
                    const char* format) {
  const std::optional<double> rise = LoadedRise(f, sqMils);
  loaded = rise ? *rise * perDegree + ambient : 0;
  f.Label320->SetCaption(rise ? f.Shown(vcl::Format(format, loaded)) : std::string("N/A"));
}

}  // namespace

void TForm1::ComputeLoadedTemp() {
  ShowLoadedTemp(*this, CrossSection, LoadedConductorTempF, 1.8, AmbientTempF, "%.1fF");
}

void TForm1::ComputeLoadedTempMetric() {
  ShowLoadedTemp(*this, CrossSectionSqMils, LoadedConductorTempC, 1, AmbientTemp, "%.1fC");
}

}  // namespace trellis
