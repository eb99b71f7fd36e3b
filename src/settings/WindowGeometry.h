#pragma once

#include <QtGlobal>

// The main window's position and size in twips (1/1440 inch), as stored in "General".
struct TwipsGeometry {
    qint32 Top = 0;
    qint32 Left = 0;
    qint32 Height = 0;
    qint32 Width = 0;

    bool operator==(const TwipsGeometry&) const = default;
};

// Supplied by whoever shows the main window; the command line supplies a stored one.
class WindowGeometry {
  public:
    virtual ~WindowGeometry() = default;
    virtual TwipsGeometry current() const = 0;
    virtual void place(const TwipsGeometry& geometry) = 0;
    // Whether the stored values are placed even when the window is not to use them: where no
    // window shows them, they are what an export must carry.
    virtual bool keepsStoredGeometry() const { return false; }
    // Whether current() reports where the window is; some platforms (Wayland) never tell a
    // window its position, and a save then keeps the position stored before.
    virtual bool knowsPosition() const { return true; }
};
