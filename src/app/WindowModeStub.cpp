#include "app/WindowMode.h"

#include "model/DefaultHtmlDir.h"

#include <QCoreApplication>
#include <cstdio>

int RunWindow(int& argc, char** argv, const CommandLine&) {
    QCoreApplication app(argc, argv);
    std::printf("Tickvane 1.0\nPages are written to %s\n", qPrintable(DefaultHtmlDir()));
    return 0;
}
