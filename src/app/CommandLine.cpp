#include "app/CommandLine.h"

#include "app/ListBatch.h"
#include "model/ProgramVersion.h"
#include "settings/Storage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {
// An option that chooses what the program does instead of opening the window.
struct ModeOption {
    const char* name;
    CommandLine::Mode mode;
    bool takesFile;
    const char* description;
};

// In the order --help lists them; the descriptions are translated when --help is built.
constexpr ModeOption ModeOptions[] = {
    {"generate", CommandLine::Mode::Generate, false,
     QT_TRANSLATE_NOOP("CommandLine", "Write the web pages of every enabled chart site and exit.")},
    {"export", CommandLine::Mode::Export, true,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the settings to a registry script FILE (\"-\": standard output).")},
    {"import", CommandLine::Mode::Import, true,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Replace the stored settings by those of a registry script FILE.")},
    {"add-list", CommandLine::Mode::AddList, true,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Add the stocks of a list FILE (\"-\": standard input) to the stored "
                       "list, without a preview: CSV with a header line, a watchlist or plain "
                       "symbols.")},
    {"export-list", CommandLine::Mode::ExportList, true,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write the stored list as CSV to FILE (\"-\": standard output).")},
};

QString fileValueName() {
    //: The placeholder --help shows for a file name; the option descriptions use it too.
    return QCoreApplication::translate("CommandLine", "FILE");
}

QCommandLineOption commandLineOption(const ModeOption& option) {
    return QCommandLineOption(QLatin1String(option.name),
                              QCoreApplication::translate("CommandLine", option.description),
                              option.takesFile ? fileValueName() : QString());
}

// A complaint about the command line, with where to read about it.
QString withTryHelp(const QString& complaint) {
    return complaint + QStringLiteral("\n") +
           QCoreApplication::translate("CommandLine", "Try 'tickvane --help'.") +
           QStringLiteral("\n");
}

// "--generate, --export … and --export-list"
QString modeNames() {
    QStringList names;
    for (const ModeOption& option : ModeOptions) {
        names << QStringLiteral("--") + QLatin1String(option.name);
    }
    const QString last = names.takeLast();
    //: %1 is a list of options separated by commas, %2 the last option.
    return QCoreApplication::translate("CommandLine", "%1 and %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

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
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Keeps a list of stocks and writes web pages of chart links for them:\n"
        "pages for every enabled chart site, the four built-in ones and those\n"
        "made from address templates.\n"
        "Without options it opens the window."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        //: %1 is the settings file used when --settings is not given.
        QCoreApplication::translate("CommandLine", "Use FILE as the settings store instead of %1.")
            .arg(Storage::defaultStoreFile()),
        fileValueName());
    parser.addOptions({help, version});
    for (const ModeOption& option : ModeOptions) {
        parser.addOption(commandLineOption(option));
    }
    parser.addOption(settings);

    if (!parser.parse(arguments)) {
        print(stderr, withTryHelp(parser.errorText()));
        return exitWith(2);
    }
    if (parser.isSet(help)) {
        //: %1 is the exit status of an --add-list that refused rows.
        const QString exitStatus = QCoreApplication::translate(
            "CommandLine",
            "Exit status: 0 on success; 1 when a command fails (the reason is on standard "
            "error);\n2 when the command line is wrong; %1 when --add-list refused rows and "
            "added the others.");
        print(stdout, parser.helpText() + QStringLiteral("\n") + exitStatus.arg(RowsRefusedExit) +
                          QStringLiteral("\n"));
        return exitWith(0);
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Tickvane %1\n").arg(ProgramVersion()));
        return exitWith(0);
    }
    const ModeOption* chosen = nullptr;
    int modes = 0;
    for (const ModeOption& option : ModeOptions) {
        if (parser.isSet(QLatin1String(option.name))) {
            chosen = &option;
            ++modes;
        }
    }
    if (modes > 1 || !parser.positionalArguments().isEmpty()) {
        print(stderr,
              withTryHelp(QCoreApplication::translate(
                              "CommandLine", "Give at most one of %1, and no other arguments.")
                              .arg(modeNames())));
        return exitWith(2);
    }
    CommandLine line;
    line.storeFile = parser.isSet(settings) ? parser.value(settings) : Storage::defaultStoreFile();
    if (line.storeFile.isEmpty()) {
        print(stderr,
              withTryHelp(QCoreApplication::translate(
                  "CommandLine", "The settings file has no name: give --settings a FILE.")));
        return exitWith(2);
    }
    if (chosen != nullptr) {
        line.mode = chosen->mode;
        if (chosen->takesFile) {
            line.file = parser.value(QLatin1String(chosen->name));
        }
    }
    return line;
}
