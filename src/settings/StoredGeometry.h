#pragma once

#include "settings/WindowGeometry.h"

// The main window's designed placement in twips: one inch from the screen's corner, and an
// outer size that holds the designed client area of 7356 x 4956 with its frame and menu bar.
inline constexpr TwipsGeometry DesignedWindowGeometry{1440, 1440, 5700, 7596};

// The window geometry of a run without a window: the designed placement, with every value
// that is stored placed over it by loading the settings.
class StoredGeometry : public WindowGeometry {
  public:
    TwipsGeometry current() const override { return geometry_; }
    void place(const TwipsGeometry& geometry) override { geometry_ = geometry; }
    bool keepsStoredGeometry() const override { return true; }

  private:
    TwipsGeometry geometry_ = DesignedWindowGeometry;
};
