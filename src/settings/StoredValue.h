#pragma once

#include "model/SettingField.h"

#include <QString>

// How a setting is written as a store value: numbers in plain decimal, Booleans "True" or
// "False", texts unchanged, a table of symbol forms as SymbolFormsText.
QString StoredText(const SettingField& field);

// Whether the field is written: always, but for a field stored only when set that holds 0,
// an empty text or table, or its usual table.
bool IsStored(const SettingField& field);

// Puts `text` into the field. A value the field cannot hold (text where a number belongs, a
// number beyond the field's size, a selection outside its table, a Boolean that is neither
// "True"/"False" in any case nor a number, a text of the wrong form, a table of symbol forms
// that is refused) leaves the field as it was and returns false.
// Numbers may carry a fraction, which is rounded.
bool ReadStoredText(const SettingField& field, const QString& text);
