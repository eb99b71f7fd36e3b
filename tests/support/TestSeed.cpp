#include "support/TestSeed.h"

#include <QtDebug>

quint32 TestSeed() {
    bool set = false;
    const quint32 given = qEnvironmentVariable("TICKVANE_SEED").toUInt(&set);
    const quint32 seed = set ? given : 20261206u;
    qInfo("seed %u (TICKVANE_SEED chooses another)", seed);
    return seed;
}
