#include "fonts.h"

#include <QStringList>

namespace velmora::ui {

void InstallFontSubstitutes() {
  // The first face that is installed wins; the later ones keep Latin text readable on a machine
  // without the CJK fonts.
  const QStringList sans{kSansSubstitute, "DejaVu Sans", "Sans Serif"};
  const QStringList song{kSongSubstitute, "DejaVu Serif", "Serif"};
  QFont::insertSubstitutions("MS Sans Serif", sans);
  QFont::insertSubstitutions("Microsoft Sans Serif", sans);
  QFont::insertSubstitutions(QStringLiteral("宋体"), song);
  QFont::insertSubstitutions("SimSun", song);
}

QFont MakeFont(const FontSpec& style) {
  QFont font(QString::fromUtf8(style.family));
  font.setPointSizeF(style.pointSize);
  font.setBold(true);
  return font;
}

}  // namespace velmora::ui
