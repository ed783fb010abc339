// The main window's controls. Captions keep their blanks exactly: they place the words inside
// the labels, and the two-line coordinate captions wrap at them.
#include "control_table.h"

#include <cstring>

namespace velmora::ui {

namespace {

using Names = std::array<const char*, 2>;

constexpr Control L(const char* name, const char* caption, int left, int top, int width, int height,
                    FontSpec font = kSansFont) {
  return {name, ControlKind::Label, caption, left, top, width, height, font, {}};
}

constexpr Control F(const char* name, int left, int top, int width, int height, Names labelledBy,
                    FontSpec font = kSansFont) {
  return {name, ControlKind::Field, "", left, top, width, height, font, labelledBy};
}

constexpr Control B(const char* name, const char* caption, int left, int top, int width,
                    int height) {
  return {name, ControlKind::Button, caption, left, top, width, height, kSansFont, {}};
}

// Height of every label of the diagram.
constexpr int kDiagramLabelHeight = 255;

constexpr Control D(const char* name, const char* caption, int left, int top, int width,
                    FontSpec font = kWindowFont) {
  return L(name, caption, left, top, width, kDiagramLabelHeight, font);
}

constexpr Control kControls[] = {
    L("Velmora", "Velmora", 6120, 720, 3975, 375, kSongHeading),

    // Known coordinates, echoed as confirmed.
    L("Label2", "（起始座标）", 1680, 2880, 1455, 255, kSectionFont),
    L("Label3", "   A点    纵座标Xa", 840, 3120, 855, 375),
    F("Text1", 1680, 3210, 1335, 285, {"Label3"}),
    L("Label4", "   A点   横座标Ya", 840, 3600, 855, 375),
    F("Text2", 1680, 3690, 1335, 285, {"Label4"}),
    L("Label5", "   B点   纵座标Xb", 840, 4080, 855, 375),
    F("Text3", 1680, 4170, 1335, 285, {"Label5"}),
    L("Label8", "   B点   横座标Yb", 840, 4560, 855, 375),
    F("Text4", 1680, 4650, 1335, 285, {"Label8"}),
    L("Label6", "   C点   纵座标Xc", 840, 5040, 855, 375),
    F("Text5", 1680, 5130, 1335, 285, {"Label6"}),
    L("Label7", "   C点   横座标Yc", 840, 5520, 855, 375),
    F("Text6", 1680, 5610, 1335, 285, {"Label7"}),

    // Observed angles b1 to b8, one row every 360 twips.
    L("Label10", "（观测角值）", 3600, 2880, 1455, 255, kSectionFont),
    L("Label9_0", "B（1）", 3120, 3240, 615, 255),
    F("Text7_0", 3720, 3240, 1215, 285, {"Label9_0"}),
    L("Label9_1", "B（2）", 3120, 3600, 615, 255),
    F("Text7_1", 3720, 3600, 1215, 285, {"Label9_1"}),
    L("Label9_2", "B（3）", 3120, 3960, 615, 255),
    F("Text7_2", 3720, 3960, 1215, 285, {"Label9_2"}),
    L("Label9_3", "B（4）", 3120, 4320, 615, 255),
    F("Text7_3", 3720, 4320, 1215, 285, {"Label9_3"}),
    L("Label9_4", "B（5）", 3120, 4680, 615, 255),
    F("Text7_4", 3720, 4680, 1215, 285, {"Label9_4"}),
    L("Label9_5", "B（6）", 3120, 5040, 615, 255),
    F("Text7_5", 3720, 5040, 1215, 285, {"Label9_5"}),
    L("Label9_6", "B（7）", 3120, 5400, 615, 255),
    F("Text7_6", 3720, 5400, 1215, 285, {"Label9_6"}),
    L("Label9_7", "B（8）", 3120, 5760, 615, 255),
    F("Text7_7", 3720, 5760, 1215, 285, {"Label9_7"}),

    // First-group closures: the triangles ABP and BCP.
    L("Label12", "（第一组条件方程式闭合差）", 6840, 1200, 3015, 255, kSongSection),
    L("Label13", "三角形闭合差", 6720, 1560, 1215, 255),
    L("Label16", " w1", 6360, 1800, 375, 255),
    F("Text8", 6720, 1800, 1095, 285, {"Label13", "Label16"}),
    L("Label14", "三角形闭合差", 8640, 1560, 1215, 255),
    L("Label17", " w2", 8280, 1800, 375, 255),
    F("Text9", 8640, 1800, 1095, 285, {"Label14", "Label17"}),

    // Second-group closures: fixed angles at A and B, triangle ABC, pole condition.
    L("Label19", "（第二组条件方程式闭合差）", 6840, 2160, 3015, 255, kSongSection),
    L("Label22", "固定角闭合差", 5400, 2520, 1215, 255),
    L("Label24", " w(1)", 4920, 2760, 495, 255),
    F("Text10", 5400, 2760, 1095, 285, {"Label22", "Label24"}),
    L("Label20", "固定角闭合差", 6960, 2520, 1215, 255),
    L("Label25", " w(2)", 6480, 2760, 495, 255),
    F("Text11", 6960, 2760, 1095, 285, {"Label20", "Label25"}),
    L("Label21", "三角形闭合差", 8520, 2520, 1215, 255),
    L("Label26", " w(3)", 8040, 2760, 495, 255),
    F("Text12", 8520, 2760, 1095, 285, {"Label21", "Label26"}),
    L("Label23", "极条件闭合差", 10080, 2520, 1215, 255),
    L("Label27", " w(4)", 9600, 2760, 495, 255),
    F("Text13", 10080, 2760, 1095, 285, {"Label23", "Label27"}),

    // Accuracy assessment.
    L("Label28", "（精度评定）", 7680, 4320, 1455, 255, kSectionFont),
    L("Label29", "单位权测角中误差", 7560, 4680, 1575, 255),
    L("Label30", " mb", 7440, 4920, 375, 255),
    F("Text15", 7800, 4890, 1095, 285, {"Label29", "Label30"}),
    L("Label31", " 单位权方位角权倒数 ", 6480, 5280, 1815, 255),
    L("Label33", "1/Pb", 6480, 5520, 495, 255),
    F("Text16", 6960, 5520, 1095, 285, {"Label31", "Label33"}),
    L("Label32", " 单位权边长权倒数 ", 8400, 5280, 1695, 255),
    L("Label34", "1/Ps", 8280, 5520, 495, 255),
    F("Text17", 8760, 5520, 1095, 285, {"Label32", "Label34"}),
    L("Label36", " 单位权点位中误差", 6600, 5880, 1695, 255),
    L("Label35", " md", 6480, 6120, 375, 255),
    F("Text18", 6840, 6120, 1215, 285, {"Label36", "Label35"}),
    L("Label58", "边长相对中误差", 8640, 5880, 1455, 255, kWindowFont),
    L("Label62", "1/m", 8400, 6120, 375, 255, kWindowFont),
    F("Text25", 8760, 6120, 1215, 285, {"Label58", "Label62"}, kWindowFont),

    // Results: the name of P and its coordinates from A, from B and from C.
    L("Label37", "（计 算 结 果）", 7560, 6480, 1815, 255, kSongSection),
    L("Label59", "点   名", 8040, 6720, 615, 255, kWindowFont),
    L("Label60", " P", 7680, 6960, 255, 255, kWindowFont),
    F("Text22", 7920, 6960, 855, 285, {"Label59", "Label60"}, kWindowFont),
    L("Label38", "纵座标 Xp", 7200, 7320, 975, 255),
    L("Label39", "横座标 Yp", 8640, 7320, 975, 255),
    L("Label15", "由A点推算待定点的座标", 4800, 7560, 2175, 255, kWindowFont),
    F("Text14", 6960, 7560, 1335, 285, {"Label15", "Label38"}, kWindowFont),
    F("Text21", 8400, 7560, 1335, 285, {"Label15", "Label39"}, kWindowFont),
    L("Label18", "由B点推算待定点的座标", 4800, 7920, 2175, 255, kWindowFont),
    F("Text23", 6960, 7920, 1335, 285, {"Label18", "Label38"}, kWindowFont),
    F("Text24", 8400, 7920, 1335, 285, {"Label18", "Label39"}, kWindowFont),
    L("Label57", "由C点推算待定点的座标", 4800, 8280, 2175, 255, kWindowFont),
    F("Text19", 6960, 8280, 1335, 285, {"Label57", "Label38"}),
    F("Text20", 8400, 8280, 1335, 285, {"Label57", "Label39"}),

    B("Command1", "计 算", 7320, 8760, 855, 375),
    B("Command2", "结 束", 8520, 8760, 855, 375),

    // The diagram: B at the top, A left, C right, P below AC.
    D("Label40", "B", 12480, 2880, 255, kPointLetterFont),
    D("Label11", "A", 10800, 4440, 255, kPointLetterFont),
    D("Label41", "C", 13920, 4440, 255, kPointLetterFont),
    D("Label42", "P", 12360, 6120, 255, kPointLetterFont),
    D("Label44", "[ Xb,Yb ]", 11640, 2880, 855),
    D("Label43", "[ Xa,Ya ]", 10200, 4680, 855),
    D("Label45", "[ Xc,Yc ]", 13920, 4680, 855),
    D("Label46", "[ Xp,Yp ]", 12600, 6120, 855),
    // Each angle label inside its angle: b1 at B, b2 and b3 at A, b4 and b5 at P, b6 and b7
    // at C, b8 back at B.
    D("Label47", "b1", 12240, 3600, 255),
    D("Label56", "b8", 12600, 3600, 255),
    D("Label48", "b2", 11400, 4440, 255),
    D("Label49", "b3", 11400, 4800, 255),
    D("Label50", "b4", 12240, 5640, 255),
    D("Label51", "b5", 12600, 5640, 255),
    D("Label52", "b6", 13320, 4800, 255),
    D("Label1", "b7", 13440, 4440, 255),
    D("Label53", "Sab", 11520, 3720, 375),
    D("Label54", "Sbc", 13200, 3720, 375),
    D("Label55", "Sac", 12720, 4440, 375),
    D("Label61", "注记:bi为观测角", 11760, 6480, 1815, kSongSection),
};

// The corners of the figure, in twips.
constexpr int kBx = 12480, kBy = 3240;
constexpr int kAx = 11040, kAy = 4680;
constexpr int kCx = 13920, kCy = 4680;
constexpr int kPx = 12480, kPy = 6120;

constexpr DiagramLine kLines[] = {
    {"Line1", kBx, kBy, kAx, kAy, kKnownTriangleColour},
    {"Line2", kBx, kBy, kCx, kCy, kKnownTriangleColour},
    {"Line3", kAx, kAy, kCx, kCy, kKnownTriangleColour},
    {"Line4", kAx, kAy, kPx, kPy, kLinesToPColour},
    {"Line5", kCx, kCy, kPx, kPy, kLinesToPColour},
    {"Line6", kBx, kBy, kPx, kPy, kLinesToPColour},
};

constexpr const char* kTabOrder[] = {
    "Text1",   "Text2",   "Text3",   "Text4",   "Text5",   "Text6",    "Text7_0",
    "Text7_1", "Text7_2", "Text7_3", "Text7_4", "Text7_5", "Text7_6",  "Text7_7",
    "Text8",   "Text9",   "Text10",  "Text11",  "Text12",  "Text13",   "Text15",
    "Text16",  "Text17",  "Text18",  "Text19",  "Text20",  "Command1", "Command2",
    "Text22",  "Text14",  "Text21",  "Text23",  "Text24",  "Text25",
};

}  // namespace

std::span<const Control> Controls() {
  return kControls;
}

std::span<const DiagramLine> DiagramLines() {
  return kLines;
}

std::span<const char* const> TabOrder() {
  return kTabOrder;
}

const Control* FindControl(const char* name) {
  for (const Control& control : kControls) {
    if (std::strcmp(control.name, name) == 0) return &control;
  }
  return nullptr;
}

}  // namespace velmora::ui
