// The layout of the main window as data: every control with its name, caption, place and font,
// and the six lines of the diagram. One builder (form1.cpp) walks these tables; the tests read
// them too.
#pragma once

#include <array>
#include <span>

namespace velmora::ui {

// Positions and sizes are in twips, 1/1440 inch, as the layout was drawn; 15 twips make one
// logical pixel at 96 dots per inch, and Qt's high-DPI scaling takes it from there.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 14775;
inline constexpr int kClientHeightTwips = 9135;

constexpr int TwipsToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct Rgb {
  int red, green, blue;
};

inline constexpr Rgb kWindowBackground{192, 255, 192};  // light green
inline constexpr Rgb kButtonBackground{255, 255, 128};  // light yellow
inline constexpr Rgb kKnownTriangleColour{255, 0, 0};   // red
inline constexpr Rgb kLinesToPColour{0, 0, 0};          // window text

// A font as the layout names it. All of them are bold. The families are the old Windows faces;
// InstallFontSubstitutes (fonts.h) maps them to installed faces.
struct FontSpec {
  const char* family;
  double pointSize;
};

inline constexpr FontSpec kWindowFont{"MS Sans Serif", 8.25};
inline constexpr FontSpec kSansFont{"Microsoft Sans Serif", 8.25};  // every control not marked
inline constexpr FontSpec kSectionFont{"Microsoft Sans Serif", 9.75};
inline constexpr FontSpec kSongHeading{"宋体", 15.75};
inline constexpr FontSpec kSongSection{"宋体", 10.5};
inline constexpr FontSpec kPointLetterFont{"MS Sans Serif", 12};

enum class ControlKind { Label, Field, Button };

struct Control {
  const char* name;  // objectName; array elements are written Text7_0, Label9_0
  ControlKind kind;
  const char* caption;  // labels and buttons; fields start empty
  int left, top, width, height;
  FontSpec font;
  // For a field: the labels whose captions name it, in reading order (row caption, then column
  // caption). A screen reader speaks them as the field's name.
  std::array<const char*, 2> labelledBy{};
};

// Every label, field and button, in the order they are built (later controls lie on top).
std::span<const Control> Controls();

struct DiagramLine {
  const char* name;
  int x1, y1, x2, y2;  // twips
  Rgb colour;
};
inline constexpr int kDiagramLineWidth = 2;  // logical pixels

std::span<const DiagramLine> DiagramLines();

// Text fields and buttons in the order the Tab key walks them.
std::span<const char* const> TabOrder();

// The control with this name, or nullptr.
const Control* FindControl(const char* name);

}  // namespace velmora::ui
