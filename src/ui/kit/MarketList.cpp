#include "ui/kit/MarketList.h"

#include "model/Markets.h"

#include <QComboBox>
#include <QCompleter>

namespace {
const QString NameSeparator = QStringLiteral(" – ");
}  // namespace

QString MarketLabel(const QString& code) {
    const Market* market = MarketWithCode(code);
    return market ? code + NameSeparator + QString::fromUtf8(market->name) : code;
}

void FillMarketList(QComboBox& list) {
    list.setEditable(true);
    list.setInsertPolicy(QComboBox::NoInsert);
    for (const Market& market : Markets()) {
        list.addItem(MarketLabel(QString::fromLatin1(market.code)));
    }
    list.completer()->setCompletionMode(QCompleter::PopupCompletion);
    list.completer()->setFilterMode(Qt::MatchContains);
    list.completer()->setCaseSensitivity(Qt::CaseInsensitive);
}

QString MarketCodeIn(const QComboBox& list) {
    return list.currentText().trimmed().section(u' ', 0, 0).toUpper();
}
