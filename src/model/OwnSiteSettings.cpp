#include "model/OwnSiteSettings.h"

#include <QUrl>

const OptionTable& SymbolsFromTable() {
    static const OptionTable table{"Stock symbol", "BigCharts symbol", "StockMaster symbol",
                                   "StockPoint symbol", "Yahoo symbol"};
    return table;
}

QString OwnSiteProblem(const OwnSiteSettings& settings) {
    if (settings.Name.trimmed().isEmpty()) {
        return QStringLiteral("Please enter a name for the chart site.");
    }
    if (settings.Name.size() > OwnSiteNameLimit) {
        return QStringLiteral("The name of the chart site may be at most %1 characters long.")
            .arg(OwnSiteNameLimit);
    }
    if (settings.Template.count(SymbolPlaceholder) != 1) {
        return QStringLiteral("The address template must contain %1 exactly once.")
            .arg(SymbolPlaceholder);
    }
    const QUrl address(QString(settings.Template).replace(SymbolPlaceholder, QStringLiteral("X")),
                       QUrl::StrictMode);
    const QString scheme = address.scheme();
    if (!address.isValid() || (scheme != u"http" && scheme != u"https") ||
        address.host().isEmpty()) {
        return QStringLiteral(
            "The address template must be a complete http or https address, such as "
            "https://www.example.com/chart?s={symbol}");
    }
    return {};
}

bool OwnSiteInUse(const OwnSiteSettings& settings) {
    return settings.Enabled && OwnSiteProblem(settings).isEmpty();
}
