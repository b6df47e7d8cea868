#include "sim/draw/font_files.h"

#include <fontconfig/fontconfig.h>

#include <cstring>

#include "sim/draw/font.h"

namespace draw {

std::filesystem::path FontFile(const char* family, const char* style,
                               const std::filesystem::path& fallback) {
  // A configuration of our own, released after the question: fontconfig's
  // default one lives until the process ends.
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (config == nullptr) return fallback;
  std::filesystem::path found = fallback;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(style));
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
    FcChar8* matched_family = nullptr;
    FcChar8* matched_style = nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &matched_family) == FcResultMatch &&
        FcPatternGetString(match, FC_STYLE, 0, &matched_style) == FcResultMatch &&
        FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        std::strcmp(reinterpret_cast<const char*>(matched_family), family) == 0 &&
        std::strcmp(reinterpret_cast<const char*>(matched_style), style) == 0) {
      found = reinterpret_cast<const char*>(file);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  FcConfigDestroy(config);
  return found;
}

// Asked once: the fonts do not move while the bench runs.
std::filesystem::path GaugeFontFile() {
  static const std::filesystem::path file = FontFile("Liberation Sans", "Bold", kGaugeFontPath);
  return file;
}

std::filesystem::path LabelFontFile() {
  static const std::filesystem::path file = FontFile("Liberation Sans", "Regular", kLabelFontPath);
  return file;
}

}  // namespace draw
