#pragma once

// Shared by the store's INI writer and reader.
namespace IniSyntax {

// The value of a hexadecimal digit, or -1.
constexpr int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
}

}  // namespace IniSyntax
