#include "app/CommandLine.h"

#include "app/ListBatch.h"
#include "model/ProgramVersion.h"
#include "settings/Storage.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {
CommandLine exitWith(int code) {
    CommandLine line;
    line.mode = CommandLine::Mode::Exit;
    line.exitCode = code;
    return line;
}

void print(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text), stream);
}
}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps a list of stocks and writes web pages of chart links for them:\n"
                       "pages for every enabled chart site, the four built-in ones and those\n"
                       "made from address templates.\n"
                       "Without options it opens the window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption generate(QStringLiteral("generate"),
                                      QStringLiteral("Write the web pages of every enabled chart "
                                                     "site and exit."));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        QStringLiteral("Write the settings to a registry script FILE (\"-\": standard output)."),
        QStringLiteral("FILE"));
    const QCommandLineOption importFrom(
        QStringLiteral("import"),
        QStringLiteral("Replace the stored settings by those of a registry script FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Use FILE as the settings store instead of %1.")
            .arg(Storage::defaultStoreFile()),
        QStringLiteral("FILE"));
    const QCommandLineOption addList(
        QStringLiteral("add-list"),
        QStringLiteral("Add the stocks of a list FILE (\"-\": standard input) to the stored list, "
                       "without a preview: CSV with a header line, a watchlist or plain symbols."),
        QStringLiteral("FILE"));
    const QCommandLineOption exportList(
        QStringLiteral("export-list"),
        QStringLiteral("Write the stored list as CSV to FILE (\"-\": standard output)."),
        QStringLiteral("FILE"));
    parser.addOptions(
        {help, version, generate, exportTo, importFrom, addList, exportList, settings});

    if (!parser.parse(arguments)) {
        print(stderr, parser.errorText() + QStringLiteral("\nTry 'tickvane --help'.\n"));
        return exitWith(2);
    }
    if (parser.isSet(help)) {
        // The arguments are read before any application object exists, so Qt does not know
        // the program's name yet.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("tickvane")) +
                          QStringLiteral("\nExit status: 0 on success; 1 when a command fails "
                                         "(the reason is on standard error);\n2 when the "
                                         "command line is wrong; %1 when --add-list refused "
                                         "rows and added the others.\n")
                              .arg(RowsRefusedExit));
        return exitWith(0);
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Tickvane %1\n").arg(ProgramVersion()));
        return exitWith(0);
    }
    const int modes = int(parser.isSet(generate)) + int(parser.isSet(exportTo)) +
                      int(parser.isSet(importFrom)) + int(parser.isSet(addList)) +
                      int(parser.isSet(exportList));
    if (modes > 1 || !parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("Give at most one of --generate, --export, --import, "
                                     "--add-list and --export-list, and no other arguments.\n"
                                     "Try 'tickvane --help'.\n"));
        return exitWith(2);
    }
    CommandLine line;
    line.storeFile = parser.isSet(settings) ? parser.value(settings) : Storage::defaultStoreFile();
    if (line.storeFile.isEmpty()) {
        print(stderr, QStringLiteral("The settings file has no name: give --settings a FILE.\n"
                                     "Try 'tickvane --help'.\n"));
        return exitWith(2);
    }
    if (parser.isSet(generate)) {
        line.mode = CommandLine::Mode::Generate;
    } else if (parser.isSet(exportTo)) {
        line.mode = CommandLine::Mode::Export;
        line.file = parser.value(exportTo);
    } else if (parser.isSet(importFrom)) {
        line.mode = CommandLine::Mode::Import;
        line.file = parser.value(importFrom);
    } else if (parser.isSet(addList)) {
        line.mode = CommandLine::Mode::AddList;
        line.file = parser.value(addList);
    } else if (parser.isSet(exportList)) {
        line.mode = CommandLine::Mode::ExportList;
        line.file = parser.value(exportList);
    }
    return line;
}
