#include "app/BatchCommands.h"

#include "app/BatchSupport.h"
#include "app/ListBatch.h"
#include "app/ProgramStorage.h"
#include "app/UnlessWindowOpen.h"
#include "script/StorageScript.h"
#include "settings/Storage.h"
#include "settings/StoredGeometry.h"
#include "web/GeneratePages.h"

namespace {
class PrintedGeneration : public GenerationReport {
  public:
    void fileWritten(const QString& path) override { PrintLine(stdout, path); }
    void finished(bool ok, const QString& message) override {
        if (!ok) {
            PrintLine(stderr, message);
        }
    }
};

int generate(const Storage& storage) {
    Model model;
    StoredGeometry geometry;
    if (!LoadAsAtStartup(storage, model, geometry)) {
        return 1;
    }
    PrintedGeneration printer;
    return GeneratePages(model, printer) ? 0 : 1;
}

int exportTo(const Storage& storage, const QString& scriptFile) {
    Model model;
    StoredGeometry geometry;
    if (!LoadAsAtStartup(storage, model, geometry)) {
        return 1;
    }
    return Report(ExportScript(storage, model, geometry, scriptFile));
}

int importFrom(const Storage& storage, const QString& scriptFile) {
    return Report(ImportScript(storage, scriptFile));
}
}  // namespace

int RunBatchCommand(const CommandLine& line) {
    const Storage storage = ProgramStorage(line.storeFile);
    switch (line.mode) {
        case CommandLine::Mode::Generate:
            return generate(storage);
        case CommandLine::Mode::Export:
            return exportTo(storage, line.file);
        case CommandLine::Mode::Import:
            return UnlessWindowOpen(storage, [&] { return importFrom(storage, line.file); });
        case CommandLine::Mode::AddList:
            return UnlessWindowOpen(storage, [&] { return AddListFrom(storage, line.file); });
        case CommandLine::Mode::ExportList:
            return ExportListTo(storage, line.file);
        default:
            return 1;
    }
}
