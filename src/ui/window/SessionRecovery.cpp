#include "ui/window/SessionRecovery.h"

#include "settings/RecoveryFile.h"

#include <QCoreApplication>
#include <QFile>

namespace {
// The longest a change waits to reach the recovery file.
constexpr int CheckMs = 500;

bool sameSettings(Model a, const Model& b) {
    a.SettingsChanged = b.SettingsChanged;
    a.PagesGenerated = b.PagesGenerated;
    return a == b;
}
}  // namespace

SessionRecovery::SessionRecovery(Model& model, const Storage& storage,
                                 const WindowGeometry& geometry, Platform& platform,
                                 std::function<StoreIdentity()> basedOn)
    : model_(model),
      storage_(storage),
      geometry_(geometry),
      platform_(platform),
      basedOn_(std::move(basedOn)) {
    connect(&timer_, &QTimer::timeout, this, &SessionRecovery::update);
    timer_.start(CheckMs);
}

SessionRecovery::~SessionRecovery() {
    if (writing_.valid()) {
        writing_.wait();
    }
}

QByteArray SessionRecovery::text() const {
    return RecoveryText(model_, geometry_.current(), basedOn_());
}

void SessionRecovery::update() {
    collect();
    if (!model_.SettingsChanged) {
        if (written_) {
            discard();
        }
        return;
    }
    if (writing_.valid() || (written_ && sameSettings(*written_, model_))) {
        return;
    }
    written_ = std::make_unique<Model>(model_);
    writing_ = std::async(std::launch::async, WriteRecovery, storage_.file(), text());
}

// Takes the outcome of a write that has ended.
void SessionRecovery::collect() {
    if (!writing_.valid() ||
        writing_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        return;
    }
    const QString reason = writing_.get();
    if (reason.isEmpty() || reported_) {
        return;
    }
    reported_ = true;
    written_.reset();
    //: %1 is the recovery file, %2 the reason the write failed.
    platform_.message(tr("Could not write \"%1\": %2. The changes that are not saved "
                         "are kept only in this window.")
                          .arg(RecoveryFileOf(storage_.file()), reason));
}

void SessionRecovery::keep() {
    timer_.stop();
    kept_ = true;
    if (writing_.valid()) {
        writing_.wait();
    }
    if (model_.SettingsChanged) {
        WriteRecovery(storage_.file(), text());
    } else {
        QFile::remove(RecoveryFileOf(storage_.file()));
    }
}

void SessionRecovery::discard() {
    if (kept_) {
        return;  // a question the end interrupted answers nothing
    }
    if (writing_.valid()) {
        writing_.get();
    }
    written_.reset();
    QFile::remove(RecoveryFileOf(storage_.file()));
}

void OfferRecovery(Model& model, const Storage& storage, Platform& platform) {
    auto recovered = std::make_unique<Model>();
    ApplyDefaults(*recovered, storage.defaultHtmlDir());
    const Recovery recovery = ReadRecovery(storage.file(), *recovered, storage.defaultHtmlDir());
    if (!recovery.found) {
        return;
    }
    QString question = QCoreApplication::translate(
        "SessionRecovery",
        "Tickvane was not closed properly. Restore the changes that were not saved?");
    if (recovery.storeChanged) {
        question +=
            QStringLiteral("\n\n") +
            QCoreApplication::translate("SessionRecovery",
                                        "The settings file %1 was changed since those changes were "
                                        "made; restoring them replaces its changes when you save.")
                .arg(storage.storeFile());
    }
    // Over a settings file that changed meanwhile, keeping that file is the safe answer.
    if (recovery.loaded.ok && !sameSettings(*recovered, model) &&
        platform.message(question, Platform::Buttons::YesNo,
                         recovery.storeChanged ? Platform::Answer::No : Platform::Answer::Yes) ==
            Platform::Answer::Yes) {
        model = std::move(*recovered);
        model.SettingsChanged = true;
        return;
    }
    QFile::remove(RecoveryFileOf(storage.file()));
}
