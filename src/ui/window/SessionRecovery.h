#pragma once

#include "files/StoreIdentity.h"
#include "model/Model.h"
#include "settings/Storage.h"
#include "settings/WindowGeometry.h"
#include "ui/platform/Platform.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <future>
#include <memory>

// Keeps the recovery file beside the settings file while the window holds changes that are
// not saved: written, away from the window's thread, within a second of a change and gone
// once nothing is unsaved (a save, an undo back to the saved list). A failed write is told
// once and never stops the editing.
class SessionRecovery : public QObject {
    Q_OBJECT
  public:
    // `basedOn` gives the settings file as the window last loaded or saved it.
    SessionRecovery(Model& model, const Storage& storage, const WindowGeometry& geometry,
                    Platform& platform, std::function<StoreIdentity()> basedOn);
    ~SessionRecovery() override;

    // The program ends without asking (a signal, a logout): what is unsaved is written now.
    void keep();
    // The unsaved changes were given up; not after keep().
    void discard();

  private:
    void update();
    void collect();
    QByteArray text() const;

    Model& model_;
    const Storage& storage_;
    const WindowGeometry& geometry_;
    Platform& platform_;
    std::function<StoreIdentity()> basedOn_;
    QTimer timer_;
    std::future<QString> writing_;
    std::unique_ptr<Model> written_;  // what the file holds, or null when there is none
    bool reported_ = false;
    bool kept_ = false;
};

// At start-up: when the recovery file of a session that did not end holds anything other than
// the settings loaded into `model`, asks whether to take it. Yes puts it in `model` as unsaved
// changes; No, or nothing new in it, removes it.
void OfferRecovery(Model& model, const Storage& storage, Platform& platform);
