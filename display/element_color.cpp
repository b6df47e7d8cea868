#include "display/string_callback.h"
#include "module/panel_services.h"

void UseColor(ELEMENT_STRING* element, COLORREF color) {
  Panels()->element_use_color(&element->header, 1, color);
}
