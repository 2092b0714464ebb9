// The numeric fields' key filter and the enabling of their Copy/Paste popup.
#include <gtest/gtest.h>

#include "app/field_rules.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

constexpr FieldSelection kCaretAtEnd(std::size_t length) { return {length, length}; }

TEST(KeyFilterTest, DigitsBackspaceAndSelectAllEditInEveryField) {
  for (ControlId field : {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_HELIX_ANGLE,
                          IDC_NORMAL_DIAMETRAL_PITCH, IDC_FEED_RATE}) {
    for (unsigned code : {unsigned{'0'}, unsigned{'5'}, unsigned{'9'}, 8u, 1u})
      EXPECT_EQ(FilterKey(field, code, "1.5", kCaretAtEnd(3)), KeyAction::kEdit)
          << "field " << field << " code " << code;
  }
}

TEST(KeyFilterTest, EverythingThatCannotBePartOfAnUnsignedNumberIsRefused) {
  // Minus, plus, blank, letters, comma, Enter, Escape, Ctrl+C/V/X/Z, and a
  // character beyond 8 bits.
  const unsigned refused[] = {'-', '+', ' ', 'a', 'E', 'e', ',', 13, 27, 3, 22, 24, 26, 0x2212};
  for (unsigned code : refused)
    EXPECT_EQ(FilterKey(IDC_FEED_CONST, code, "", kCaretAtEnd(0)), KeyAction::kRefuse)
        << "code " << code;
}

TEST(KeyFilterTest, PointAcceptedOnlyWhereItStaysTheOnlyOne) {
  struct Case {
    const char* text;
    FieldSelection selection;
    KeyAction expected;
  };
  const Case cases[] = {
      {"", {0, 0}, KeyAction::kEdit},       // first character
      {"12", {2, 2}, KeyAction::kEdit},     // "1.2" typed so far
      {"1.2", {3, 3}, KeyAction::kRefuse},  // "1.2.3": the second point
      {"1.5", {0, 3}, KeyAction::kEdit},    // replaces the whole text
      {"1.5", {1, 2}, KeyAction::kEdit},    // replaces exactly the point
      {"1.5", {0, 1}, KeyAction::kRefuse},  // selection misses the point
      {"1.5", {2, 3}, KeyAction::kRefuse},
      {"10.25", {1, 4}, KeyAction::kEdit},  // point inside the selection
  };
  for (const Case& c : cases)
    EXPECT_EQ(FilterKey(IDC_HELIX_ANGLE, '.', c.text, c.selection), c.expected)
        << "text \"" << c.text << "\" selection " << c.selection.start << ".." << c.selection.end;
}

TEST(KeyFilterTest, TabCrossesBetweenHelixAndPitchAndValidatesElsewhere) {
  EXPECT_EQ(FilterKey(IDC_HELIX_ANGLE, 9, "", {}), KeyAction::kTabAcross);
  EXPECT_EQ(FilterKey(IDC_NORMAL_DIAMETRAL_PITCH, 9, "", {}), KeyAction::kTabAcross);
  EXPECT_EQ(TabPartner(IDC_HELIX_ANGLE), IDC_NORMAL_DIAMETRAL_PITCH);
  EXPECT_EQ(TabPartner(IDC_NORMAL_DIAMETRAL_PITCH), IDC_HELIX_ANGLE);
  for (ControlId field : {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_FEED_RATE}) {
    EXPECT_EQ(FilterKey(field, 9, "", {}), KeyAction::kTabValidate) << field;
    EXPECT_FALSE(TabPartner(field)) << field;
  }
}

TEST(PopupRulesTest, CopyNeedsASelection) {
  EXPECT_FALSE(CopyAllowed({0, 0}));
  EXPECT_FALSE(CopyAllowed({3, 3}));
  EXPECT_TRUE(CopyAllowed({0, 1}));
}

TEST(PopupRulesTest, PasteOfferedOnlyForAPlainNumberInRange) {
  struct Case {
    std::optional<std::string_view> clipboard;
    bool expected;
  };
  const Case cases[] = {
      {std::nullopt, false},  // no text on the clipboard
      {"", false},            // empty text is 0
      {"12.5.1", false},      // two points
      {"abc", false},
      {"0", false},  // below 1e-9
      {"0.0000000001", false},
      {"0.000000001", true},  // both ends of the range are allowed
      {"1000", true},
      {"1000.0001", false},
      {"1500", false},
      {"1 000", false},  // a blank
      {"-5", false},
      {"1e3", false},
      {".", false},
      {"0.5", true},
      {".5", true},
      {"5.", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PasteAllowed(c.clipboard, "", {0, 0}), c.expected)
        << "clipboard \"" << c.clipboard.value_or("<none>") << "\"";
}

TEST(PopupRulesTest, PasteMayNotGiveTheFieldASecondPoint) {
  EXPECT_FALSE(PasteAllowed("0.5", "2.0", {0, 0}));  // caret before the text
  EXPECT_FALSE(PasteAllowed("0.5", "2.0", {3, 3}));  // caret after it
  EXPECT_FALSE(PasteAllowed("0.5", "2.0", {0, 1}));  // selection before the point
  EXPECT_FALSE(PasteAllowed("0.5", "2.0", {2, 3}));  // and after it
  EXPECT_TRUE(PasteAllowed("0.5", "2.0", {1, 2}));   // the point is replaced
  EXPECT_TRUE(PasteAllowed("0.5", "2.0", {0, 3}));
  EXPECT_TRUE(PasteAllowed("5", "2.0", {3, 3}));  // no point brought in
  // A selection reported past the text's end counts as reaching its end.
  EXPECT_TRUE(PasteAllowed("0.5", "2.0", {1, 99}));
}

}  // namespace
}  // namespace corvanta
