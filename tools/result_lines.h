// One result as corvanta-solve prints it: the display's lines, as text and
// as an entry of JSON. A Solve's results and the advice's rows print their
// results in this one form.
#ifndef CORVANTA_TOOLS_RESULT_LINES_H
#define CORVANTA_TOOLS_RESULT_LINES_H

#include <array>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "results/result_texts.h"
#include "search/solve_result.h"
#include "window_model/control_access.h"

namespace corvanta {

// The lines of one shown result.
struct ShownLines {
  std::array<int, 4> indexCells{}, feedCells{};
  std::string c, lead, indexError, feedError, actualFeed;
};

// The lines the result display has written into `controls`, read back.
ShownLines ReadShownLines(const ControlAccess& controls);

// The lines of `texts`, as the display would write them.
ShownLines LinesOf(const ResultTexts& texts);

// A result's JSON entry: its tooth counts, every digit the search stored
// (30 decimals) and its lines.
nlohmann::ordered_json ResultEntry(const SolveResult& result, const ShownLines& lines);

// "a b / c d": a train's cells, upper then lower.
std::string Fraction(const std::array<int, 4>& cells);

// The lines as the text output prints them, each after `indent`.
void PrintLines(std::ostream& out, const ShownLines& lines, const std::string& indent);

}  // namespace corvanta

#endif
