#include "listfiles/ListReader.h"

#include "files/TextDecoding.h"
#include "listfiles/CsvRecords.h"
#include "listfiles/LineEnds.h"
#include "listfiles/ListColumns.h"
#include "model/Markets.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace {
ListReading failure(qsizetype line, const QString& error) {
    ListReading reading;
    reading.errorLine = line;
    reading.error = error;
    return reading;
}

ListReading tooManyRows(qsizetype line) {
    //: why a list is not read, after the line it stops at
    return failure(
        line, QCoreApplication::translate("ListReader", "more than %n rows", nullptr, MaxListRows));
}

bool isControl(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c.unicode() == 0x7F;
}

qsizetype lineAt(QStringView text, qsizetype position) {
    qsizetype line = 1;
    for (qsizetype from = 0; (from = LineEnd(text, from)) <= position; ++line) {
    }
    return line;
}

// Binary data shows as control characters: the first one, with its line.
ListReading controlCharacter(const QString& text) {
    const auto found = std::find_if(text.begin(), text.end(), isControl);
    if (found == text.end()) {
        return {};
    }
    const QString code = QString::number(found->unicode(), 16).rightJustified(4, u'0').toUpper();
    return failure(lineAt(text, found - text.begin()),
                   //: follows the list's source, such as the file's name; %1 is a hexadecimal code
                   QCoreApplication::translate(
                       "ListReader", "holds the control character U+%1, so it is not a list")
                       .arg(code));
}

QStringView firstLineNotBlank(QStringView text) {
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype to = LineEnd(text, from);
        if (!text.sliced(from, to - from).trimmed().isEmpty()) {
            return text.sliced(from, to - from);
        }
        from = to;
    }
    return {};
}

// The delimiter under which the first line that is not blank reads as a header, 0 when
// there is none: the one that recognises the most names, the one giving more cells on a tie.
char headerDelimiter(const QString& text) {
    const QByteArray line = firstLineNotBlank(text).toUtf8();
    char best = 0;
    std::pair<int, qsizetype> bestScore{0, 0};
    for (char delimiter : {',', ';', '\t'}) {
        const CsvRecords header = ReadCsvRecords(line, delimiter, 1);
        if (header.error.isEmpty() && !header.records.empty()) {
            const QStringList& cells = header.records.front().fields;
            const std::pair<int, qsizetype> score{RecogniseHeader(cells).recognised(),
                                                  cells.size()};
            if (score.first > 0 && score > bestScore) {
                best = delimiter;
                bestScore = score;
            }
        }
    }
    return best;
}

bool emptyRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

ListReading readCsv(const QString& text, char delimiter) {
    const CsvRecords csv = ReadCsvRecords(text.toUtf8(), delimiter, MaxListRows + 1);
    if (!csv.error.isEmpty()) {
        return failure(csv.errorLine, csv.error);
    }
    if (qsizetype(csv.records.size()) > MaxListRows + 1) {
        return tooManyRows(csv.records.back().line);
    }
    const ListColumns columns = RecogniseHeader(csv.records.front().fields);
    if (!columns.fills(SymbolText)) {
        return failure(
            csv.records.front().line,
            //: Symbol, Ticker and Code are the headers a list may name its symbol column by
            QCoreApplication::translate(
                "ListReader", "the header names no symbol column (Symbol, Ticker or Code)"));
    }
    ListReading reading;
    reading.unreadColumns = columns.unread;
    for (auto record = csv.records.begin() + 1; record != csv.records.end(); ++record) {
        if (!emptyRecord(*record)) {
            reading.rows.push_back(RowOfRecord(columns, *record));
        }
    }
    return reading;
}

bool separatesSymbols(QChar c) {
    return c == u';' || c.isSpace();
}

