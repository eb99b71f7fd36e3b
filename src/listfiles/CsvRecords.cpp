#include "listfiles/CsvRecords.h"

#include "listfiles/LineEnds.h"

#include <csv.h>
#include <QCoreApplication>
#include <QStringDecoder>

namespace {
// libcsv reports fields and record ends; the reader feeds it one line at a time, so the line
// on which each record starts is known.
struct RecordCollector {
    // A field may start with U+FEFF, which QString::fromUtf8 would drop as a byte-order mark.
    QStringDecoder utf8{QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
    CsvRecords result;
    QStringList fields;
    qsizetype maxRecords = 0;
    qsizetype line = 0;        // the line being fed
    qsizetype recordLine = 0;  // where the current record started; 0 between records
};

void onField(void* data, size_t size, void* context) {
    auto& collector = *static_cast<RecordCollector*>(context);
    collector.fields << collector.utf8(
        QByteArrayView(static_cast<const char*>(data), qsizetype(size)));
}

void onRecordEnd(int, void* context) {
    auto& collector = *static_cast<RecordCollector*>(context);
    collector.result.records.push_back({collector.recordLine, std::move(collector.fields)});
    collector.fields.clear();
    collector.recordLine = 0;
}

// Blanks and line ends alone start no record.
bool blank(QByteArrayView line, char delimiter) {
    for (char c : line) {
        if (c != ' ' && c != '\r' && c != '\n' && (c != '\t' || delimiter == '\t')) {
            return false;
        }
    }
    return true;
}

void stop(CsvRecords& result, qsizetype line, const QString& error) {
    result.errorLine = line;
    result.error = error;
}

// Feeds every line; false once the parser has failed or one record more than allowed is read.
bool feedLines(csv_parser& parser, RecordCollector& collector, QByteArrayView text,
               char delimiter) {
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype to = LineEnd(text, from);
        const QByteArrayView line = text.sliced(from, to - from);
        ++collector.line;
        if (collector.recordLine == 0 && !blank(line, delimiter)) {
            collector.recordLine = collector.line;
        }
        if (csv_parse(&parser, line.data(), size_t(line.size()), onField, onRecordEnd,
                      &collector) != size_t(line.size())) {
            stop(collector.result, collector.line,
                 csv_error(&parser) == CSV_EPARSE
                     ? QCoreApplication::translate("CsvRecords", "a quote in the wrong place")
                     : QString::fromUtf8(csv_strerror(csv_error(&parser))));
            return false;
        }
        if (qsizetype(collector.result.records.size()) > collector.maxRecords) {
            return false;
        }
        from = to;
    }
    return true;
}
}  // namespace

CsvRecords ReadCsvRecords(QByteArrayView text, char delimiter, qsizetype maxRecords) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    RecordCollector collector;
    collector.maxRecords = maxRecords;
    if (feedLines(parser, collector, text, delimiter)) {
        const qsizetype open = collector.recordLine;
        if (csv_fini(&parser, onField, onRecordEnd, &collector) != 0) {
            stop(collector.result, open,
                 QCoreApplication::translate("CsvRecords", "a quote that is never closed"));
        }
    }
    csv_free(&parser);
    return std::move(collector.result);
}

QByteArray CsvField(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const bool plain = !utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') &&
                       !utf8.contains('\r') && !text.startsWith(u' ') && !text.endsWith(u' ') &&
                       !text.startsWith(u'\t') && !text.endsWith(u'\t');
    if (plain) {
        return utf8;
    }
    QByteArray quoted(utf8.size() * 2 + 2, Qt::Uninitialized);
    quoted.resize(qsizetype(
        csv_write(quoted.data(), size_t(quoted.size()), utf8.constData(), size_t(utf8.size()))));
    return quoted;
}
