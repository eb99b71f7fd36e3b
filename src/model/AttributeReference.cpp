#include "model/AttributeReference.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace {
bool IsAsciiAlphanumeric(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int DigitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    const int value = u >= u'0' && u <= u'9'   ? u - u'0'
                      : u >= u'a' && u <= u'f' ? u - u'a' + 10
                      : u >= u'A' && u <= u'F' ? u - u'A' + 10
                                               : base;
    return value < base ? value : -1;
}

// The names a browser reads without a closing ";" (when what follows is neither "=" nor a
// letter or digit), sorted.
constexpr std::array<std::u16string_view, 106> NamesWithoutSemicolon{
    u"AElig",  u"AMP",    u"Aacute", u"Acirc",  u"Agrave", u"Aring",  u"Atilde", u"Auml",
    u"COPY",   u"Ccedil", u"ETH",    u"Eacute", u"Ecirc",  u"Egrave", u"Euml",   u"GT",
    u"Iacute", u"Icirc",  u"Igrave", u"Iuml",   u"LT",     u"Ntilde", u"Oacute", u"Ocirc",
    u"Ograve", u"Oslash", u"Otilde", u"Ouml",   u"QUOT",   u"REG",    u"THORN",  u"Uacute",
    u"Ucirc",  u"Ugrave", u"Uuml",   u"Yacute", u"aacute", u"acirc",  u"acute",  u"aelig",
    u"agrave", u"amp",    u"aring",  u"atilde", u"auml",   u"brvbar", u"ccedil", u"cedil",
    u"cent",   u"copy",   u"curren", u"deg",    u"divide", u"eacute", u"ecirc",  u"egrave",
    u"eth",    u"euml",   u"frac12", u"frac14", u"frac34", u"gt",     u"iacute", u"icirc",
    u"iexcl",  u"igrave", u"iquest", u"iuml",   u"laquo",  u"lt",     u"macr",   u"micro",
    u"middot", u"nbsp",   u"not",    u"ntilde", u"oacute", u"ocirc",  u"ograve", u"ordf",
    u"ordm",   u"oslash", u"otilde", u"ouml",   u"para",   u"plusmn", u"pound",  u"quot",
    u"raquo",  u"reg",    u"sect",   u"shy",    u"sup1",   u"sup2",   u"sup3",   u"szlig",
    u"thorn",  u"times",  u"uacute", u"ucirc",  u"ugrave", u"uml",    u"uuml",   u"yacute",
    u"yen",    u"yuml"};

struct SpelledName {
    std::u16string_view name;
    const char16_t* text;
};
constexpr SpelledName SpelledNames[] = {{u"Tab", u"\t"}, {u"NewLine", u"\n"}, {u"colon", u":"},
                                        {u"plus", u"+"}, {u"period", u"."},   {u"fjlig", u"fj"}};

std::u16string_view View(QStringView text) {
    return {text.utf16(), size_t(text.size())};
}

// "&#" and the digits after it: the code point as browsers map it. 0, surrogates and what
// lies past U+10FFFF become U+FFFD; 0x80 to 0x9F, which browsers read as windows-1252, are
// kept, since neither those nor what they become can be part of a scheme.
AttributeReference NumericReference(QStringView text) {
    const bool hex = text.size() > 2 && (text[2] == u'x' || text[2] == u'X');
    const int base = hex ? 16 : 10;
    qsizetype end = hex ? 3 : 2;
    char32_t value = 0;
    for (; end < text.size() && DigitValue(text[end], base) >= 0; ++end) {
        value = std::min<char32_t>(value * base + char32_t(DigitValue(text[end], base)), 0x110000);
    }
    if (end == (hex ? 3 : 2)) {
        return {};
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        value = 0xFFFD;
    }
    const qsizetype length = end < text.size() && text[end] == u';' ? end + 1 : end;
    return {length, QString::fromUcs4(&value, 1)};
}

AttributeReference NamedReference(QStringView text) {
    const auto nameEnd = std::find_if_not(text.begin() + 1, text.end(), IsAsciiAlphanumeric);
    const QStringView name = text.sliced(1, nameEnd - text.begin() - 1);
    if (name.isEmpty()) {
        return {};
    }
    if (nameEnd != text.end() && *nameEnd == u';') {
        const auto spelled =
            std::find_if(std::begin(SpelledNames), std::end(SpelledNames),
                         [&](const SpelledName& s) { return s.name == View(name); });
        return {name.size() + 2, spelled != std::end(SpelledNames)
                                     ? QString::fromUtf16(spelled->text)
                                     : QString(QChar(0xFFFD))};
    }
    if ((nameEnd != text.end() && *nameEnd == u'=') ||
        !std::binary_search(NamesWithoutSemicolon.begin(), NamesWithoutSemicolon.end(),
                            View(name))) {
        return {};
    }
    return {name.size() + 1, QString(QChar(0xFFFD))};
}
}  // namespace

AttributeReference ReadAttributeReference(QStringView text) {
    return text.size() > 1 && text[1] == u'#' ? NumericReference(text) : NamedReference(text);
}
