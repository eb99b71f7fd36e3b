#include "support/DataRows.h"

#include <QFile>
#include <QTest>
#include <deque>

namespace {
QStringList dataLines(const QString& file) {
    QFile data(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/") + file);
    if (!data.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qFatal("%s cannot be read", qPrintable(file));
    }
    return QString::fromUtf8(data.readAll()).split(u'\n');
}
}  // namespace

QList<QStringList> DataRows(const QString& file) {
    QList<QStringList> rows;
    for (const QString& line : dataLines(file).mid(1)) {
        if (!line.isEmpty()) {
            rows << line.split(u'\t');
        }
    }
    return rows;
}

void AddDataRows(const QString& file) {
    const QStringList lines = dataLines(file);
    const QStringList columns = lines[0].split(u'\t');
    // The test table keeps the names it is given, not copies of them.
    static std::deque<QByteArray> names;
    for (const QString& column : columns.mid(1)) {
        names.push_back(column.toUtf8());
        QTest::addColumn<QString>(names.back().constData());
    }
    QTest::addColumn<int>("line");
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'\t');
        QVERIFY2(
            lines[i].isEmpty() || fields.size() == columns.size(),
            qPrintable(
                QStringLiteral("%1:%2 has %3 fields").arg(file).arg(i + 1).arg(fields.size())));
        if (!lines[i].isEmpty()) {
            QTestData& row = QTest::newRow(qPrintable(fields[0]));
            for (const QString& field : fields.mid(1)) {
                row << field;
            }
            row << i + 1;
        }
    }
}
