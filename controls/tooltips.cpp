#include "controls/tooltips.h"

#include "module/bounded_text.h"

namespace {

enum TooltipEntry { kLast = 0, kPrevious = 1, kNext = 2, kDown = 3, kUp = 4 };

void FillSet(TooltipSet& set, const char* const (&texts)[kTooltipCount]) {
  for (int i = 0; i < kTooltipCount; ++i) CopyText(set[i], texts[i]);
}

}  // namespace

void FillTooltipSets() {
  FillSet(gaugeState.entryTooltips, {"Load Last Active Airport", "Previous Char Position",
                                     "Next Char Position", "Char Down", "Char Up"});
  FillSet(gaugeState.navaidTooltips, {"Load Last Active Airport", "Previous Navaid", "Next Navaid",
                                      "Previous Type", "Next Type"});
  FillSet(gaugeState.runwayTooltips, {"Load Last Active Airport", "Previous Runway", "Next Runway",
                                      "Previous Runway", "Next Runway"});
}

void ActivateTooltipSet(const TooltipSet& set) {
  for (int i = 0; i < kTooltipCount; ++i) CopyText(gaugeState.tooltipText[i], set[i]);
}

void ShowNavaidTypeTooltips() {
  static constexpr const char* kTypeNames[] = {"Type: VOR", "Type: NDB", "Type: Freq"};
  const int filter = gaugeState.navaidFilter;
  if (filter < 0 || filter > 2) return;
  CopyText(gaugeState.tooltipText[kDown], kTypeNames[(filter + 2) % 3]);
  CopyText(gaugeState.tooltipText[kUp], kTypeNames[(filter + 1) % 3]);
}

void ShowSavedListTooltips() {
  CopyText(gaugeState.tooltipText[kPrevious], "Previous Airport");
  CopyText(gaugeState.tooltipText[kNext], "Next Airport");
  CopyText(gaugeState.tooltipText[kDown], "Line Down");
  CopyText(gaugeState.tooltipText[kUp], "Line Up");
}
