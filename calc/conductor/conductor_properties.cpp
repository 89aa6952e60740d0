#include "app/form1.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/conductor/conductor_items.h"
#include "calc/conductor/conductor_model.h"
#include "calc/conductor/conductor_values.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;

namespace {

constexpr double kSqMilsPerSqMm = kSquareMilsPerSquareMillimetreRound;

using range::Row;
using range::Test;
constexpr range::Under kAnyFlag = range::Under::AnyFlag, kKnownFlag = range::Under::KnownFlag;

// The range checks, per unit: mils, millimetres, micrometres (metric bounds
// are millimetres, micrometre inputs being divided by 1000 before the test).
// Texts that quote a decimal number follow the flag; the others always show.
// The pass goes on with what it read.
const Row kLengthRows[] = {
    {.test = Test::Above,
     .forms =
         {{{kAnyFlag,
            1200000,
            {"Max conductor length can't be greater than 1200000mils"},
            {"1200000"}},
           {kAnyFlag, 30480, {"Max conductor length can't be greater than 30480mm"}, {"30480"}},
           {kAnyFlag,
            30480,
            {"Max conductor length can't be greater than 30480000um"},
            {"30480000"}}}}},
    {.test = Test::Below,
     .forms = {{{kAnyFlag, 1, {"Minimum conductor length can't be less than 1mil"}, {"1"}},
                {kKnownFlag,
                 kMillimetresPerMil,
                 {"Minimum conductor length can't be less than 0.0254mm",
                  "Minimum conductor length can't be less than 0,0254mm"},
                 {"0.0254", "0,0254"}},
                {kKnownFlag,
                 kMillimetresPerMil,
                 {"Minimum conductor length can't be less than 25.4um",
                  "Minimum conductor length can't be less than 25,4um"},
                 {"25.4", "25,4"}}}}},
};

const Row kBoardRow = {.test = Test::Below,
                       .forms = {{{kAnyFlag, 1, {"PCB Thickness can't be less than 1mil"}, {"1"}},
                                  {kKnownFlag,
                                   kMillimetresPerMil,
                                   {"PCB Thickness can't be less than 0.0254mm",
                                    "PCB Thickness can't be less than 0,0254mm"},
                                   {"0.0254", "0,0254"}},
                                  {kKnownFlag,
                                   kMillimetresPerMil,
                                   {"PCB Thickness can't be less than 25.4um",
                                    "PCB Thickness can't be less than 25,4um"},
                                   {"25.4", "25,4"}}}}};

const Row kParallelRow = {
    .test = Test::Below,
    .forms = range::InEveryUnit(
        {kAnyFlag, 2, {"Parallel conductor count can't be less than 2"}, {"2"}})};

const Row kPlaneRow = {.test = Test::Below,
                       .forms = {{{kAnyFlag, 1, {"Plane distance can't be less than 1mil"}, {"1"}},
                                  {kKnownFlag,
                                   kMillimetresPerMil,
                                   {"Plane distance can't be less than 0.0254mm",
                                    "Plane distance can't be less than 0,0254mm"},
                                   {"0.0254", "0,0254"}},
                                  {kKnownFlag,
                                   kMillimetresPerMil,
                                   {"Plane distance can't be less than 25.4um",
                                    "Plane distance can't be less than 25,4um"},
                                   {"25.4", "25,4"}}}}};

}  // namespace

