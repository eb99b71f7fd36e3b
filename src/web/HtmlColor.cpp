#include "web/HtmlColor.h"

QByteArray HtmlColor(qint32 rgb) {
    const auto value = static_cast<quint32>(rgb);
    const quint32 red = value & 0xFF;
    const quint32 green = (value >> 8) & 0xFF;
    const quint32 blue = (value >> 16) & 0xFF;
    return '#' +
           QByteArray::number(red << 16 | green << 8 | blue, 16).rightJustified(6, '0').toUpper();
}

QByteArray BodyColors(const GeneralSettings& general) {
    if (general.UseBrowserColors) {
        return {};
    }
    return " bgcolor=" + HtmlColor(general.BackColor) + " text=" + HtmlColor(general.TextColor);
}
