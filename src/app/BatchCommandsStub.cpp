#include "app/BatchCommands.h"

int RunBatchCommand(const CommandLine&) {
    return 1;
}
