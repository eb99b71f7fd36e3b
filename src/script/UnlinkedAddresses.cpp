#include "script/UnlinkedAddresses.h"

#include "model/LinkableAddress.h"
#include "settings/StoreLayout.h"

#include <QCoreApplication>
#include <QStringList>

QString UnlinkedAddressWarning(const Model& model, const QString& source) {
    QStringList lines;
    const auto check = [&](const QString& key, const QString& address) {
        if (!IsLinkableAddress(address)) {
            //: %1 is a key of the settings, %2 the file it is in.
            lines << UnlinkedAddressSentence(
                QCoreApplication::translate("UnlinkedAddresses", "%1 in %2").arg(key, source));
        }
    };
    for (size_t n = 0; n < model.custom.size(); ++n) {
        check(CustomUrlKey(n), model.custom[n].CustomURL);
    }
    for (qint16 i = 0; i <= model.list.Maxstocks; ++i) {
        check(StockUrlKey(i), model.list.stocks[i].URL);
    }
    return lines.join(u'\n');
}
