#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <span>
#include <vector>

// One row of a chart site's table "exchange -> symbol form": on that site, the symbol of a
// stock of the exchange is the form with the stock's symbol put in ("{symbol}.L" makes
// "VOD.L" of VOD). A form has the address template's placeholders and filters.
struct SymbolForm {
    QString exchange;  // a market identifier code, in upper case
    QString form;

    bool operator==(const SymbolForm&) const = default;
};

using SymbolForms = std::vector<SymbolForm>;

// The table as the one text it is stored as: "XLON={symbol}.L;XETR={symbol}.DE".
QString SymbolFormsText(const SymbolForms& forms);

// The table `text` stands for, or nothing with why it is refused in `problem`.
std::optional<SymbolForms> ParseSymbolFormsText(const QString& text, QString& problem);

// Why `exchange` cannot stand for a stock's exchange, without a closing full stop, or empty.
QString ExchangeProblem(QStringView exchange);

// Why `form` cannot be a symbol form, or empty.
QString SymbolFormProblem(const QString& form);

// The form `forms` has for `exchange`, or null.
const SymbolForm* FormFor(const SymbolForms& forms, QStringView exchange);

// Tables of today's forms of the sites users use with international lists, each with a row
// for every market the program knows; a US exchange has the bare symbol.
struct SymbolFormsPreset {
    const char* name;  // the site's name: "Yahoo", "TradingView", "Google Finance"
    SymbolForms forms;
};

std::span<const SymbolFormsPreset> SymbolFormsPresets();

// The preset named `name`, or null.
const SymbolFormsPreset* SymbolFormsPresetNamed(QAnyStringView name);
