#include "platform/qt/user_locale.h"

#include <QLocale>

namespace quillmar {

decimal_separator user_decimal_separator() {
    return separator_for(QLocale::system().decimalPoint().toStdString());
}

} // namespace quillmar
