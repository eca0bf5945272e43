#pragma once

// Lets GoogleTest print Qt values in its failure messages.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << (&text == &texts.back() ? "" : ", ");
    }
    *out << '}';
}
