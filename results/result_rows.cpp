#include "results/result_rows.h"

#include <algorithm>

#include "numeric/number_text.h"
#include "search/train_ratio.h"

namespace corvanta {

namespace {

// The part of `line` after `before` and up to `after` (to the end when
// `after` is ""): one number of a shown line. The lines are made in this
// layer with these very words, so a line without them is a fault here, and
// it gives its whole text rather than a wrong cut.
std::string Between(const std::string& line, const std::string& before,
                    const std::string& after = "") {
  const std::size_t start = line.find(before);
  if (start == std::string::npos) return line;
  const std::size_t from = start + before.size();
  const std::size_t end = after.empty() ? line.size() : line.find(after, from);
  if (end == std::string::npos) return line;
  return line.substr(from, end - from);
}

// "a x b / c x d" from the cells of the page: the driving pair over the
// driven pair.
std::string TrainText(const std::array<std::string, 4>& cells) {
  return cells[0] + " x " + cells[1] + " / " + cells[2] + " x " + cells[3];
}

}  // namespace

const std::array<std::string, kResultColumnCount>& ResultColumnTitles() {
  static const std::array<std::string, kResultColumnCount> titles = {
      "Result",     "Index",      "Feed",        "C",          "Lead",
      "Lead Error", "Feed Error", "Actual Feed", "Along Helix"};
  return titles;
}

ResultRow MakeResultRow(std::size_t number, const DisplayInputs& inputs,
                        const IndexTerms& indexTerms, const SolveResult& result,
                        SearchMethod method) {
  ResultRow row;
  row.number = number;
  row.numbers = EvaluateResultNumbers(inputs, indexTerms, result, method);
  row.indexRatio = DecimalTrainRatio(result.indexNumerator, result.indexDenominator);
  row.feedRatio = DecimalTrainRatio(result.feedNumerator, result.feedDenominator);
  const ResultTexts texts = ResultTextsOf(inputs, result, row.numbers);

  auto cell = [&row](ResultColumn column) -> std::string& {
    return row.cells[static_cast<std::size_t>(column)];
  };
  cell(ResultColumn::kNumber) = std::to_string(number);
  cell(ResultColumn::kIndex) = TrainText(texts.indexCells);
  cell(ResultColumn::kFeed) = TrainText(texts.feedCells);
  // An empty C line means C has no small fraction the train stands behind;
  // the list still needs a C to compare.
  cell(ResultColumn::kC) =
      texts.cLine.empty() ? FixedText(row.numbers.c, 10) : Between(texts.cLine, "C: ");
  cell(ResultColumn::kLead) = Between(texts.leadLine, "Lead: ", " (Error: ");
  cell(ResultColumn::kLeadError) = Between(texts.leadLine, " (Error: ", ")");
  cell(ResultColumn::kFeedError) = Between(texts.feedErrorLine, "Feed Error: ");
  cell(ResultColumn::kActualFeed) =
      Between(texts.actualFeedText, "Actual Feed From C: ", " Along Helix Angle: ");
  cell(ResultColumn::kAlongHelix) = Between(texts.actualFeedText, " Along Helix Angle: ");
  // As corvanta-solve's JSON prints them.
  row.storedFeedError = FixedText(result.feedError, 30);
  row.storedC = FixedText(result.C, 30);
  return row;
}

const Decimal100& ResultSortKey(const ResultRow& row, ResultColumn column) {
  switch (column) {
    case ResultColumn::kIndex: return row.indexRatio;
    case ResultColumn::kFeed: return row.feedRatio;
    case ResultColumn::kC: return row.numbers.c;
    case ResultColumn::kLead: return row.numbers.lead;
    case ResultColumn::kLeadError: return row.numbers.leadError;
    case ResultColumn::kFeedError: return row.numbers.feedError;
    case ResultColumn::kActualFeed: return row.numbers.actualFeed;
    case ResultColumn::kAlongHelix: return row.numbers.alongHelix;
    case ResultColumn::kNumber: break;  // sorted by the number itself
  }
  return row.numbers.alongHelix;
}

std::vector<std::size_t> SortedRowOrder(const std::vector<ResultRow>& rows, ResultColumn column,
                                        bool descending) {
  return SortedOrder(
      rows.size(), [&](std::size_t k) { return rows[k].number; }, column == ResultColumn::kNumber,
      descending,
      [&](std::size_t a, std::size_t b) {
        const Decimal100& x = ResultSortKey(rows[a], column);
        const Decimal100& y = ResultSortKey(rows[b], column);
        return descending ? y < x : x < y;
      });
}

std::string ResultsTabText(const std::vector<ResultRow>& rows,
                           const std::vector<std::size_t>& order) {
  return TabText(ResultColumnTitles(), rows, order);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string ResultsCsv(const std::vector<ResultRow>& rows) {
  std::string text = std::string(kResultsCsvHead) + "\r\n";
  for (const ResultRow& row : rows) {
    std::array<std::string, kResultColumnCount + 2> cells;
    std::copy(row.cells.begin(), row.cells.end(), cells.begin());
    cells[kResultColumnCount] = row.storedFeedError;
    cells[kResultColumnCount + 1] = row.storedC;
    for (std::size_t k = 0; k < cells.size(); ++k) text += (k > 0 ? "," : "") + CsvField(cells[k]);
    text += "\r\n";
  }
  return text;
}

}  // namespace corvanta
