#include "platform/qt/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>
#include <cstdint>
#include <cstring>

namespace dlg::qtport {

QFont DialogFont(const char* face, int points) {
    QFont font;
    // DejaVu Sans is wide enough that every template text fits its place at the base units it
    // gives; the others are fallbacks for systems without it.
    QStringList families{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Sans Serif")};
    const bool shellFace = face == nullptr || std::strncmp(face, "MS Shell Dlg", 12) == 0 ||
                           std::strcmp(face, "MS Sans Serif") == 0 ||
                           std::strcmp(face, "Tahoma") == 0;
    if (!shellFace)
        families.prepend(QString::fromUtf8(face));
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points > 0 ? points : 8);
    return font;
}

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t quotient = magnitude / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -quotient : quotient);
}

DialogUnits DialogUnits::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

}  // namespace dlg::qtport
