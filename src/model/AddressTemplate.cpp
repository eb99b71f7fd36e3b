#include "model/AddressTemplate.h"

#include <QCoreApplication>
#include <QUrl>

namespace {
const QString SymbolName = QStringLiteral("symbol");

std::optional<SymbolFilter> FilterNamed(QStringView name) {
    if (name == u"lower") {
        return SymbolFilter::Lower;
    }
    if (name == u"upper") {
        return SymbolFilter::Upper;
    }
    if (name == u"dash") {
        return SymbolFilter::Dash;
    }
    return std::nullopt;
}

// The slot of the placeholder `text` ("{symbol|lower}"), or why it is refused.
std::optional<SymbolSlot> SlotOf(QStringView text, QStringView what, bool percentEncoded,
                                 QString& problem) {
    const QList<QStringView> parts = text.sliced(1, text.size() - 2).split(u'|');
    if (parts.front() != SymbolName) {
        //: %1 is the placeholder as written, %2 "address template" or "symbol form"
        problem =
            QCoreApplication::translate("AddressTemplate",
                                        "\"%1\" in the %2 is not a placeholder: use {symbol}, or "
                                        "{{ and }} for braces.")
                .arg(text, what);
        return std::nullopt;
    }
    SymbolSlot slot{{}, percentEncoded};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const auto filter = FilterNamed(parts[i]);
        if (!filter) {
            //: %1 is the placeholder, %2 "address template" or "symbol form", %3 the filter
            problem =
                QCoreApplication::translate("AddressTemplate",
                                            "\"%1\" in the %2 has the unknown filter \"%3\": the "
                                            "filters are lower, upper and dash.")
                    .arg(text, what, parts[i]);
            return std::nullopt;
        }
        slot.filters.push_back(*filter);
    }
    return slot;
}

// Whether the address, with a plain symbol put in, is an absolute http or https address. A
// literal brace is percent-encoded by the browser, so it is checked as its encoding.
bool IsWebAddress(const ChartAddress& address) {
    const QString sample = address.forSymbol(QStringLiteral("X"))
                               .replace(u'{', QStringLiteral("%7B"))
                               .replace(u'}', QStringLiteral("%7D"));
    const QUrl url(sample, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
           !url.host().isEmpty();
}

AddressTemplate Refused(QString problem) {
    return {std::nullopt, std::move(problem)};
}

AddressTemplate ParsePattern(const QString& text, QStringView what, bool percentEncoded) {
    QStringList pieces{QString()};
    std::vector<SymbolSlot> slots;
    qsizetype literalStart = 0;  // where the text since the last placeholder starts
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if ((c == u'{' || c == u'}') && doubled) {
            pieces.back() += c;
            ++i;
        } else if (c == u'}') {
            //: %2 is "address template" or "symbol form"
            return Refused(QCoreApplication::translate("AddressTemplate",
                                                       "The brace in \"%1}\" of the %2 closes "
                                                       "nothing: use }} for a brace.")
                               .arg(text.sliced(literalStart, i - literalStart), what));
        } else if (c == u'{') {
            const qsizetype end = text.indexOf(u'}', i);
            if (end < 0) {
                //: %2 is "address template" or "symbol form"
                return Refused(QCoreApplication::translate("AddressTemplate",
                                                           "The brace in \"%1\" of the %2 is "
                                                           "not closed: use {{ for a brace.")
                                   .arg(text.sliced(i), what));
            }
            QString problem;
            auto slot =
                SlotOf(QStringView(text).sliced(i, end + 1 - i), what, percentEncoded, problem);
            if (!slot) {
                return Refused(problem);
            }
            slots.push_back(std::move(*slot));
            pieces.append(QString());
            i = end;
            literalStart = end + 1;
        } else {
            pieces.back() += c;
        }
    }
    if (slots.empty()) {
        //: %1 is "address template" or "symbol form"
        return Refused(
            QCoreApplication::translate("AddressTemplate", "The %1 must contain {symbol}.")
                .arg(what));
    }
    return {ChartAddress(std::move(pieces), std::move(slots)), {}};
}
}  // namespace

AddressTemplate ParseAddressTemplate(const QString& text) {
    //: what is wrong is shown "in the address template"
    AddressTemplate parsed = ParsePattern(
        text, QCoreApplication::translate("AddressTemplate", "address template"), true);
    if (parsed.address && !IsWebAddress(*parsed.address)) {
        return Refused(QCoreApplication::translate(
            "AddressTemplate",
            "The address template must be a complete http or https address, such as "
            "https://www.example.com/chart?s={symbol}"));
    }
    return parsed;
}

AddressTemplate ParseSymbolPattern(const QString& text, QStringView what) {
    return ParsePattern(text, what, false);
}
