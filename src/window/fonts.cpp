#include "window/fonts.h"

#include "window/window_layout.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace quillmar {

void install_font_substitutes() {
    const QString substitute = QStringLiteral("Liberation Sans");
    for (std::string_view family : {layout::title_family, layout::control_family}) {
        const QString name = QString::fromUtf8(family);
        if (!QFont::substitutes(name).contains(substitute))
            QFont::insertSubstitution(name, substitute);
    }
}

} // namespace quillmar
