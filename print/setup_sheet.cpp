#include "print/setup_sheet.h"

#include <utility>

#include "numeric/exact_ratio.h"
#include "numeric/field_number.h"
#include "print/sheet_content.h"
#include "print/sheet_text.h"
#include "results/machine_setup.h"

namespace corvanta {

namespace {

// The index constant as a whole number, read exactly from its digits (the
// field holds digits only; a fraction, which the field refuses, would be cut
// off, and a text that is no number counts as 0).
BigInt WholeIndexConstant(std::string_view text) {
  const std::optional<ExactRatio> value = DecimalTextRatio(text);
  if (!value) return 0;
  return value->numerator / value->denominator;
}

class RunList {
 public:
  void At(double row, double column, SheetAlign align, std::string text,
          SheetFontId font = SheetFontId::kSheet) {
    runs_.push_back(SheetRun{true, row, column, align, font, std::move(text)});
  }
  void Left(double row, std::string text) { At(row, 0.02, SheetAlign::kLeft, std::move(text)); }
  void Continue(std::string text, SheetFontId font) {
    runs_.push_back(SheetRun{false, 0, 0, SheetAlign::kFlow, font, std::move(text)});
  }
  // A change-gear train as a fraction: the driving pair on the bar that
  // starts at `barRow`, the driven pair below it (upper pair written second
  // gear first, as on the machine's plate).
  void Train(double barRow, const ToothPair& upper, const ToothPair& lower) {
    SheetLineBuilder line;
    At(barRow - 0.38, 0.315, SheetAlign::kCentre,
       line.Integer(upper.second).Text(" x ").Integer(upper.first).Take());
    At(barRow + 0.52, 0.315, SheetAlign::kCentre,
       line.Integer(lower.first).Text(" x ").Integer(lower.second).Take());
  }
  std::vector<SheetRun> Take() { return std::move(runs_); }

 private:
  std::vector<SheetRun> runs_;
};

}  // namespace

std::vector<SheetRun> ComposeSetupSheet(const SheetInputs& in, const SolveResult& result) {
  RunList sheet;
  SheetLineBuilder line;

  sheet.At(1, 0.5, SheetAlign::kCentre, kSheetTitle);
  sheet.Left(3, line.Text("Index Constant: ").Text(in.indexConstShown).Take());
  sheet.Left(4, line.Text("Feed Constant: ").Text(in.feedConstShown).Take());
  sheet.Left(5, line.Text("Helix Angle: ")
                    .Text(in.helixShown)
                    .Text(std::string(1, kDegreeSign))
                    .Text("  (dms: ")
                    .Text(DegreesMinutesSeconds(FieldDouble(in.helixShown)))
                    .Text(")")
                    .Take());
  sheet.Left(6, line.Text("Normal Diametral Pitch: ")
                    .Text(in.pitchShown)
                    .Text("  (Module: ")
                    .Text(ModuleText(in.pitchShown))
                    .Text(")")
                    .Take());
  sheet.Left(7, line.Text("Number of Teeth: ").Integer(in.teeth).Take());
  sheet.Left(8, line.Text(in.pitchDiameterLine)
                    .Text("  (")
                    .Text(MillimetreText(in.pitchDiameterLine, kPitchDiameterCaptionLength))
                    .Text("mm)")
                    .Take());
  sheet.Left(9, line.Text(in.outsideDiameterLine)
                    .Text("  (")
                    .Text(MillimetreText(in.outsideDiameterLine, kOutsideDiameterCaptionLength))
                    .Text("mm)")
                    .Take());
  sheet.Left(10, in.leadLine);
  sheet.Left(11, ActualFeedSheetLine(in.actualFeedText));
  if (const MachineSetup* setup = SetupForRow(in.setupRow)) {
    sheet.Left(12, setup->sheet.hand);
    sheet.Left(13, setup->sheet.cut);
    sheet.Left(14, setup->sheet.sign);
    sheet.Left(15, setup->sheet.direction);
    sheet.Left(16, setup->sheet.studs);
  }
  sheet.Left(17, line.Text("Hob Threads: ").Text(in.hobThreads).Take());

  // The index equation, its two lines joined by large therefore signs.
  sheet.At(18.674, 0.36, SheetAlign::kCentre, "\\", SheetFontId::kSymbol);
  sheet.At(19.674, 0.36, SheetAlign::kCentre, "\\", SheetFontId::kSymbol);
  // The hyphens are the fraction bar of the index train below them.
  sheet.Left(22, "Index Change-Gears:     -------------");
  const ExactRatio c = SheetRatioOfC(result.C);
  const IndexEquation equation =
      MakeIndexEquation(c, WholeIndexConstant(in.indexConst), FieldInteger(in.hobThreads), in.teeth,
                        SetupSign(in.setupRow), result);
  sheet.At(19, 0.33, SheetAlign::kRight, equation.xLine);
  sheet.At(19, 0.39, SheetAlign::kLeft, equation.numeratorSide);
  sheet.At(20, 0.33, SheetAlign::kRight, equation.yLine);
  sheet.At(20, 0.39, SheetAlign::kLeft, equation.denominatorSide);
  sheet.Train(22, result.indexNumerator, result.indexDenominator);

  // The arithmetic behind the feed train, to 100 decimals.
  const FormulaLine pitch = NormalCircularPitchLine(in.pitchForSheet);
  sheet.At(24, 0.045, SheetAlign::kLeft, pitch.first, SheetFontId::kNarrow);
  sheet.At(24.8, 0.095, SheetAlign::kLeft, pitch.rest, SheetFontId::kNarrow);
  const FormulaLine sine = HelixSineLine(in.helix);
  sheet.At(26, 0.02, SheetAlign::kFlow, "sin(", SheetFontId::kNarrow);
  sheet.Continue("y", SheetFontId::kGreek);
  sheet.Continue(sine.first, SheetFontId::kNarrow);
  sheet.At(26.8, 0.095, SheetAlign::kLeft, sine.rest, SheetFontId::kNarrow);
  const FeedErrorFormula formula = MakeFeedErrorFormula(result, c, in.feedConst);
  sheet.At(28, 0.02, SheetAlign::kFlow, formula.first, SheetFontId::kNarrow);
  sheet.Continue("y", SheetFontId::kGreek);
  sheet.Continue(formula.last, SheetFontId::kNarrow);
  sheet.Left(30, line.Text("Feed error: ")
                     .Fixed(SheetFeedError(result, c, in.feedConst, in.helix, in.pitch), 24)
                     .Take());

  sheet.Left(32, "Feed Change-Gears:     -------------");
  sheet.Train(32, result.feedNumerator, result.feedDenominator);
  return sheet.Take();
}

}  // namespace corvanta
