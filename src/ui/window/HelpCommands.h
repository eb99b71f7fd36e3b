#pragma once

#include <QCoreApplication>

#include "model/Model.h"
#include "ui/platform/Platform.h"

#include <QStringList>

// The Help menu's documentation command: the user's own copy in the output directory wins,
// then the copy installed with the program.
class HelpCommands {
    Q_DECLARE_TR_FUNCTIONS(HelpCommands)

  public:
    // `installedDirs`: where the program's own copy may be, in order of preference.
    HelpCommands(const Model& model, Platform& platform,
                 QStringList installedDirs = InstalledDocumentationDirs());

    void ViewDocumentation();
    // The file to open, or empty when there is none.
    QString documentationFile() const;

    // Beside the executable, and the installed documentation folder ../share/doc/tickvane
    // relative to it.
    static QStringList InstalledDocumentationDirs();

  private:
    const Model& model_;
    Platform& platform_;
    QStringList installedDirs_;
};
