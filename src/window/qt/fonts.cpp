#include "window/qt/fonts.h"

#include <QString>

namespace quillmar {

QFont bold_font(double point_size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(point_size);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace quillmar
