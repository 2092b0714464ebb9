// What every ControlAccess must do, as one typed test suite: the in-memory
// controls (natively and under Wine) and the Win32 controls of the real main
// window (under Wine) run the same cases, so the native tests and the
// command-line solver rest on the behaviour the window has.
//
// A harness gives the implementation over controls as the window's creation
// makes them (the teeth list "1" to "500" with nothing chosen), and does
// what only the operator does: choosing a list row and ticking a box.
//   bool Start();                   // false: no controls to test
//   ControlAccess& controls();
//   void Choose(ControlId list, int row);  // -1: nothing chosen
//   void Tick(ControlId box, bool ticked);
#ifndef CORVANTA_TESTS_SUPPORT_CONTROL_ACCESS_CONTRACT_H
#define CORVANTA_TESTS_SUPPORT_CONTROL_ACCESS_CONTRACT_H

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>

#include "resources/resource.h"
#include "window_model/control_access.h"

namespace corvanta::testing {

template <class Harness>
class ControlAccessContract : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(harness_.Start()); }
  ControlAccess& controls() { return harness_.controls(); }
  Harness harness_;
};

TYPED_TEST_SUITE_P(ControlAccessContract);

// A read gives at most size - 1 characters, as into a buffer of `size`; a
// written text ends at its first zero; 8-bit characters come back as
// written. On edit fields, display lines and gear-stock cells alike.
TYPED_TEST_P(ControlAccessContract, TextsAreReadAsIntoABufferOfTheirSize) {
  const struct {
    ControlId id;
    std::string written;
    std::size_t size;
    std::string read;
  } cases[] = {
      {IDC_FEED_RATE, ".025", 11, ".025"},  // the feed rate's read: its length counts
      {IDC_FEED_RATE, ".0250000000001", 11, ".025000000"},
      {IDC_FEED_RATE, "", 11, ""},
      {IDC_C_LINE, "C: 71/2", 8, "C: 71/2"},
      {IDC_C_LINE, "C: 71/2", 7, "C: 71/"},
      {IDC_C_LINE, "C: 71/2", 1, ""},
      {IDC_C_LINE, "C: 71/2", 0, ""},
      {IDC_C_LINE, std::string("C: 35\0 and more", 15), 100, "C: 35"},
      {IDC_LEAD_LINE, "\xB0 \xB1 \xB5 \xE9 \xFC \xD7", 100, "\xB0 \xB1 \xB5 \xE9 \xFC \xD7"},
      // A gear-stock cell, as a Solve reads the stock: "1" told from longer.
      {IDC_GEAR_STOCK_CELL_FIRST + 153, "1", 3, "1"},
      {IDC_GEAR_STOCK_CELL_FIRST + 153, "11", 3, "11"},
      {IDC_GEAR_STOCK_CELL_FIRST + 153, "1\xB5\xB5", 3, "1\xB5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.id << " \"" << c.written << "\" read with " << c.size);
    this->controls().SetText(c.id, c.written);
    EXPECT_EQ(this->controls().GetText(c.id, c.size), c.read);
  }
}

// The hob threads and the gear-stock cells are read as unsigned numbers:
// the leading digits, and nothing for a text that does not start with one.
TYPED_TEST_P(ControlAccessContract, UnsignedNumbersFromLeadingDigits) {
  const struct {
    std::string text;
    std::optional<unsigned> value;
  } cases[] = {
      {"24", 24u},          {"1", 1u},           {"0", 0u},          {"007", 7u},
      {"12x", 12u},         {"65536", 65536u},   {"", std::nullopt}, {"x", std::nullopt},
      {".5", std::nullopt}, {"-", std::nullopt},
  };
  for (const ControlId id : {IDC_HOB_THREADS, IDC_GEAR_STOCK_CELL_FIRST + 153}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message() << id << " \"" << c.text << "\"");
      this->controls().SetText(id, c.text);
      EXPECT_EQ(this->controls().GetUnsigned(id), c.value);
    }
  }
}

// The teeth list: no row until one is chosen, the chosen row and its text,
// "" for a row the list does not have; the whole-C box's tick.
TYPED_TEST_P(ControlAccessContract, ListSelectionsRowTextsAndTicks) {
  ControlAccess& controls = this->controls();
  EXPECT_EQ(controls.GetSelection(IDC_NUMBER_OF_TEETH), kNoSelection);
  const struct {
    int row;
    std::string text;
  } rows[] = {{0, "1"}, {39, "40"}, {499, "500"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    this->harness_.Choose(IDC_NUMBER_OF_TEETH, r.row);
    EXPECT_EQ(controls.GetSelection(IDC_NUMBER_OF_TEETH), r.row);
    EXPECT_EQ(controls.GetItemText(IDC_NUMBER_OF_TEETH, r.row), r.text);
  }
  EXPECT_EQ(controls.GetItemText(IDC_NUMBER_OF_TEETH, 500), "");
  EXPECT_EQ(controls.GetItemText(IDC_NUMBER_OF_TEETH, -1), "");
  this->harness_.Choose(IDC_NUMBER_OF_TEETH, -1);
  EXPECT_EQ(controls.GetSelection(IDC_NUMBER_OF_TEETH), kNoSelection);

  for (const bool ticked : {true, false}) {
    this->harness_.Tick(IDC_WHOLE_C_ONLY, ticked);
    EXPECT_EQ(controls.IsChecked(IDC_WHOLE_C_ONLY), ticked);
  }
}

// The result selector keeps its position inside the range last set.
TYPED_TEST_P(ControlAccessContract, SpinnerPositionsStayInTheirRange) {
  ControlAccess& controls = this->controls();
  const struct {
    int lower, upper, set, read;
  } cases[] = {
      {1, 5, 3, 3}, {1, 5, 5, 5}, {1, 5, 9, 5}, {1, 5, 0, 1}, {1, 200, 200, 200}, {1, 1, 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lower << " to " << c.upper << ", set " << c.set);
    controls.SetSpinnerRange(IDC_RESULT_SELECTOR, c.lower, c.upper);
    controls.SetSpinnerPosition(IDC_RESULT_SELECTOR, c.set);
    EXPECT_EQ(controls.GetSpinnerPosition(IDC_RESULT_SELECTOR), c.read);
  }
}

REGISTER_TYPED_TEST_SUITE_P(ControlAccessContract, TextsAreReadAsIntoABufferOfTheirSize,
                            UnsignedNumbersFromLeadingDigits, ListSelectionsRowTextsAndTicks,
                            SpinnerPositionsStayInTheirRange);

}  // namespace corvanta::testing

#endif
