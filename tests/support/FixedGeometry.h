#pragma once

#include "store/WindowGeometry.h"

// A window geometry without a window: reports what it was given, records what was placed.
class FixedGeometry : public WindowGeometry {
  public:
    TwipsGeometry geometry{1440, 1440, 5700, 7500};
    int placements = 0;

    TwipsGeometry current() const override { return geometry; }
    void place(const TwipsGeometry& placed) override {
        geometry = placed;
        ++placements;
    }
};
