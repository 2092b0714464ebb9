#include "print/sheet_text.h"

#include <algorithm>
#include <cmath>
#include <locale>

namespace corvanta {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

char16_t DecodeByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::u16string Windows1252ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out += DecodeByte(c);
  return out;
}

std::string Windows1252ToUtf8(std::string_view text) {
  return Utf8FromUtf16(Windows1252ToUtf16(text));
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) AppendUtf8(out, c);
  return out;
}

std::u16string SymbolFaceToUnicode(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\': out += u'\u2234'; break;  // therefore
      case 'y': out += u'\u03C8'; break;   // psi
      default: out += DecodeByte(c); break;
    }
  }
  return out;
}

SheetLineBuilder::SheetLineBuilder() {
  // Never the user's locale: no digit grouping, always a point.
  stream_.imbue(std::locale::classic());
}

SheetLineBuilder& SheetLineBuilder::Text(std::string_view text) {
  stream_ << text;
  return *this;
}

SheetLineBuilder& SheetLineBuilder::Integer(const BigInt& value) {
  stream_ << value.str();
  return *this;
}

SheetLineBuilder& SheetLineBuilder::Integer(long long value) {
  stream_ << value;
  return *this;
}

void SheetLineBuilder::SetFixed(int decimals) {
  stream_.setf(std::ios::fixed, std::ios::floatfield);
  // The multiprecision output throws on a negative precision.
  stream_.precision(std::max(decimals, 0));
}

SheetLineBuilder& SheetLineBuilder::Fixed(const Decimal100& value, int decimals) {
  SetFixed(decimals);
  stream_ << value;
  return *this;
}

SheetLineBuilder& SheetLineBuilder::Fixed(const Binary100& value, int decimals) {
  SetFixed(decimals);
  stream_ << value;
  return *this;
}

SheetLineBuilder& SheetLineBuilder::Fixed(double value, int decimals) {
  SetFixed(decimals);
  // A NaN's sign means nothing; both C libraries must print the same text.
  stream_ << (std::isnan(value) ? std::fabs(value) : value);
  return *this;
}

std::string SheetLineBuilder::Take() {
  std::string line = stream_.str();
  stream_.str(std::string());
  stream_.clear();
  return line;
}

}  // namespace corvanta
