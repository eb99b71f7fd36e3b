#include "app/BatchCommands.h"
#include "app/CommandLine.h"
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
    const CommandLine line = ParseCommandLine(argumentList(argc, argv));
    switch (line.mode) {
        case CommandLine::Mode::Exit:
            return line.exitCode;
        case CommandLine::Mode::Window:
            return RunWindow(argc, argv, line);
        default: {
            // The batch commands need no display, so they run on a core application.
            QCoreApplication app(argc, argv);
            return RunBatchCommand(line);
        }
    }
}
