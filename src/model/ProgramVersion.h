#pragma once

#include <QString>

// The program's version as the user reads it ("1.0"): the project version it was built as.
QString ProgramVersion();
