#include "model/OptionTables.h"
#include "sites/OptionCode.h"
#include "sites/Yahoo.h"

namespace {
constexpr char Host[] = "https://finance.yahoo.com";
constexpr std::array<const char*, 3> ViewSuffixes{"", "s", "m"};
}  // namespace

// The time code is read from the label: its first and third characters ("5 days" -> "5d").
ChartAddress YahooSite::chartAddress(const Model& model) const {
    const YahooSettings& s = model.yahoo;
    const YahooSettings defaults;
    const QString& period = YahooTables::TimePeriod().label(
        ValidSelection(s.TimePeriod, YahooTables::TimePeriod(), defaults.TimePeriod));
    QString rest = QStringLiteral("&d=");
    rest += period[0];
    rest += period[2];
    rest += OptionCode(ViewSuffixes, YahooTables::ViewType(), s.ViewType, defaults.ViewType);
    return ChartAddress{{QString(Host) + "/q?s=", rest}};
}
