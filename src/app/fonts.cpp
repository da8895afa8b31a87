#include "fonts.h"

#include <QStringList>

namespace chromadeck::app {

void registerFontSubstitutions() {
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                           QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
}

QFont songFont(double points, bool bold) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace chromadeck::app
