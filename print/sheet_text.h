// The sheet's 8-bit text: Windows-1252 bytes, and the builder that writes
// each line.
#ifndef CORVANTA_PRINT_SHEET_TEXT_H
#define CORVANTA_PRINT_SHEET_TEXT_H

#include <sstream>
#include <string>
#include <string_view>

#include "numeric/number_types.h"

namespace corvanta {

// The two non-ASCII characters the sheet prints, as Windows-1252 bytes.
inline constexpr char kDegreeSign = '\xB0';
inline constexpr char kMiddleDot = '\xB7';

// The Windows-1252 characters as Unicode: the renderers decode with this one
// table rather than trust the ANSI code page of the machine they run on.
// The five bytes that code page leaves undefined come out as U+FFFD.
std::u16string Windows1252ToUtf16(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);
// UTF-16 of the basic plane (all the sheet ever holds) as UTF-8.
std::string Utf8FromUtf16(std::u16string_view text);

// In the Symbol face the sheet writes "\" for the therefore sign and "y" for
// the Greek psi; this is what those bytes stand for in Unicode (the Symbol
// face's Greek letters and mathematical signs; other bytes map to
// themselves, so a renderer that has no Symbol font still shows something
// close).
std::u16string SymbolFaceToUnicode(std::string_view text);

// One line of the sheet being composed. Every non-integer number is written
// with an explicit count of decimals in fixed notation, so whatever format
// an earlier line left on the stream never shows. Take() hands the line out
// and leaves the builder empty, ready for the next line.
class SheetLineBuilder {
 public:
  SheetLineBuilder();

  SheetLineBuilder& Text(std::string_view text);
  SheetLineBuilder& Integer(const BigInt& value);
  SheetLineBuilder& Integer(long long value);
  SheetLineBuilder& Fixed(const Decimal100& value, int decimals);
  SheetLineBuilder& Fixed(const Binary100& value, int decimals);
  SheetLineBuilder& Fixed(double value, int decimals);

  std::string Take();

 private:
  void SetFixed(int decimals);
  std::ostringstream stream_;
};

}  // namespace corvanta

#endif
