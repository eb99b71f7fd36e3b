#include "sites/ChartSite.h"
#include "sites/SiteDialog.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdlib>

namespace {
bool holdsWhatItShows(ControlKind kind, const SettingField& field) {
    const bool number = std::holds_alternative<qint16*>(field.target);
    switch (kind) {
        case ControlKind::List:
            return number && field.table;
        case ControlKind::Check:
            return std::holds_alternative<bool*>(field.target) || (number && !field.table);
        case ControlKind::Symbol:
            return std::holds_alternative<QString*>(field.target);
        case ControlKind::Days:
            return number && !field.table;
    }
    return false;
}
}  // namespace

const SiteDialog& SiteDialogOf(SiteId site) {
    return ChartSiteFor(site).dialog();
}

const SettingField* FindControlField(const DialogControl& control, const SettingFields& fields) {
    const auto found =
        std::find_if(fields.begin(), fields.end(), [&control](const SettingField& field) {
            return field.key == QLatin1StringView(control.key);
        });
    return found != fields.end() && holdsWhatItShows(control.kind, *found) ? &*found : nullptr;
}

const SettingField& ControlField(const SiteDialog& dialog, const DialogControl& control,
                                 const SettingFields& fields) {
    if (const SettingField* field = FindControlField(control, fields)) {
        return *field;
    }
    qFatal("The %s dialog's control %s finds no stored field of its kind under the key %s",
           dialog.name, control.name, control.key);
    std::abort();
}
