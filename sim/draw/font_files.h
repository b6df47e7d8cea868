// Where the fonts the bench draws with are: asked of fontconfig, so that a
// bench unpacked or installed anywhere finds them wherever the system keeps
// them.
#pragma once

#include <filesystem>

namespace draw {

// The file of the family's face in the given style ("Bold", "Regular") as
// fontconfig knows it; `fallback` when fontconfig has no face of that very
// family (it would offer a look-alike of other metrics).
std::filesystem::path FontFile(const char* family, const char* style,
                               const std::filesystem::path& fallback);

// Liberation Sans Bold, the gauge's text; Liberation Sans, the charts' labels.
std::filesystem::path GaugeFontFile();
std::filesystem::path LabelFontFile();

}  // namespace draw
