#include "sites/DialogGrid.h"
#include "sites/Yahoo.h"

using namespace DialogGrid;

namespace {
constexpr int ListWidth = 2100;

constexpr DialogFrame Frames[] = {
    {"&Time Period", Frame(180, 120, ListWidth)},
    {"&View Type", Frame(180, 120 + FramePitch, ListWidth)},
};

constexpr DialogControl Controls[] = {
    {"TimePeriod", ControlKind::List, "TimePeriod", 0, Field(ListWidth)},
    {"ViewType", ControlKind::List, "ViewType", 1, Field(ListWidth)},
};
}  // namespace

const SiteDialog& YahooSite::dialog() const {
    static constexpr SiteDialog description{
        "Yahoo",
        "Yahoo Options",
        2820,
        2292,
        CancelButton(2640, 1740),
        DoneButton(2640, 1740),
        "Cancel  changes",  // with two blanks, as it has always read
        Frames,
        Controls,
    };
    return description;
}
