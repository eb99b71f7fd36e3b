#include "ui/kit/ExchangePicker.h"

#include "model/Markets.h"

#include <QCompleter>
#include <QLineEdit>

QString MarketLabel(const QString& code) {
    const Market* market = MarketWithCode(code);
    return market ? code + QStringLiteral(" – ") + QString::fromUtf8(market->name) : code;
}

ExchangePicker::ExchangePicker(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typing never adds an entry: the text stays the field's value.
    setInsertPolicy(QComboBox::NoInsert);
    addItem(QString(), QString());
    for (const Market& market : Markets()) {
        const QString code = QString::fromLatin1(market.code);
        addItem(MarketLabel(code), code);
    }
    auto* completer = new QCompleter(model(), this);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completer);
}

void ExchangePicker::setCode(const QString& code) {
    const int entry = findData(code);
    setCurrentIndex(entry);
    // The text may differ from the current entry's after typing, which leaves the index alone.
    setEditText(entry >= 0 ? itemText(entry) : code);
}

QString ExchangePicker::code() const {
    const QString text = currentText();
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0) {
        return itemData(entry).toString();
    }
    const QString typed = text.trimmed();
    return MarketCodeNamed(typed).value_or(typed);
}
