#include "tools/setup_options.h"

#include <utility>
#include <vector>

#include "results/machine_setup.h"

namespace corvanta {
namespace {

template <typename T>
using Spellings = std::vector<std::pair<std::string, T>>;

const Spellings<Hand>& HandSpellings() {
  static const Spellings<Hand> spellings = {{"RH", Hand::kRight}, {"LH", Hand::kLeft}};
  return spellings;
}

const Spellings<CutType>& CutSpellings() {
  static const Spellings<CutType> spellings = {{"conventional", CutType::kConventional},
                                               {"climb", CutType::kClimb}};
  return spellings;
}

template <typename T>
std::vector<std::string> Words(const Spellings<T>& spellings) {
  std::vector<std::string> words;
  for (const auto& [word, value] : spellings) words.push_back(word);
  return words;
}

template <typename T>
T ValueOf(const Spellings<T>& spellings, const std::string& word) {
  for (const auto& [spelling, value] : spellings)
    if (spelling == word) return value;
  return spellings.front().second;  // the option's check lets no other word through
}

template <typename T>
const std::string& WordOf(const Spellings<T>& spellings, T value) {
  for (const auto& [word, spelled] : spellings)
    if (spelled == value) return word;
  return spellings.front().first;
}

// An option that takes one of `spellings`' words, in any case, and keeps
// the word as spelled there.
template <typename T>
void AddWordOption(CLI::App& app, const std::string& name, std::optional<std::string>& word,
                   const Spellings<T>& spellings, const std::string& help) {
  const std::vector<std::string> words = Words(spellings);
  app.add_option(name, word, help)
      ->transform(CLI::IsMember(words, CLI::ignore_case).description(""))
      ->type_name(CLI::detail::join(words, "|"));
}

}  // namespace

void AddSetupMeaningOptions(CLI::App& app, SetupMeaning& meaning) {
  AddWordOption(app, "--hob", meaning.hob, HandSpellings(), "hob hand of the set-up row");
  AddWordOption(app, "--gear", meaning.gear, HandSpellings(), "gear hand of the set-up row");
  AddWordOption(app, "--cut", meaning.cut, CutSpellings(), "type of cut of the set-up row");
  app.footer(
      "The set-up row can also be given by its meaning: --hob, --gear and --cut choose the row "
      "of that hob hand, gear hand and type of cut. Each of them not given is taken from the "
      "--setup row (row 0 without --setup: RH hob, RH gear, conventional cut), so --cut climb "
      "alone chooses row 1. Given together with --setup, each must agree with its row.");
}

std::optional<int> ChooseSetupRow(int setupRow, bool setupGiven, const SetupMeaning& meaning,
                                  std::string* refusal) {
  const MachineSetup& base = SetupTable()[static_cast<std::size_t>(setupRow)];
  const Hand hob = meaning.hob ? ValueOf(HandSpellings(), *meaning.hob) : base.hobHand;
  const Hand gear = meaning.gear ? ValueOf(HandSpellings(), *meaning.gear) : base.gearHand;
  const CutType cut = meaning.cut ? ValueOf(CutSpellings(), *meaning.cut) : base.typeOfCut;

  if (setupGiven) {
    std::vector<std::string> disagreeing;
    if (hob != base.hobHand) disagreeing.push_back("--hob " + *meaning.hob);
    if (gear != base.gearHand) disagreeing.push_back("--gear " + *meaning.gear);
    if (cut != base.typeOfCut) disagreeing.push_back("--cut " + *meaning.cut);
    if (!disagreeing.empty()) {
      *refusal = CLI::detail::join(disagreeing, " and ") +
                 (disagreeing.size() == 1 ? " disagrees" : " disagree") + " with --setup " +
                 std::to_string(setupRow) + " (" + WordOf(HandSpellings(), base.hobHand) +
                 " hob, " + WordOf(HandSpellings(), base.gearHand) + " gear, " +
                 WordOf(CutSpellings(), base.typeOfCut) + " cut)";
      return std::nullopt;
    }
  }
  // The table holds each hob hand, gear hand and type of cut once.
  for (int row = 0; row < kSetupRowCount; ++row) {
    const MachineSetup& setup = SetupTable()[static_cast<std::size_t>(row)];
    if (setup.hobHand == hob && setup.gearHand == gear && setup.typeOfCut == cut) return row;
  }
  return setupRow;
}

}  // namespace corvanta
