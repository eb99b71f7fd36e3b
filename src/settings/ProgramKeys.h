#pragma once

#include "settings/StoreSections.h"

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

// Every section and key name this program stores, found whatever their case: the registry
// compares names so, and a script may carry another spelling.
class ProgramKeys {
  public:
    static const ProgramKeys& instance();

    struct Record {
        QString name;  // "Stock": the keys are Stock0 to Stock1000
        int capacity = 0;
    };
    struct Section {
        QString name;                  // the program's spelling
        QHash<QString, QString> keys;  // case-folded name -> the program's spelling
        std::vector<Record> records;
    };

    // The section of that name, or null when it is not one of the program's sections.
    const Section* section(const QString& anyCase) const;
    // The program's spelling of a key of `section`, or nothing.
    std::optional<QString> key(const Section& section, const QString& anyCase) const;

  private:
    ProgramKeys();

    QHash<QString, Section> sections_;  // case-folded name -> section
};
