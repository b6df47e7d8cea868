// Tooltip texts of the upper button row, which change with the page.
#pragma once

#include "cycle/gauge_state.h"

// Fills the three tooltip sets; done once at start-up.
void FillTooltipSets();

// Copies a whole set over the five upper-row texts.
void ActivateTooltipSet(const TooltipSet& set);

// On the Navaids page V and ^ name the list type they switch to.
void ShowNavaidTypeTooltips();

// The saved list's texts for <, >, V and ^; LAST keeps its own.
void ShowSavedListTooltips();
