#include "window_model/setup_row_texts.h"

#include <string_view>

#include "results/machine_setup.h"

namespace corvanta {
namespace {

// Column positions under the heads "Hob", "Gear", "Type of Cut", "Sign",
// "Work", "Index" and "Feed". The two cut names and the two signs are placed
// by hand so that each sits centred under its head.
constexpr int kHobX = 23;
constexpr int kGearX = 93;
constexpr int kConventionalX = 145;
constexpr int kClimbX = 172;
constexpr int kMinusX = 260;
constexpr int kPlusX = 258;
constexpr int kWorkX = 310;
constexpr int kIndexStudsX = 390;
constexpr int kFeedStudsX = 480;

// The order of drawing: every text of the right-hand, conventional, minus,
// top-coming, one-stud kind first, then the others, column by column.
struct Column {
  int x;
  std::string_view value;
  const char* SetupChooserTexts::*field;
};
constexpr Column kDrawOrder[] = {
    {kHobX, "RH", &SetupChooserTexts::hob},
    {kGearX, "RH", &SetupChooserTexts::gear},
    {kConventionalX, "Conventional", &SetupChooserTexts::typeOfCut},
    {kMinusX, "-", &SetupChooserTexts::sign},
    {kWorkX, "TC", &SetupChooserTexts::work},
    {kIndexStudsX, "1", &SetupChooserTexts::indexStuds},
    {kFeedStudsX, "1", &SetupChooserTexts::feedStuds},
    {kHobX, "LH", &SetupChooserTexts::hob},
    {kGearX, "LH", &SetupChooserTexts::gear},
    {kClimbX, "Climb", &SetupChooserTexts::typeOfCut},
    {kPlusX, "+", &SetupChooserTexts::sign},
    {kWorkX, "TG", &SetupChooserTexts::work},
    {kIndexStudsX, "2", &SetupChooserTexts::indexStuds},
    {kFeedStudsX, "2", &SetupChooserTexts::feedStuds},
};

}  // namespace

std::vector<RowText> SetupRowTexts(int row) {
  const MachineSetup* setup = SetupForRow(row);
  if (setup == nullptr) return {};
  std::vector<RowText> texts;
  for (const Column& column : kDrawOrder) {
    const std::string_view value = setup->chooser.*column.field;
    if (value == column.value)
      texts.push_back({column.x, std::wstring(value.begin(), value.end())});
  }
  return texts;
}

}  // namespace corvanta
