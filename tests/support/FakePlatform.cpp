#include "support/FakePlatform.h"

#include <utility>

Platform::Answer FakePlatform::message(const QString& text, Buttons buttons, Answer defaultButton) {
    messages.append({text, buttons, defaultButton});
    if (duringMessage) {
        std::exchange(duringMessage, nullptr)();
    }
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

bool FakePlatform::openDocument(const QString& path) {
    opened.append(path);
    return openSucceeds;
}

QString FakePlatform::chooseSaveFile(const QString& proposed, const QString&, Overwrite overwrite) {
    fileProposals.append(proposed);
    lastOverwrite = overwrite;
    return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
}

QString FakePlatform::chooseOpenFile(const QString& proposed, const QString&) {
    fileProposals.append(proposed);
    return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
}

std::optional<qint32> FakePlatform::chooseColor(qint32 initial) {
    Q_UNUSED(initial);
    return colorChoices.isEmpty() ? std::nullopt : colorChoices.takeFirst();
}
