#include "model/ChartSiteRules.h"
#include "model/Model.h"
#include "settings/IniSettingsStore.h"
#include "settings/IniText.h"
#include "settings/Storage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

// Any bytes may be found in the store file at start-up. Loading them over the defaults must
// leave a stock list that the rest of the program can index safely, and template chart sites
// that keep their rules: at most 20, file names that can be written, and only sound sites on.
// What was read from them, written and read again, must come back the same.

namespace {

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "store file load: %s\n", qPrintable(what));
    std::abort();
}

// A folder in shared memory keeps the file in RAM, where the system has one.
QString TemporaryParent() {
    const QString sharedMemory = QStringLiteral("/dev/shm");
    return QDir(sharedMemory).exists() ? sharedMemory : QDir::tempPath();
}

QString WriteStoreFile(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir directory(TemporaryParent() + QStringLiteral("/tickvane-fuzz-XXXXXX"));
    const QString storeFile = directory.filePath(QStringLiteral("Tickvane.ini"));
    QFile file(storeFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        Fail(storeFile + QStringLiteral(": cannot write the input"));
    }
    return storeFile;
}

// A model made afresh for every input, in the same place: a new allocation of its size would be
// mapped and unmapped on every run under AddressSanitizer, which costs more than the load.
Model& FreshModel() {
    static std::optional<Model> model;
    model.emplace();
    return *model;
}

void CheckReadingWhatWasWritten(QByteArrayView bytes) {
    const IniSettingsStore first(QString(), ReadIniText(bytes).sections);
    IniContent again = ReadIniText(IniText(first.sections()));
    if (again.malformedLines || !again.undecodedKeys.isEmpty()) {
        Fail(QStringLiteral("the text written is not read whole"));
    }
    if (IniSettingsStore(QString(), std::move(again.sections)).sections() != first.sections()) {
        Fail(QStringLiteral("the text written reads back otherwise"));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Model& model = FreshModel();
    ApplyDefaults(model, QString());
    Storage(WriteStoreFile(data, size)).load(model, nullptr);
    QString problem;
    if (!CheckInvariants(model.list, &problem)) {
        Fail(problem);
    }
    const std::vector<ChartSiteSettings>& sites = model.chartSites;
    if (sites.size() > size_t(ChartSiteLimit)) {
        Fail(QStringLiteral("%1 chart sites").arg(sites.size()));
    }
    for (size_t i = 0; i < sites.size(); ++i) {
        problem = FileNameProblem(sites, i);
        if (problem.isEmpty() && sites[i].Enabled) {
            problem = ChartSiteProblem(std::span(sites).first(i + 1), i);
        }
        if (!problem.isEmpty()) {
            Fail(problem);
        }
    }
    CheckReadingWhatWasWritten(QByteArrayView(data, qsizetype(size)));
    return 0;
}
