#pragma once

#include <QComboBox>
#include <QString>

// A market as the windows show it: its code and, for a market the program knows, its name
// ("XLON – London Stock Exchange").
QString MarketLabel(const QString& code);

// A stock's exchange: an editable drop-down of no exchange and every market the program
// knows, each entry its MarketLabel. Typing offers the
// entries that hold the text anywhere, in any case, so a market is found by its name too; any
// other code may be typed, in either case.
class ExchangePicker : public QComboBox {
    Q_OBJECT
  public:
    explicit ExchangePicker(QWidget* parent = nullptr);

    // Shows `code`: its market's entry when the program knows it, else the code as it is.
    void setCode(const QString& code);
    // The market identifier code the field stands for, in upper case: a chosen entry's, or
    // what is typed read as a list file's exchange is (a code, or a chart site's name of a
    // known market); any other text as it is, trimmed, for the caller to refuse. Empty for no
    // exchange.
    QString code() const;
};
