// The numeric fields of the real window: the key filter, Tab, every other
// way their text can change, and when "&Solve" may be pressed.
#include "app/numeric_field.h"
#include "tests/app/window_fixture.h"
#include "window_model/solve_session.h"

namespace corvanta::testing {
namespace {

using FieldEditingTest = MainWindowFixture;

// Typed keys: the filter keeps one point and refuses everything else with
// the beep, Tab crosses between helix angle and pitch selecting all, and
// each key's release re-validates the job (the ends of the fields' ranges
// are the validation's own tests).
TEST_F(FieldEditingTest, TypedKeysAreFilteredTabbedAndValidated) {
  EnterJob("1.2.3", "12.5", 20);
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "1.23");
  EXPECT_EQ(Beeps(), std::vector<unsigned>{kRefusedKeyBeep});
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));

  Type(IDC_HELIX_ANGLE, "\t");
  EXPECT_EQ(GetFocus(), Item(IDC_NORMAL_DIAMETRAL_PITCH));
  Type(IDC_NORMAL_DIAMETRAL_PITCH, "7\t");  // typed over the whole "12.5"
  EXPECT_EQ(GetFocus(), Item(IDC_HELIX_ANGLE));
  Type(IDC_HELIX_ANGLE, "89.91");  // over the whole "1.23", past the range
  EXPECT_EQ(Text(IDC_NORMAL_DIAMETRAL_PITCH), "7");
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "89.91");
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));

  // A point typed over a selection that holds the old point replaces it.
  Retype(IDC_FEED_CONST, "1.5");
  Select(IDC_FEED_CONST, 0, -1);
  Type(IDC_FEED_CONST, ".");
  EXPECT_EQ(Text(IDC_FEED_CONST), ".");
  // Minus, plus, blank, a letter, comma, Enter, Escape, Ctrl+C/V/X/Z.
  Retype(IDC_FEED_RATE, "7");
  Type(IDC_FEED_RATE, std::string("-+ x,\r\x1b\x03\x16\x18\x1a"));
  EXPECT_EQ(Text(IDC_FEED_RATE), "7");
  EXPECT_EQ(Beeps().size(), 12u);
}

// A field's text changed while a result is on display, by a key that the
// edit control handles itself or by an edit message from another program.
class FieldChangeTest : public SmallStockFixture {
 protected:
  // A settings file may hold a feed constant that no key could type.
  AppSettings StartSettings() const override {
    AppSettings settings = SmallStockFixture::StartSettings();
    settings.feedConstant = "7x";
    return settings;
  }
};

TEST_F(FieldChangeTest, EveryChangeGoesThroughTheRulesAndDropsTheResult) {
  // Typed over the settings' text before any result: an Undo would bring
  // that text back.
  Retype(IDC_FEED_CONST, "0.075");
  const auto send = [this](int field, UINT message, WPARAM wParam, const wchar_t* text) {
    return [=] { SendMessageW(Item(field), message, wParam, reinterpret_cast<LPARAM>(text)); };
  };
  const auto press = [this](std::initializer_list<WORD> chord) {  // a copy: the list goes
    return [this, keys = std::vector<WORD>(chord)] { Press(IDC_HELIX_ANGLE, keys); };
  };
  const auto bypass = [this](UINT message, WPARAM wParam, const wchar_t* text) {
    return [=] {  // straight to the edit control, past the field's procedure
      HWND field = Item(IDC_HELIX_ANGLE);
      const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(field, GWLP_USERDATA));
      CallWindowProcW(previous, field, message, wParam, reinterpret_cast<LPARAM>(text));
    };
  };
  constexpr int kHelix = IDC_HELIX_ANGLE, kFeed = IDC_FEED_CONST;
  const struct {
    const char* name;
    int field;
    const char* clipboard;  // "": left as it is
    int selStart, selEnd;   // in the field's text ("20" in "Helix Angle:")
    std::function<void()> change;
    const char* text;                   // the field's text after the change
    bool accepted;                      // false: refused with the beep, the result stays
    const char* typedBefore = nullptr;  // typed into the field before the job
  } cases[] = {
      {"Delete", kHelix, "", 1, 1, press({VK_DELETE}), "2", true},
      {"Shift+Insert", kHelix, "35", 0, 2, press({VK_SHIFT, VK_INSERT}), "35", true},
      {"Shift+Insert refused", kHelix, "a-b.c", 0, 2, press({VK_SHIFT, VK_INSERT}), "20", false},
      {"Ctrl+Z", kHelix, "", 0, 2, press({VK_CONTROL, 'Z'}), "20", false},
      {"popup Paste", kHelix, "45", 0, 2, send(kHelix, WM_COMMAND, kPasteItem, nullptr), "45",
       true},
      {"WM_PASTE too large", kHelix, "1500", 2, 2, send(kHelix, WM_PASTE, 0, nullptr), "20", false},
      {"WM_PASTE a second point", kFeed, ".5", 5, 5, send(kFeed, WM_PASTE, 0, nullptr), "0.075",
       false},
      {"WM_CLEAR", kHelix, "", 0, 2, send(kHelix, WM_CLEAR, 0, nullptr), "", true},
      // Undoes the job's "20" typed over "30".
      {"WM_UNDO", kHelix, "", 0, 0, send(kHelix, WM_UNDO, 0, nullptr), "30", true, "30"},
      {"EM_UNDO refused", kFeed, "", 0, 0, send(kFeed, EM_UNDO, 0, nullptr), "0.075", false},
      {"WM_SETTEXT refused", kHelix, "", 0, 0, send(kHelix, WM_SETTEXT, 0, L"abc"), "20", false},
      {"EM_REPLACESEL", kHelix, "", 1, 2, send(kHelix, EM_REPLACESEL, TRUE, L"5.5"), "25.5", true},
      {"WM_IME_CHAR refused", kHelix, "", 2, 2, send(kHelix, WM_IME_CHAR, 'x', nullptr), "20",
       false},
      {"past the field's procedure", kHelix, "", 0, 2, bypass(EM_REPLACESEL, TRUE, L"12"), "12",
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.typedBefore) Retype(c.field, c.typedBefore);
    SolveSmallJob();
    const std::string result = Text(IDC_C_LINE);
    const std::size_t results = ProgramSolveSession().results.size();
    if (*c.clipboard) SetClipboard(c.clipboard);
    Select(c.field, c.selStart, c.selEnd);
    Beeps().clear();
    c.change();
    Pump();
    EXPECT_EQ(Text(c.field), c.text);
    EXPECT_EQ(Beeps(), c.accepted ? std::vector<unsigned>{} : std::vector{kRefusedKeyBeep});
    EXPECT_EQ(Text(IDC_C_LINE), c.accepted ? "" : result);
    EXPECT_EQ(ProgramSolveSession().results.size(), c.accepted ? 0 : results);
    EXPECT_EQ(Visible(IDC_RESULT_SELECTOR), !c.accepted);
    EXPECT_EQ(MenuEnabled(IDM_PRINT), !c.accepted);
    if (!c.accepted) continue;
    // "&Solve" and the geometry lines are as typing the same text leaves them.
    const bool solve = Enabled(IDC_SOLVE_BUTTON);
    const std::string geometry = Text(IDC_PITCH_DIAMETER_LINE) + Text(IDC_OUTSIDE_DIAMETER_LINE);
    Retype(c.field, c.text);
    EXPECT_EQ(Enabled(IDC_SOLVE_BUTTON), solve);
    EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE) + Text(IDC_OUTSIDE_DIAMETER_LINE), geometry);
  }
}

}  // namespace
}  // namespace corvanta::testing
