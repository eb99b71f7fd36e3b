#pragma once

#include <QtGlobal>

// The seed of a randomised test: TICKVANE_SEED when it is set, otherwise a fixed one, so that
// every run repeats unless asked to vary. The seed used is printed.
quint32 TestSeed();
