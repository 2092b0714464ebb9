#include "tools/result_lines.h"

#include <cstdlib>

#include "numeric/number_text.h"
#include "resources/resource.h"
#include "search/order_results.h"

namespace corvanta {

namespace {

int CellNumber(const std::string& text) { return std::atoi(text.c_str()); }

std::array<int, 4> CellNumbers(const std::array<std::string, 4>& texts) {
  return {CellNumber(texts[0]), CellNumber(texts[1]), CellNumber(texts[2]), CellNumber(texts[3])};
}

}  // namespace

ShownLines ReadShownLines(const ControlAccess& controls) {
  const auto text = [&](ControlId id) { return controls.GetText(id, 1024); };
  ResultTexts texts;
  texts.indexCells = {text(IDC_INDEX_UPPER_LEFT), text(IDC_INDEX_UPPER_RIGHT),
                      text(IDC_INDEX_LOWER_LEFT), text(IDC_INDEX_LOWER_RIGHT)};
  texts.feedCells = {text(IDC_FEED_UPPER_LEFT), text(IDC_FEED_UPPER_RIGHT),
                     text(IDC_FEED_LOWER_LEFT), text(IDC_FEED_LOWER_RIGHT)};
  texts.cLine = text(IDC_C_LINE);
  texts.leadLine = text(IDC_LEAD_LINE);
  texts.indexErrorLine = text(IDC_INDEX_ERROR_LINE);
  texts.feedErrorLine = text(IDC_FEED_ERROR_LINE);
  texts.actualFeedText = text(IDC_ACTUAL_FEED_TEXT);
  return LinesOf(texts);
}

ShownLines LinesOf(const ResultTexts& texts) {
  ShownLines lines;
  lines.indexCells = CellNumbers(texts.indexCells);
  lines.feedCells = CellNumbers(texts.feedCells);
  lines.c = texts.cLine;
  lines.lead = texts.leadLine;
  lines.indexError = texts.indexErrorLine;
  lines.feedError = texts.feedErrorLine;
  lines.actualFeed = texts.actualFeedText;
  return lines;
}

nlohmann::ordered_json ResultEntry(const SolveResult& result, const ShownLines& lines) {
  return {{"teeth", ToothCounts(result)},
          {"feedError", FixedText(result.feedError, 30)},
          {"C", FixedText(result.C, 30)},
          {"lines",
           {{"indexCells", lines.indexCells},
            {"feedCells", lines.feedCells},
            {"c", lines.c},
            {"lead", lines.lead},
            {"indexError", lines.indexError},
            {"feedError", lines.feedError},
            {"actualFeed", lines.actualFeed}}}};
}

std::string Fraction(const std::array<int, 4>& cells) {
  return std::to_string(cells[0]) + " " + std::to_string(cells[1]) + " / " +
         std::to_string(cells[2]) + " " + std::to_string(cells[3]);
}

void PrintLines(std::ostream& out, const ShownLines& lines, const std::string& indent) {
  out << indent << "Index: " << Fraction(lines.indexCells) << "\n"
      << indent << "Feed:  " << Fraction(lines.feedCells) << "\n"
      << indent << lines.c << "\n"
      << indent << lines.lead << "\n"
      << indent << lines.indexError << "\n"
      << indent << lines.feedError << "\n"
      << indent << lines.actualFeed << "\n";
}

}  // namespace corvanta
