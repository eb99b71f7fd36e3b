#pragma once

#include "store/RegistryScript.h"

#include <QString>

struct ImportedSections {
    QString refusal;  // why the script must not replace the store, when not empty
    StoreSections sections;
};

// The sections of `script` that belong to this program, under the program's own spelling of
// section and key names. Refuses a script that would leave a broken store behind: a value of
// another type under one of the program's keys, a stock list maximum that is unreadable or
// beyond the capacity, or a list whose maxima name records the script does not hold (a file
// cut short).
ImportedSections ProgramSections(const ScriptContent& script);
