#include "model/SymbolForms.h"

#include "model/AddressTemplate.h"
#include "model/Markets.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
// Joins the rows of the stored text, so no form may hold it.
constexpr QChar RowSeparator = u';';

const QString Placeholder = QStringLiteral("{symbol}");

SymbolForms formsOf(QString (*form)(const Market&)) {
    SymbolForms forms;
    for (const Market& market : Markets()) {
        forms.push_back({QString::fromLatin1(market.code), form(market)});
    }
    return forms;
}

QString yahooForm(const Market& market) {
    return Placeholder + QLatin1StringView(market.yahooSuffix);
}

// A bare symbol where the site names no exchange: the US ones.
QString prefixForm(const Market& market) {
    const QLatin1StringView prefix(market.tradingViewPrefix);
    return market.yahooSuffix[0] ? prefix + u':' + Placeholder : Placeholder;
}

QString suffixForm(const Market& market) {
    const QLatin1StringView code(market.googleFinanceCode);
    return market.yahooSuffix[0] ? Placeholder + u':' + code : Placeholder;
}

std::optional<SymbolForm> parseRow(QStringView row, QString& problem) {
    const qsizetype equals = row.indexOf(u'=');
    if (equals < 0) {
        problem = QCoreApplication::translate(
                      "SymbolForms", "\"%1\" is not an exchange and a symbol form joined by \"=\".")
                      .arg(row);
        return std::nullopt;
    }
    SymbolForm form{row.first(equals).toString().toUpper(), row.sliced(equals + 1).toString()};
    problem = ExchangeProblem(form.exchange);
    if (problem.isEmpty()) {
        problem = SymbolFormProblem(form.form);
    } else {
        problem += u'.';
    }
    return problem.isEmpty() ? std::optional(form) : std::nullopt;
}
}  // namespace

QString SymbolFormsText(const SymbolForms& forms) {
    QString text;
    for (const SymbolForm& form : forms) {
        text +=
            (text.isEmpty() ? QString() : QString(RowSeparator)) + form.exchange + u'=' + form.form;
    }
    return text;
}

std::optional<SymbolForms> ParseSymbolFormsText(const QString& text, QString& problem) {
    SymbolForms forms;
    if (text.isEmpty()) {
        return forms;
    }
    for (const QStringView row : QStringView(text).split(RowSeparator)) {
        auto form = parseRow(row, problem);
        if (!form) {
            return std::nullopt;
        }
        if (FormFor(forms, form->exchange)) {
            //: %1 is a market identifier code such as XLON
            problem = QCoreApplication::translate("SymbolForms", "%1 has two symbol forms.")
                          .arg(form->exchange);
            return std::nullopt;
        }
        forms.push_back(std::move(*form));
    }
    return forms;
}

QString ExchangeProblem(QStringView exchange) {
    return IsMarketCode(exchange)
               ? QString()
               : QCoreApplication::translate(
                     "SymbolForms",
                     "\"%1\" is not a market identifier code of four letters or digits")
                     .arg(exchange);
}

QString SymbolFormProblem(const QString& form) {
    if (form.contains(RowSeparator)) {
        return QCoreApplication::translate(
                   "SymbolForms",
                   "The symbol form \"%1\" holds \";\", which no symbol form may hold.")
            .arg(form);
    }
    //: what is wrong is shown "in the symbol form"
    return ParseSymbolPattern(form, QCoreApplication::translate("SymbolForms", "symbol form"))
        .problem;
}

const SymbolForm* FormFor(const SymbolForms& forms, QStringView exchange) {
    const auto found = std::find_if(forms.begin(), forms.end(), [&](const SymbolForm& form) {
        return exchange.compare(form.exchange, Qt::CaseInsensitive) == 0;
    });
    return found == forms.end() ? nullptr : &*found;
}

std::span<const SymbolFormsPreset> SymbolFormsPresets() {
    static const SymbolFormsPreset presets[] = {
        {"Yahoo", formsOf(yahooForm)},
        {"TradingView", formsOf(prefixForm)},
        {"Google Finance", formsOf(suffixForm)},
    };
    return presets;
}

const SymbolFormsPreset* SymbolFormsPresetNamed(QAnyStringView name) {
    const auto presets = SymbolFormsPresets();
    const auto found = std::find_if(presets.begin(), presets.end(), [&](const auto& preset) {
        return QAnyStringView::compare(name, QLatin1StringView(preset.name)) == 0;
    });
    return found == presets.end() ? nullptr : &*found;
}
