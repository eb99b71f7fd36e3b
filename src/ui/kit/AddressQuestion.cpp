#include "ui/kit/AddressQuestion.h"

#include "model/LinkableAddress.h"
#include "ui/platform/Platform.h"

#include <QCoreApplication>
#include <QLineEdit>

bool KeepAddress(Platform& platform, QLineEdit& field) {
    if (IsLinkableAddress(field.text())) {
        return true;
    }
    //: %1 is the sentence saying why the pages will not link the address
    const QString question = QCoreApplication::translate("AddressQuestion", "%1 Keep it?")
                                 .arg(UnlinkedAddressSentence(QCoreApplication::translate(
                                     "AddressQuestion", "This address")));
    if (platform.message(question, Platform::Buttons::YesNo, Platform::Answer::Yes) ==
        Platform::Answer::Yes) {
        return true;
    }
    field.setFocus(Qt::OtherFocusReason);
    return false;
}
