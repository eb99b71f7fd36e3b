#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Up to `maxLength` characters drawn from `pool`: characters, not UTF-16 units, so that no
// surrogate pair is split.
inline QString RandomText(QRandomGenerator& random, const QStringList& pool, int maxLength) {
    QString text;
    for (int length = random.bounded(maxLength + 1); length > 0; --length) {
        text += pool[random.bounded(pool.size())];
    }
    return text;
}
