#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What a template's filter does to the symbol before it goes into the address.
enum class SymbolFilter {
    Lower,  // lower case
    Upper,  // upper case
    Dash,   // "." and "/" become "-"
};

// How the symbol goes into one place of a chart address: the filters left to right, then,
// for addresses made from a template, percent-encoding; for the others only a blank, "#",
// "&" and "+" are percent-encoded, which would end the symbol's query value or change it.
struct SymbolSlot {
    std::vector<SymbolFilter> filters;
    bool percentEncoded = false;

    QString apply(const QString& symbol) const;
    // The filters alone.
    QString filtered(const QString& symbol) const;
    bool operator==(const SymbolSlot&) const = default;

  private:
    QString applyToAnyText(const QString& symbol) const;
};

// A chart address with the stock's symbol left open. It depends only on the site's settings,
// so a page prepares it once and fills in each stock's symbol.
class ChartAddress {
  public:
    // The symbol goes in unchanged between each two neighbouring pieces.
    explicit ChartAddress(QStringList pieces);
    // The symbol goes into gap k as slots[k] says; there is one slot fewer than pieces.
    ChartAddress(QStringList pieces, std::vector<SymbolSlot> slots);

    const QStringList& pieces() const { return pieces_; }
    const SymbolSlot& slot(qsizetype gap) const { return slots_[static_cast<size_t>(gap)]; }
    QString forSymbol(const QString& symbol) const;
    // The pieces with the symbol filtered but not encoded in each gap: what a site's symbol
    // form makes of a stock's symbol.
    QString withFilteredSymbol(const QString& symbol) const;

  private:
    QStringList pieces_;
    std::vector<SymbolSlot> slots_;
};
