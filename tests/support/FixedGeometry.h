#pragma once

#include "settings/WindowGeometry.h"

// A window geometry without a window: reports what it was given, records what was placed.
class FixedGeometry : public WindowGeometry {
  public:
    TwipsGeometry geometry{1440, 1440, 5700, 7500};
    int placements = 0;
    bool position = true;

    TwipsGeometry current() const override { return geometry; }
    bool knowsPosition() const override { return position; }
    void place(const TwipsGeometry& placed) override {
        geometry = placed;
        ++placements;
    }
};
