#pragma once

#include "store/StoreSections.h"

#include <QHash>
#include <QString>
#include <optional>

// Every section and key name this program stores, found whatever their case: the registry
// compares names so, and a script may carry another spelling.
class ProgramKeys {
  public:
    static const ProgramKeys& instance();

    // The program's spelling of a section name, or nothing when it is not one of its sections.
    std::optional<QString> section(const QString& anyCase) const;
    // The program's spelling of a key of `section` (spelled as the program does), or nothing.
    std::optional<QString> key(const QString& section, const QString& anyCase) const;

  private:
    ProgramKeys();

    struct Section {
        QString name;
        QHash<QString, QString> keys;  // case-folded name -> the program's spelling
    };
    QHash<QString, Section> sections_;  // case-folded name -> section
};
