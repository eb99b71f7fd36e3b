#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

// A stock exchange the program knows by its ISO 10383 market identifier code, with the
// name the chart sites with exchange forms of their own give it: Yahoo's symbol suffix,
// TradingView's symbol prefix and Google Finance's exchange after a colon. A US exchange
// has none: those sites take its symbols bare.
struct Market {
    const char* code;               // "XLON"
    const char* name;               // "London Stock Exchange"
    const char* yahooSuffix;        // ".L", empty for the bare symbol
    const char* tradingViewPrefix;  // "LSE"
    const char* googleFinanceCode;  // "LON"
};

std::span<const Market> Markets();

// The known market of `code`, compared without regard to case, or null.
const Market* MarketWithCode(QStringView code);

// Whether `text` can be a stock's exchange: four ASCII letters or digits, the form of every
// market identifier code, known to the program or not.
bool IsMarketCode(QStringView text);

// The market identifier code a list file means by `name`: a code as it is (in upper case),
// or a TradingView or Google Finance exchange name of a known market (TradingView's first,
// so "TSE" is Tokyo); nothing for any other text.
std::optional<QString> MarketCodeNamed(QStringView name);
