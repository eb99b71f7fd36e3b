#include "listfiles/FormulaCells.h"

namespace {
bool startsLikeAFormula(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == u'\'') {
        ++first;
    }
    return first < text.size() && QStringView(u"=+-@\t\r").contains(text[first]);
}
}  // namespace

QString FormulaSafeCell(const QString& text) {
    return startsLikeAFormula(text) ? u'\'' + text : text;
}

QString TextOfFormulaSafeCell(const QString& cell) {
    return cell.startsWith(u'\'') && startsLikeAFormula(cell) ? cell.sliced(1) : cell;
}
