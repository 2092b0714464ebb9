// The pieces of the set-up sheet that take more than copying a field: the
// angle in degrees, minutes and seconds, the metric values, the split
// actual-feed line, the index equation, the two long formula lines and the
// feed-error formula with its value.
#ifndef CORVANTA_PRINT_SHEET_CONTENT_H
#define CORVANTA_PRINT_SHEET_CONTENT_H

#include <cstddef>
#include <string>
#include <string_view>

#include "numeric/exact_ratio.h"
#include "numeric/number_types.h"
#include "search/solve_result.h"

namespace corvanta {

// 22.5 -> 22°30'00.0000" (degree sign 0xB0, a double quote for the
// seconds): whole degrees, minutes and seconds to four decimals, rounded
// halves away from zero and carried up (5.99999999 -> 06°00'00.0000").
// A negative angle gets a leading '-'; an infinite or NaN one prints as the
// C library writes it, with zero minutes and seconds.
std::string DegreesMinutesSeconds(double degrees);

// The module of a normal diametral pitch text: 25.4 / Pn, 6 decimals.
std::string ModuleText(std::string_view pitchText);

// A geometry line ("Transverse Pitch Dia.: 2.3094") in millimetres: the
// number after the caption times 25.4, 3 decimals; a line shorter than its
// caption counts as 0.
std::string MillimetreText(std::string_view line, std::size_t captionLength);
inline constexpr std::size_t kPitchDiameterCaptionLength = 23;    // "Transverse Pitch Dia.: "
inline constexpr std::size_t kOutsideDiameterCaptionLength = 14;  // "Outside Dia.: "

// The result display's two-line actual-feed text as one sheet line: the
// feed along the axis, " · ", the feed along the helix without its leading
// blank. See the definition for how the two parts are found.
std::string ActualFeedSheetLine(std::string_view text);

// The index equation: how the result's C (= p / q) turns the index ratio
// K x T / (N + s / C) into the index train. X = p x K x T over
// Y = p x N + s x q is the ratio; scaled by a / b it becomes the product of
// the driving gears P over that of the driven gears Q.
struct IndexEquation {
  BigInt p, q;                                  // the result's C in lowest terms
  BigInt k;                                     // index constant, whole
  int threads = 0;                              // T
  int teeth = 0;                                // N
  int sign = 1;                                 // s
  BigInt x, y;                                  // p x K x T, p x N + s x q
  BigInt numeratorProduct, denominatorProduct;  // P, Q from the tooth counts
  BigInt a = 1, b = 1;                          // P / gcd(X, P), X / gcd(X, P)
  // 0: X and Y are the products as they stand; 1: scaled up by a; 2: scaled
  // down by b; 3: both.
  int form = 0;

  std::string xLine;          // "41 * 30 * 1 = 1230"
  std::string numeratorSide;  // "((1230 * 4) / 5) = 984 = 41 x 24"
  std::string yLine;          // "(41 * 41)  - 1 = 1680"
  std::string denominatorSide;
};

IndexEquation MakeIndexEquation(const ExactRatio& c, const BigInt& indexConstant, int threads,
                                int teeth, int sign, const SolveResult& result);

// The result's C as the sheet reads it: written with 110 decimals and turned
// back into an exact ratio. A C that is no finite number gives 0/1.
ExactRatio SheetRatioOfC(const Decimal100& c);

// A formula line too long for the page, as printed: the first `firstLength`
// characters, and the rest on a continuation line ("" when nothing is left).
struct FormulaLine {
  std::string first;
  std::string rest;
};
FormulaLine SplitFormulaLine(const std::string& text, std::size_t firstLength);

// "Pn = " and pi / Pn to 100 decimals, split after 57 characters; Pn is the
// pitch text as a Binary100 (a text that is no number gives "nan").
FormulaLine NormalCircularPitchLine(std::string_view pitchText);
// ") = " and sin(helix x pi / 180) to 100 decimals, split after 56
// characters (the "sin(" and the psi are printed before it).
FormulaLine HelixSineLine(std::string_view helixText);

// The feed constant as the feed-error formula shows it: as typed up to 3;
// above 3 the machine uses 1 / Kf, written with all its digits, or with 32
// decimals when that is 16 characters or more.
std::string FeedConstantText(std::string_view feedConstText);

// The feed-error formula around the psi:
// "((fn2 * fn1) / (fd1 * fd2)) - ((Pn * q) / (sin(" psi ") * p * Kf))".
struct FeedErrorFormula {
  std::string first;
  std::string last;
};
FeedErrorFormula MakeFeedErrorFormula(const SolveResult& result, const ExactRatio& c,
                                      std::string_view feedConstText);

// The feed error with its sign: feed train ratio - (pi / Pn) x q /
// (sin(helix) x p x F), F the feed constant (1 / Kf above 3), in Decimal100.
// A text that is no number makes it NaN.
Decimal100 SheetFeedError(const SolveResult& result, const ExactRatio& c,
                          std::string_view feedConstText, std::string_view helixText,
                          std::string_view pitchText);

}  // namespace corvanta

#endif
