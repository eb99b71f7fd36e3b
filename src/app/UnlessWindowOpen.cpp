#include "app/UnlessWindowOpen.h"

#include "app/BatchSupport.h"
#include "settings/StoreLock.h"

#include <QCoreApplication>

int UnlessWindowOpen(const Storage& storage, const std::function<int()>& writeStore) {
    StoreLock lock(storage.storeFile());
    if (lock.tryHold() == StoreLock::State::HeldElsewhere) {
        //: %1 is the settings file.
        PrintLine(stderr, QCoreApplication::translate(
                              "UnlessWindowOpen",
                              "Tickvane is open with %1; close it first, or import from "
                              "its File menu.")
                              .arg(storage.storeFile()));
        return 1;
    }
    return writeStore();
}