// "NASDAQ:AAPL": a name of letters, digits and underscores, a colon, and the symbol.
qsizetype exchangeLength(const QString& entry) {
    const qsizetype colon = entry.indexOf(u':');
    const bool named = colon > 0 && colon + 1 < entry.size() &&
                       std::all_of(entry.begin(), entry.begin() + colon,
                                   [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
    return named ? colon + 1 : 0;
}

// "LSE:VOD": the symbol VOD at the exchange the name means; a name that means none ("TVC" of
// "TVC:DJI") is dropped all the same.
void takeExchange(StockRecord& stock) {
    const qsizetype length = exchangeLength(stock.Stock);
    if (length > 0) {
        stock.Exchange =
            MarketCodeNamed(QStringView(stock.Stock).first(length - 1)).value_or(QString());
        stock.Stock.remove(0, length);
    }
}

// False past the row limit.
bool addSymbol(ListReading& reading, qsizetype line, const QString& type, QStringView symbol) {
    reading.rows.emplace_back(ListRow{line, type, {}}).stock.Stock = symbol.toString();
    return qsizetype(reading.rows.size()) <= MaxListRows;
}

// Adds the symbols of one comma-separated part of a line; false past the row limit.
bool addSymbols(ListReading& reading, qsizetype line, const QString& type, QStringView part) {
    qsizetype from = 0;
    for (qsizetype i = 0; i <= part.size(); ++i) {
        if (i == part.size() || separatesSymbols(part[i])) {
            if (i > from && !addSymbol(reading, line, type, part.sliced(from, i - from))) {
                return false;
            }
            from = i + 1;
        }
    }
    return true;
}

// A line that is one CSV field in quotes, as a spreadsheet saves a single column: its text.
std::optional<QString> quotedField(QStringView line) {
    if (!line.startsWith(u'"')) {
        return std::nullopt;
    }
    const CsvRecords csv = ReadCsvRecords(line.toUtf8(), ',', 1);
    if (!csv.error.isEmpty() || csv.records.size() != 1 || csv.records.front().fields.size() != 1) {
        return std::nullopt;
    }
    return csv.records.front().fields.front();
}

// The entries of one line: a quoted line is one symbol, others are split into their parts.
// False past the row limit.
bool addEntries(ListReading& reading, qsizetype line, QString& type, bool& namesTypes,
                QStringView text) {
    if (const std::optional<QString> field = quotedField(text.trimmed())) {
        return field->trimmed().isEmpty() || addSymbol(reading, line, type, field->trimmed());
    }
    for (QStringView part : text.split(u',')) {
        part = part.trimmed();
        if (part.startsWith(u"###")) {
            namesTypes = true;
            type = part.sliced(3).trimmed().toString();
            if (!type.isEmpty()) {
                reading.rows.push_back({line, type, {}});
            }
        } else if (!addSymbols(reading, line, type, part)) {
            return false;
        }
    }
    return true;
}

// Plain lists and watchlists: entries separated by commas and line ends, symbols within an
// entry by blanks and semicolons; "###Name" entries name the type of the entries after them.
ListReading readEntries(const QString& text) {
    ListReading reading;
    QString type;
    bool namesTypes = false;
    for (qsizetype from = 0, line = 1; from < text.size(); ++line) {
        const qsizetype to = LineEnd(QStringView(text), from);
        if (!addEntries(reading, line, type, namesTypes,
                        QStringView(text).sliced(from, to - from))) {
            return tooManyRows(line);
        }
        from = to;
    }
    const bool allOnExchanges =
        std::all_of(reading.rows.begin(), reading.rows.end(), [](const ListRow& row) {
            return row.stock.Stock.isEmpty() || exchangeLength(row.stock.Stock) > 0;
        });
    if (namesTypes || allOnExchanges) {
        for (ListRow& row : reading.rows) {
            takeExchange(row.stock);
        }
    }
    return reading;
}
}  // namespace

ListReading ReadListText(const QString& text) {
    ListReading reading = controlCharacter(text);
    if (!reading.error.isEmpty()) {
        return reading;
    }
    const char delimiter = headerDelimiter(text);
    reading = delimiter ? readCsv(text, delimiter) : readEntries(text);
    if (reading.error.isEmpty() && reading.rows.empty()) {
        //: follows the list's source, such as the file's name
        return failure(0, QCoreApplication::translate("ListReader", "holds no stock symbols"));
    }
    return reading;
}

ListReading ReadList(QByteArrayView bytes) {
    return ReadListText(DecodeText(bytes));
}

QString WithUnreadColumns(const QString& summary, const ListReading& reading) {
    return (QStringList{summary} + reading.unreadColumns).join(QStringLiteral("; "));
}
