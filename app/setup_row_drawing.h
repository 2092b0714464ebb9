// Drawing of the HandCutChooser's rows, which have no text of their own.
#ifndef CORVANTA_APP_SETUP_ROW_DRAWING_H
#define CORVANTA_APP_SETUP_ROW_DRAWING_H

#include <windows.h>

namespace corvanta {

// Draws one row of the chooser (in its dropped-down list or in the closed
// box) as the seven short texts under the column heads.
void DrawSetupRow(const DRAWITEMSTRUCT& item);

}  // namespace corvanta

#endif
