#include "window/qt/fonts.h"

#include <QString>

namespace quillmar {

QFont bold_font([[maybe_unused]] std::string_view family, double point_size) {
#ifdef Q_OS_WIN
    QFont font(QString::fromUtf8(family));
#else
    QFont font(QStringLiteral("Liberation Sans"));
#endif
    font.setPointSizeF(point_size);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace quillmar
