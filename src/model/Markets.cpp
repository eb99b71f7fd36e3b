#include "model/Markets.h"

#include <algorithm>

namespace {
// The largest markets first within each region; several markets of one operator share
// TradingView's prefix, and a list's "EURONEXT" means the first of them.
constexpr Market Table[] = {
    {"XNYS", "New York Stock Exchange", "", "NYSE", "NYSE"},
    {"XNAS", "Nasdaq", "", "NASDAQ", "NASDAQ"},
    {"XASE", "NYSE American", "", "AMEX", "NYSEAMERICAN"},
    {"ARCX", "NYSE Arca", "", "ARCA", "NYSEARCA"},
    {"BATS", "Cboe BZX Exchange", "", "CBOE", "BATS"},
    {"OTCM", "OTC Markets", "", "OTC", "OTCMKTS"},
    {"XTSE", "Toronto Stock Exchange", ".TO", "TSX", "TSE"},
    {"XTSX", "TSX Venture Exchange", ".V", "TSXV", "CVE"},
    {"XMEX", "Bolsa Mexicana de Valores", ".MX", "BMV", "BMV"},
    {"BVMF", "B3 (S\xc3\xa3o Paulo)", ".SA", "BMFBOVESPA", "BVMF"},
    {"XBUE", "Bolsa de Comercio de Buenos Aires", ".BA", "BCBA", "BCBA"},
    {"XSGO", "Bolsa de Santiago", ".SN", "BCS", "SGO"},
    {"XLON", "London Stock Exchange", ".L", "LSE", "LON"},
    {"XETR", "Xetra", ".DE", "XETR", "ETR"},
    {"XFRA", "Frankfurt Stock Exchange", ".F", "FWB", "FRA"},
    {"XPAR", "Euronext Paris", ".PA", "EURONEXT", "EPA"},
    {"XAMS", "Euronext Amsterdam", ".AS", "EURONEXT", "AMS"},
    {"XBRU", "Euronext Brussels", ".BR", "EURONEXT", "EBR"},
    {"XLIS", "Euronext Lisbon", ".LS", "EURONEXT", "ELI"},
    {"XDUB", "Euronext Dublin", ".IR", "EURONEXT", "ISE"},
    {"XOSL", "Oslo B\xc3\xb8rs", ".OL", "OSL", "OSL"},
    {"XMIL", "Borsa Italiana", ".MI", "MIL", "BIT"},
    {"XMAD", "Bolsa de Madrid", ".MC", "BME", "BME"},
    {"XSWX", "SIX Swiss Exchange", ".SW", "SIX", "SWX"},
    {"XSTO", "Nasdaq Stockholm", ".ST", "OMXSTO", "STO"},
    {"XCSE", "Nasdaq Copenhagen", ".CO", "OMXCOP", "CPH"},
    {"XHEL", "Nasdaq Helsinki", ".HE", "OMXHEX", "HEL"},
    {"XICE", "Nasdaq Iceland", ".IC", "OMXICE", "ICE"},
    {"XWBO", "Wiener B\xc3\xb6rse", ".VI", "VIE", "VIE"},
    {"XWAR", "Warsaw Stock Exchange", ".WA", "GPW", "WSE"},
    {"XPRA", "Prague Stock Exchange", ".PR", "PSECZ", "PRA"},
    {"XATH", "Athens Stock Exchange", ".AT", "ATHEX", "ATH"},
    {"XIST", "Borsa Istanbul", ".IS", "BIST", "IST"},
    {"XTAE", "Tel Aviv Stock Exchange", ".TA", "TASE", "TLV"},
    {"XSAU", "Saudi Exchange", ".SR", "TADAWUL", "TADAWUL"},
    {"XJSE", "Johannesburg Stock Exchange", ".JO", "JSE", "JSE"},
    {"XTKS", "Tokyo Stock Exchange", ".T", "TSE", "TYO"},
    {"XHKG", "Hong Kong Exchanges", ".HK", "HKEX", "HKG"},
    {"XSHG", "Shanghai Stock Exchange", ".SS", "SSE", "SHA"},
    {"XSHE", "Shenzhen Stock Exchange", ".SZ", "SZSE", "SHE"},
    {"XKRX", "Korea Exchange", ".KS", "KRX", "KRX"},
    {"XKOS", "KOSDAQ", ".KQ", "KOSDAQ", "KOSDAQ"},
    {"XTAI", "Taiwan Stock Exchange", ".TW", "TWSE", "TPE"},
    {"XSES", "Singapore Exchange", ".SI", "SGX", "SGX"},
    {"XNSE", "National Stock Exchange of India", ".NS", "NSE", "NSE"},
    {"XBOM", "BSE (Bombay Stock Exchange)", ".BO", "BSE", "BOM"},
    {"XBKK", "Stock Exchange of Thailand", ".BK", "SET", "BKK"},
    {"XIDX", "Indonesia Stock Exchange", ".JK", "IDX", "IDX"},
    {"XKLS", "Bursa Malaysia", ".KL", "MYX", "KLSE"},
    {"XASX", "Australian Securities Exchange", ".AX", "ASX", "ASX"},
    {"XNZE", "NZX", ".NZ", "NZX", "NZE"},
};

bool isAsciiLetterOrDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9');
}

const Market* marketWhere(const char* Market::*name, QStringView text) {
    const auto found = std::find_if(std::begin(Table), std::end(Table), [&](const Market& m) {
        return text.compare(QLatin1StringView(m.*name), Qt::CaseInsensitive) == 0;
    });
    return found == std::end(Table) ? nullptr : found;
}
}  // namespace

std::span<const Market> Markets() {
    return Table;
}

const Market* MarketWithCode(QStringView code) {
    return marketWhere(&Market::code, code);
}

bool IsMarketCode(QStringView text) {
    return text.size() == 4 && std::all_of(text.begin(), text.end(), isAsciiLetterOrDigit);
}

std::optional<QString> MarketCodeNamed(QStringView name) {
    const QStringView text = name.trimmed();
    if (MarketWithCode(text)) {
        return text.toString().toUpper();
    }
    for (const auto field : {&Market::tradingViewPrefix, &Market::googleFinanceCode}) {
        if (const Market* market = marketWhere(field, text)) {
            return QString::fromLatin1(market->code);
        }
    }
    if (IsMarketCode(text)) {
        return text.toString().toUpper();
    }
    return std::nullopt;
}
