#pragma once

#include "settings/Storage.h"

#include <QString>

// The store at `storeFile`, with the default page folder
// of the program as it runs. Needs the application object.
Storage ProgramStorage(const QString& storeFile);
