#include "app/UnlessWindowOpen.h"

#include "store/StoreLock.h"

#include <cstdio>

int UnlessWindowOpen(const Storage& storage, const std::function<int()>& writeStore) {
    StoreLock lock(storage.storeFile());
    if (lock.tryHold() == StoreLock::State::HeldElsewhere) {
        std::fputs(qPrintable(QStringLiteral("Tickvane is open with %1; close it first, or import "
                                             "from its File menu.\n")
                                  .arg(storage.storeFile())),
                   stderr);
        return 1;
    }
    return writeStore();
}
