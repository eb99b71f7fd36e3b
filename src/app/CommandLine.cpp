#include "app/CommandLine.h"

#include "store/Storage.h"

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
    parser.addOptions({help, version, generate, exportTo, importFrom, settings});

    if (!parser.parse(arguments)) {
        print(stderr, parser.errorText() + QStringLiteral("\nTry 'tickvane --help'.\n"));
        return exitWith(2);
    }
    if (parser.isSet(help)) {
        // The arguments are read before any application object exists, so Qt does not know
        // the program's name yet.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("tickvane")));
        return exitWith(0);
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Tickvane 1.0\n"));
        return exitWith(0);
    }
    const int modes =
        int(parser.isSet(generate)) + int(parser.isSet(exportTo)) + int(parser.isSet(importFrom));
    if (modes > 1 || !parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("Give at most one of --generate, --export and --import, "
                                     "and no other arguments.\nTry 'tickvane --help'.\n"));
        return exitWith(2);
    }
    CommandLine line;
    line.storeFile = parser.isSet(settings) ? parser.value(settings) : Storage::defaultStoreFile();
    if (parser.isSet(generate)) {
        line.mode = CommandLine::Mode::Generate;
    } else if (parser.isSet(exportTo)) {
        line.mode = CommandLine::Mode::Export;
        line.file = parser.value(exportTo);
    } else if (parser.isSet(importFrom)) {
        line.mode = CommandLine::Mode::Import;
        line.file = parser.value(importFrom);
    }
    return line;
}
