#pragma once

#include <QTranslator>

// Stands in for a translation into a wordier language: each of the program's texts comes back
// about 40% longer, every vowel doubled, with its "&" access key markers and its %1 and %n
// placeholders as they were. Qt's own texts stay as they are.
class PseudoTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override {
        QString text;
        if (context && context[0] != 'Q') {
            for (const QChar c : QString::fromUtf8(source)) {
                text += QStringLiteral("aeiouAEIOU").contains(c) ? QString(2, c) : QString(c);
            }
        }
        return text;
    }
};