// One routine serves both unit systems; the imperial and metric blocks differ
// in their limits, formats and the order of a few writes.
void TForm1::SolveConductorProperties(vcl::TObject* Sender) {
  ConductorValues& values = Values<ConductorValues>();
  const LengthUnit unit = UnitsShown(*this);
  for (const bool metric : {false, true}) {
    if (!unit.InBlock(metric)) continue;
    const bool microns = unit.Microns();
    const double scale = microns ? 1000.0 : 1.0;
    range::Checker checks(*this, Sender, unit);

    ReadTempRise();
    ReadAmbientTemp();
    UpdateConductorTemp();
    range::Input length(Edit18, scale);
    values.ConductorLength = length.Read();
    values.FixedModifier = 1.0;
    checks.Check(length, kLengthRows);

    ReadCopperWeights(metric);

    range::Input board(Edit126, scale);
    PcbThickness = board.Read();
    checks.Check(board, kBoardRow);

    // Read whether or not the conductors are parallel.
    range::Input count(Edit128);
    values.ParallelCount = count.Read();
    checks.Check(count, kParallelRow);

    BoardThicknessModifier = conductor::BoardThicknessModifier(PcbThickness, metric);

    if (RadioGroup2->ItemIndex() == 0) values.PlaneModifier = 1.0;
    if (RadioGroup2->ItemIndex() == 1) {
      range::Input plane(Edit132, scale);
      values.PlaneDistance = plane.Read();
      checks.Check(plane, kPlaneRow);
      // With no plane weight chosen the factor keeps its last value.
      if (const auto weight = conductor::PlaneWeightOfItem(RadioGroup5->ItemIndex()))
        values.PlaneModifier = conductor::PlaneModifier(values.PlaneDistance, *weight, metric);
    }

    // An inner conductor has the base copper only.
    if (conductor::ConductorLayerOfItem(RadioGroup3->ItemIndex()) ==
        conductor::ConductorLayer::Internal)
      PlatingThickness = 0;
    ConductorThickness = BaseCopperThickness + PlatingThickness;
    values.HalfThickness = ConductorThickness / 2;
    auto writeThickness = [&] {
      Label56->SetCaption(metric ? Shown(Format("%3.0f um", ConductorThickness * 1000))
                                 : Shown(Format("%.2f mils", ConductorThickness)));
      Label285->SetCaption("N/A");
    };
    if (!metric) writeThickness();

    const bool solveForWidth = RadioGroup8->ItemIndex() == 1;
    // Width and thickness compare as the decimals they stand for: 2.1 mils
    // is not above 0.7 + 1.4.
    range::Input width(Edit15, scale, true);
    ConductorWidth = width.Read();
    // The nested pass stores the reset width, which this pass goes on with;
    // a reset that fails again (copper typed as 0) re-solves only once.
    const Row widthRow = {
        .test = Test::AtMost,
        .forms = range::InEveryUnit(
            {kAnyFlag,
             range::Decimal(ConductorThickness),
             {"Conductor width can't be less than or equal to conductor thickness"}}),
        .derived =
            [&](std::span<const Row>) {
              return vcl::FloatToStr(microns ? ConductorThickness * 1000 * 1.5
                                             : ConductorThickness * 1.5);
            },
        .resolve = "conductor width",
        .applies = RadioGroup8->ItemIndex() == 0};
    checks.Check(width, widthRow);

    const bool parallel = RadioGroup15->ItemIndex() == 1;
    if (const auto etch = conductor::EtchFactorOfItem(Form6->RadioGroup2->ItemIndex())) {
      const double a = conductor::EtchedCrossSection(*etch, ConductorWidth, ConductorThickness);
      CrossSection = parallel ? a * values.ParallelCount : a;
    }
    auto writeCrossSection = [&] {
      if (!metric)
        Edit16->SetText(Shown(Format("%.2f Sq.mils", CrossSection)));
      else if (microns)
        Edit16->SetText(Shown(Format("%.2f Sq.um", CrossSection * 1000000)));
      else
        Edit16->SetText(Shown(Format("%.4f Sq.mm", CrossSection)));
    };
    writeCrossSection();
    if (metric) {
      CrossSectionSqMils = CrossSection * kSqMilsPerSqMm;
      writeThickness();
      ComputeAreaCorrectionMetric();
    } else {
      ComputeAreaCorrection();
    }
    // The model's area, square mils, in whichever mode this pass solves.
    double sqMils = metric ? CrossSectionSqMils : CrossSection;

    if (const auto item = conductor::IpcVersionOfItem(Form6->RadioGroup1->ItemIndex())) {
      const conductor::IpcVersion version = *item;
      const conductor::IpcCoefficients k = conductor::SelectIpcCoefficients(
          version, conductor::IpcLayerOfItem(RadioGroup3->ItemIndex()));
      IpcK = k.k;
      IpcB = k.b;
      IpcC = k.c;
      const conductor::IpcModifiers m{AreaCorrection,       BoardThicknessModifier,
                                      values.PlaneModifier, MaterialModifier,
                                      values.FixedModifier, parallel,
                                      values.ParallelCount};
      if (version == conductor::IpcVersion::Ipc2152WithModifiers || !solveForWidth) {
        ConductorCurrent = conductor::IpcCurrent(version, k, TempRise, sqMils, m);
        Edit17->SetText(Shown(Format("%.4f Amps", ConductorCurrent)));
      } else {
        // The etch factor is held on "None" here, so the width is area over thickness.
        ConductorCurrent = StrToFloat(Edit15->Text());
        sqMils = conductor::IpcAreaFor(k, ConductorCurrent, TempRise);
        if (metric) {
          CrossSectionSqMils = sqMils;
          CrossSection = sqMils / kSqMilsPerSqMm;
        } else {
          CrossSection = sqMils;
        }
        writeCrossSection();
        ConductorWidth = CrossSection / ConductorThickness;
        Edit17->SetText(Shown(Format(metric ? "%.4f mm" : "%.4f mils", ConductorWidth)));
        if (ConductorWidth < ConductorThickness)
          vcl::ShowMessage("Conductor width is less than conductor thickess");
      }
    }

    if (metric) {
      MaterialTgC = MaterialTg;
      Label110->SetCaption(Shown(Format("%.1fC", MaterialTgC)));
    } else {
      MaterialTgF = MaterialTg * 9 / 5 + 32;
      Label110->SetCaption(Shown(Format("%.1fF", MaterialTgF)));
    }

    const double band = conductor::ResistivityBand(ConductorTemp, metric);
    (metric ? BaseResistivityMetric : BaseResistivity) = band;
    Resistivity = conductor::CorrectedResistivity(band, ConductorTemp);
    Label351->SetCaption(vcl::FloatToStr(band));

    // With parallel conductors this is the resistance of one of them.
    ConductorResistance =
        Resistivity * values.ConductorLength / (parallel ? sqMils / values.ParallelCount : sqMils);
    Edit20->SetText(Shown(Format("%.5f Ohms", ConductorResistance)));
    PowerDissipation = ConductorCurrent * ConductorCurrent * ConductorResistance;
    Edit48->SetText(Shown(Format("%.5f Watts", PowerDissipation)));
    Edit78->SetText(Shown(Format("%.4f Volts", ConductorCurrent * ConductorResistance)));

    values.LoadCurrent = StrToFloat(Edit69->Text());
    if (metric)
      ComputeLoadedTempMetric();
    else
      ComputeLoadedTemp();
    Edit406->SetText(Shown(Format("%.4f Volts", values.LoadCurrent * ConductorResistance)));

    // "DC" leaves the frequency unread and the skin-depth boxes as they were.
    if (!CheckBox1->Checked()) {
      values.SkinDepth = conductor::SkinDepthMicrons(StrToFloat(Edit130->Text()));
      if (!metric) values.SkinDepth *= conductor::kMilsPerMicron;
      Edit129->SetText(Shown(Format(metric ? "%.5f um" : "%.5f mils", values.SkinDepth)));
      const double half = metric ? values.HalfThickness * 1000 : values.HalfThickness;
      const double percent = values.SkinDepth / half * 100;
      Edit134->SetText(percent >= 100 ? std::string("100%")
                                      : Shown(Format("%.2f", percent)) + " %");
      // Red when the current crowds into less than half the copper.
      Edit134->SetFontColor(values.SkinDepth < half ? vcl::clRed : vcl::clNavy);
    }

    PowerDbm = conductor::PowerDbm(PowerDissipation);
    Edit135->SetText(Shown(Format("%.4f dBm", PowerDbm)));

    Label72->SetCaption(
        Shown(Format("%.2f A/m2", conductor::CurrentDensity(ConductorCurrent, sqMils))));
  }
}

// The hidden label keeps the last area the correction was computed on.
void TForm1::ComputeAreaCorrection() {
  Label33->SetCaption(vcl::FloatToStr(CrossSection));
  AreaCorrection = conductor::AreaCorrection(CrossSection, TempRise);
}

// Square millimetres enter the bands as square mils, by the round 1550.
void TForm1::ComputeAreaCorrectionMetric() {
  Label33->SetCaption(vcl::FloatToStr(CrossSection));
  AreaCorrection =
      conductor::AreaCorrection(CrossSection * kSquareMilsPerSquareMillimetreRound, TempRise);
}

}  // namespace trellis
