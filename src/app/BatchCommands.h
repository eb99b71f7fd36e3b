#pragma once

#include "app/CommandLine.h"

// --generate, --export, --import, --add-list and --export-list: no window, no display
// needed. Returns the exit code.
int RunBatchCommand(const CommandLine& line);
