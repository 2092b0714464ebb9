// The numeric fields' key filter and the enabling of their popup's Paste.
#include <gtest/gtest.h>

#include "app/field_rules.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

TEST(KeyFilterTest, RefusesSignsLettersAndControlKeysAndTabsAcrossTwoFields) {
  // Minus, plus, blank, letters, comma, Enter, Escape, Ctrl+C/V/X/Z, and a
  // character beyond 8 bits.
  const unsigned refused[] = {'-', '+', ' ', 'a', 'E', ',', 13, 27, 3, 22, 24, 26, 0x2212};
  for (unsigned code : refused)
    EXPECT_EQ(FilterKey(IDC_FEED_RATE, code, "", {0, 0}), KeyAction::kRefuse) << code;
  EXPECT_EQ(FilterKey(IDC_FEED_RATE, '7', "1.5", {3, 3}), KeyAction::kEdit);
  EXPECT_EQ(FilterKey(IDC_HELIX_ANGLE, 9, "", {}), KeyAction::kTabAcross);
  EXPECT_EQ(TabPartner(IDC_NORMAL_DIAMETRAL_PITCH), IDC_HELIX_ANGLE);
  EXPECT_EQ(FilterKey(IDC_FEED_CONST, 9, "", {}), KeyAction::kTabValidate);
  EXPECT_FALSE(TabPartner(IDC_FEED_CONST));
}

TEST(KeyFilterTest, PointAcceptedOnlyWhereItStaysTheOnlyOne) {
  const struct {
    const char* text;
    FieldSelection selection;
    KeyAction expected;
  } cases[] = {
      {"", {0, 0}, KeyAction::kEdit},       {"12", {2, 2}, KeyAction::kEdit},
      {"1.2", {3, 3}, KeyAction::kRefuse},  // "1.2.3": the second point
      {"1.5", {0, 3}, KeyAction::kEdit},    {"1.5", {1, 2}, KeyAction::kEdit},
      {"1.5", {0, 1}, KeyAction::kRefuse},  {"1.5", {2, 3}, KeyAction::kRefuse},
      {"10.25", {1, 4}, KeyAction::kEdit},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FilterKey(IDC_HELIX_ANGLE, '.', c.text, c.selection), c.expected)
        << "\"" << c.text << "\" " << c.selection.start << ".." << c.selection.end;
}

TEST(PopupRulesTest, PasteOfferedOnlyForAPlainNumberInRangeThatKeepsOnePoint) {
  const struct {
    std::optional<std::string_view> clipboard;
    const char* field;
    FieldSelection selection;
    bool expected;
  } cases[] = {
      {std::nullopt, "", {0, 0}, false}, {"", "", {0, 0}, false},
      {"12.5.1", "", {0, 0}, false},     {"abc", "", {0, 0}, false},
      {"0", "", {0, 0}, false},          {"1500", "", {0, 0}, false},
      {"1 000", "", {0, 0}, false},      {"0.5", "", {0, 0}, true},
      {"0.0000000001", "", {0, 0}, false}, {"0.000000001", "", {0, 0}, true},  // range ends
      {"1000", "", {0, 0}, true},        {"1000.0001", "", {0, 0}, false},
      {"-5", "", {0, 0}, false},         {"1e3", "", {0, 0}, false},
      {".", "", {0, 0}, false},          {".5", "", {0, 0}, true},
      {"5.", "", {0, 0}, true},          {"0.5", "2.0", {0, 0}, false},
      {"0.5", "2.0", {2, 3}, false},     {"0.5", "2.0", {0, 3}, true},
      {"5", "2.0", {3, 3}, true},        // no point brought in
      {"0.5", "2.0", {1, 99}, true},     // a selection past the end reaches the end
  };
  for (const auto& c : cases)
    EXPECT_EQ(PasteAllowed(c.clipboard, c.field, c.selection), c.expected)
        << "\"" << c.clipboard.value_or("<none>") << "\" over \"" << c.field << "\" "
        << c.selection.start << ".." << c.selection.end;
  EXPECT_FALSE(CopyAllowed({3, 3}));
  EXPECT_TRUE(CopyAllowed({0, 1}));
}

}  // namespace
}  // namespace corvanta
