#pragma once

#include "app/CommandLine.h"

// Opens the main window on the store of `line` and runs until the user exits.
int RunWindow(int& argc, char** argv, const CommandLine& line);
