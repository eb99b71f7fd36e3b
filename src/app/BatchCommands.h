#pragma once

#include "app/CommandLine.h"

// --generate, --export and --import: no window, no display needed. Returns the exit code.
int RunBatchCommand(const CommandLine& line);
