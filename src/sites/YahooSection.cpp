#include "model/OptionTables.h"
#include "sites/Yahoo.h"

SettingFields YahooSite::fields(Model& model) const {
    return {
        {QStringLiteral("ViewType"), &model.yahoo.ViewType, &YahooTables::ViewType()},
        {QStringLiteral("TimePeriod"), &model.yahoo.TimePeriod, &YahooTables::TimePeriod()},
    };
}
