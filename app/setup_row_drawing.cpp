#include "app/setup_row_drawing.h"

#include "window_model/setup_row_texts.h"

namespace corvanta {
namespace {

// The row under the pointer in the dropped-down list is highlighted, so the
// operator sees which set-up a click will choose. The closed box shows the
// chosen row plainly: the window takes the focus away once a row is chosen.
bool Highlighted(const DRAWITEMSTRUCT& item) {
  return (item.itemState & ODS_SELECTED) != 0 && (item.itemState & ODS_COMBOBOXEDIT) == 0;
}

void PaintBackground(const DRAWITEMSTRUCT& item) {
  const bool highlighted = Highlighted(item);
  const int text = highlighted                       ? COLOR_HIGHLIGHTTEXT
                   : (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                                                     : COLOR_WINDOWTEXT;
  const int background = highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW;
  SetTextColor(item.hDC, GetSysColor(text));
  SetBkColor(item.hDC, GetSysColor(background));
  // Clears what the previously chosen row left in the closed box.
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(background));
}

}  // namespace

void DrawSetupRow(const DRAWITEMSTRUCT& item) {
  TEXTMETRICW metrics = {};
  GetTextMetricsW(item.hDC, &metrics);
  const int y = (item.rcItem.top + item.rcItem.bottom - metrics.tmHeight) / 2;
  PaintBackground(item);
  for (const RowText& text : SetupRowTexts(static_cast<int>(item.itemID)))
    ExtTextOutW(item.hDC, text.x, y, ETO_OPAQUE, nullptr, text.text.c_str(),
                static_cast<UINT>(text.text.size()), nullptr);
}

}  // namespace corvanta
