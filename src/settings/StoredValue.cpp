#include "settings/StoredValue.h"

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace {
// A whole number of up to nine digits, as this program stores its numbers, read without the
// general conversion, which costs many times more and is met hundreds of times in a load.
std::optional<double> plainWholeNumber(QStringView text) {
    const bool negative = text.startsWith(u'-');
    const QStringView digits = text.sliced(negative ? 1 : 0);
    if (digits.isEmpty() || digits.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (digit.unicode() - u'0');
    }
    return negative ? -value : value;
}

template <typename T>
std::optional<T> parseNumber(const QString& text) {
    bool ok = true;
    const std::optional<double> whole = plainWholeNumber(text);
    const double value = whole ? *whole : text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::round(value);
    // -lowest is one past the highest value and, unlike the highest, exact as a double.
    const double lowest = double(std::numeric_limits<T>::min());
    if (rounded < lowest || rounded >= -lowest) {
        return std::nullopt;
    }
    return static_cast<T>(rounded);
}

std::optional<bool> parseBoolean(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (word.compare(u"False", Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const double number = word.toDouble(&ok);
    if (!ok || std::isnan(number)) {
        return std::nullopt;
    }
    return number != 0;
}

template <typename T>
bool assign(T* target, std::optional<T> value) {
    if (!value) {
        return false;
    }
    *target = *value;
    return true;
}

struct Reader {
    const QString& text;
    const SettingField& field;

    bool operator()(qint16* target) const {
        const auto index = parseNumber<qint16>(text);
        const auto* table = field.table;
        const bool outside =
            table && index && (*index < field.first || *index - field.first > table->MaxIndex());
        return assign(target, outside ? std::nullopt : index);
    }
    bool operator()(qint32* target) const { return assign(target, parseNumber<qint32>(text)); }
    bool operator()(bool* target) const { return assign(target, parseBoolean(text)); }
    bool operator()(QString* target) const {
        if (field.problem && !field.problem(text).isEmpty()) {
            return false;
        }
        *target = text;
        return true;
    }
    bool operator()(SymbolForms* target) const {
        QString problem;
        return assign(target, ParseSymbolFormsText(text, problem));
    }
};

struct Writer {
    QString operator()(const qint16* value) const { return QString::number(*value); }
    QString operator()(const qint32* value) const { return QString::number(*value); }
    QString operator()(const bool* value) const {
        return *value ? QStringLiteral("True") : QStringLiteral("False");
    }
    QString operator()(const QString* value) const { return *value; }
    QString operator()(const SymbolForms* value) const { return SymbolFormsText(*value); }
};
}  // namespace

QString StoredText(const SettingField& field) {
    return std::visit(Writer{}, field.target);
}

bool IsStored(const SettingField& field) {
    if (!field.storedWhenSet) {
        return true;
    }
    if (const auto* forms = std::get_if<SymbolForms*>(&field.target); forms && field.usual) {
        return **forms != *field.usual;
    }
    return std::visit([](auto* value) { return *value != std::decay_t<decltype(*value)>{}; },
                      field.target);
}

bool ReadStoredText(const SettingField& field, const QString& text) {
    return std::visit(Reader{text, field}, field.target);
}
