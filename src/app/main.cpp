#include "app/BatchCommands.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "app/WindowMode.h"
#include "model/ProgramVersion.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Tickvane"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tickvane"));
    QCoreApplication::setApplicationVersion(ProgramVersion());
    // Every application object made below speaks the user's language from its start on.
    qAddPreRoutine(InstallTranslations);
    CommandLine line;
    {
        // The help and the messages are in the user's language, so an application object
        // exists while the command line is read; the batch commands, which need no display,
        // run on it, and the window makes its own. The help names the program "tickvane"
        // however it was started, so this object knows it by that name alone.
        char name[] = "tickvane";
        int nameOnly = 1;
        char* nameArgument[] = {name, nullptr};
        QCoreApplication app(nameOnly, nameArgument);
        line = ParseCommandLine(argumentList(argc, argv));
        if (line.mode == CommandLine::Mode::Exit) {
            return line.exitCode;
        }
        if (line.mode != CommandLine::Mode::Window) {
            return RunBatchCommand(line);
        }
    }
    return RunWindow(argc, argv, line);
}
