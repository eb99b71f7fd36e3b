#include "app/BatchCommands.h"

#include "app/UnlessWindowOpen.h"
#include "store/Storage.h"
#include "store/StoredGeometry.h"
#include "web/GeneratePages.h"

#include <cstdio>

namespace {
void printLine(FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
}

// Prints the warnings and the failure; returns the exit code.
int report(const StoreResult& result) {
    for (const QString& warning : result.warnings) {
        printLine(stderr, warning);
    }
    if (!result.ok) {
        printLine(stderr, result.error);
    }
    return result.ok ? 0 : 1;
}

class PrintedGeneration : public GenerationReport {
  public:
    void fileWritten(const QString& path) override { printLine(stdout, path); }
    void finished(bool ok, const QString& message) override {
        if (!ok) {
            printLine(stderr, message);
        }
    }
};

// Loads as the window does at start-up; false once it has printed why it could not.
bool loadAsAtStartup(const Storage& storage, Model& model, StoredGeometry& geometry) {
    return report(LoadAtStartup(model, storage, &geometry)) == 0;
}

int generate(const Storage& storage) {
    Model model;
    StoredGeometry geometry;
    if (!loadAsAtStartup(storage, model, geometry)) {
        return 1;
    }
    PrintedGeneration printer;
    return GeneratePages(model, printer) ? 0 : 1;
}

int exportTo(const Storage& storage, const QString& scriptFile) {
    Model model;
    StoredGeometry geometry;
    if (!loadAsAtStartup(storage, model, geometry)) {
        return 1;
    }
    return report(storage.exportScript(model, geometry, scriptFile));
}

int importFrom(const Storage& storage, const QString& scriptFile) {
    return report(storage.importScript(scriptFile));
}
}  // namespace

int RunBatchCommand(const CommandLine& line) {
    const Storage storage(line.storeFile);
    switch (line.mode) {
        case CommandLine::Mode::Generate:
            return generate(storage);
        case CommandLine::Mode::Export:
            return exportTo(storage, line.file);
        case CommandLine::Mode::Import:
            return UnlessWindowOpen(storage, [&] { return importFrom(storage, line.file); });
        default:
            return 1;
    }
}
