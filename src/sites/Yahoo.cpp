#include "sites/ChartSite.h"
#include "sites/DialogGrid.h"
#include "sites/OptionCode.h"

namespace {
using namespace DialogGrid;

TICKVANE_OPTIONS(ViewType, {QT_TRANSLATE_NOOP("Yahoo", "Basic"), ""},
                 {QT_TRANSLATE_NOOP("Yahoo", "vs S&P 500"), "s"},
                 {QT_TRANSLATE_NOOP("Yahoo", "Moving Average"), "m"})
TICKVANE_OPTIONS(TimePeriod, {QT_TRANSLATE_NOOP("Yahoo", "1 day"), "1d"},
                 {QT_TRANSLATE_NOOP("Yahoo", "5 days"), "5d"},
                 {QT_TRANSLATE_NOOP("Yahoo", "3 months"), "3m"},
                 {QT_TRANSLATE_NOOP("Yahoo", "1 year"), "1y"},
                 {QT_TRANSLATE_NOOP("Yahoo", "2 years"), "2y"},
                 {QT_TRANSLATE_NOOP("Yahoo", "5 years"), "5y"})

class YahooSite : public BuiltInSite {
  public:
    SiteId id() const override { return SiteId::Yahoo; }
    SettingFields fields(Model& model) const override;
    ChartAddress chartAddress(const Model& model) const override;
    const SiteDialog& dialog() const override;
};

SettingFields YahooSite::fields(Model& model) const {
    return {
        {QStringLiteral("ViewType"), &model.yahoo.ViewType, &ViewType()},
        {QStringLiteral("TimePeriod"), &model.yahoo.TimePeriod, &TimePeriod()},
    };
}

constexpr char Host[] = "https://finance.yahoo.com";

ChartAddress YahooSite::chartAddress(const Model& model) const {
    const YahooSettings& s = model.yahoo;
    const YahooSettings defaults;
    QString rest = QStringLiteral("&d=");
    rest += OptionCode(TimePeriod(), s.TimePeriod, defaults.TimePeriod);
    rest += OptionCode(ViewType(), s.ViewType, defaults.ViewType);
    return ChartAddress{{QString(Host) + "/q?s=", rest}};
}

constexpr int ListWidth = 2100;

constexpr DialogFrame Frames[] = {
    {QT_TRANSLATE_NOOP("Yahoo", "&Time Period"), Frame(180, 120, ListWidth)},
    {QT_TRANSLATE_NOOP("Yahoo", "&View Type"), Frame(180, 120 + FramePitch, ListWidth)},
};

constexpr DialogControl Controls[] = {
    {"TimePeriod", ControlKind::List, "TimePeriod", 0, Field(ListWidth)},
    {"ViewType", ControlKind::List, "ViewType", 1, Field(ListWidth)},
};

const SiteDialog& YahooSite::dialog() const {
    static constexpr SiteDialog description{
        "Yahoo",
        QT_TRANSLATE_NOOP("Yahoo", "Yahoo Options"),
        2820,
        2292,
        CancelButton(2640, 1740),
        DoneButton(2640, 1740),
        QT_TRANSLATE_NOOP("Yahoo", "Cancel  changes"),  // with two blanks, as it has always read
        Frames,
        Controls,
    };
    return description;
}

}  // namespace

const BuiltInSite& BuiltInYahoo() {
    static const YahooSite site;
    return site;
}
