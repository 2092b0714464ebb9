// Where each text of a HandCutChooser row stands, so that the row lines
// up with the column heads above the chooser.
#ifndef CORVANTA_WINDOW_MODEL_SETUP_ROW_TEXTS_H
#define CORVANTA_WINDOW_MODEL_SETUP_ROW_TEXTS_H

#include <string>
#include <vector>

namespace corvanta {

struct RowText {
  int x;  // from the left edge of the row
  std::wstring text;
};

// The texts of chooser row `row` (0 to 7) with their x positions, in the
// order they are drawn; empty for any other row.
std::vector<RowText> SetupRowTexts(int row);

}  // namespace corvanta

#endif
