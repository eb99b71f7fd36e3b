#include "ui/kit/AddressQuestion.h"

#include "model/LinkableAddress.h"
#include "ui/platform/Platform.h"

#include <QLineEdit>

bool KeepAddress(Platform& platform, QLineEdit& field) {
    if (IsLinkableAddress(field.text())) {
        return true;
    }
    const QString question =
        UnlinkedAddressSentence(QStringLiteral("This address")) + QStringLiteral(" Keep it?");
    if (platform.message(question, Platform::Buttons::YesNo, Platform::Answer::Yes) ==
        Platform::Answer::Yes) {
        return true;
    }
    field.setFocus(Qt::OtherFocusReason);
    return false;
}
