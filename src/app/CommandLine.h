#pragma once

#include <QString>
#include <QStringList>

// What the user asked for on the command line.
struct CommandLine {
    enum class Mode { Window, Generate, Export, Import, AddList, ExportList, Exit };
    Mode mode = Mode::Window;
    QString file;       // --export, --import, --add-list, --export-list
    QString storeFile;  // --settings, or the per-user store
    int exitCode = 0;   // Mode::Exit: --help, --version, or a usage error
};

// Parses the arguments; prints help, version and usage errors itself.
CommandLine ParseCommandLine(const QStringList& arguments);
