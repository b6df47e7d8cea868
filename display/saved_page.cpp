// Page 4: the grid of 15 saved airports under the current facility's ident.
#include "display/element_tree.h"
#include "display/string_callback.h"

namespace {

FLOAT64 ShowSavedSlot(ELEMENT_STRING* element, int slot) {
  if (gaugeState.currentPage != kPageSaved) return HideText(element);
  UseColor(element, gaugeState.savedSelection == slot ? kCyan : kWhite);
  const char* const ident = gaugeState.savedIdents[slot];
  return ShowText(element, "%s", ident[0] != '\0' ? ident : "____");
}

}  // namespace

#define SKELBOR_SAVED_SLOT(i) \
  FLOAT64 FSAPI ShowSavedSlot##i(ELEMENT_STRING* element) { return ShowSavedSlot(element, i); }
SKELBOR_SAVED_SLOT(0)
SKELBOR_SAVED_SLOT(1)
SKELBOR_SAVED_SLOT(2)
SKELBOR_SAVED_SLOT(3)
SKELBOR_SAVED_SLOT(4)
SKELBOR_SAVED_SLOT(5)
SKELBOR_SAVED_SLOT(6)
SKELBOR_SAVED_SLOT(7)
SKELBOR_SAVED_SLOT(8)
SKELBOR_SAVED_SLOT(9)
SKELBOR_SAVED_SLOT(10)
SKELBOR_SAVED_SLOT(11)
SKELBOR_SAVED_SLOT(12)
SKELBOR_SAVED_SLOT(13)
SKELBOR_SAVED_SLOT(14)
#undef SKELBOR_SAVED_SLOT

FLOAT64 FSAPI ShowSavedHeader(ELEMENT_STRING* element) {
  if (gaugeState.currentPage != kPageSaved) return HideText(element);
  return ShowText(element, "%s", gaugeState.facilityIdent);
}
