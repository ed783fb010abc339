// The old Windows faces the layout names, mapped to faces installed here.
#pragma once

#include <QFont>

#include "control_table.h"

namespace velmora::ui {

// The sans face that stands in for "MS Sans Serif" and "Microsoft Sans Serif", and the Song
// (Ming) face that stands in for 宋体 / SimSun. Both have real bold weights and Simplified
// Chinese glyph forms.
inline constexpr const char* kSansSubstitute = "Noto Sans CJK SC";
inline constexpr const char* kSongSubstitute = "Noto Serif CJK SC";

// Registers the substitutes with QFont. Call once before the first window is built.
void InstallFontSubstitutes();

// The bold font of a layout row, under the family name the layout gives.
QFont MakeFont(const FontSpec& style);

}  // namespace velmora::ui
