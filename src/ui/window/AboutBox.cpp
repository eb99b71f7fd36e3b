#include "ui/window/AboutBox.h"

#include "model/ProgramVersion.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/TextFit.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

namespace {
QString aboutText() {
    //: %1 is the program's version, %2 the version of Qt.
    return QCoreApplication::translate("AboutBox",
                                       "Tickvane version %1\n"
                                       "Chart link pages for your stock list.\n"
                                       "By the Tickvane developers.\n"
                                       "Built with Qt %2.\n"
                                       "\n")
        .arg(ProgramVersion(), QString::fromLatin1(qVersion()));
}
}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent),
      text_(new QPlainTextEdit(this)),
      ok_(AddButton(this, QStringLiteral("AboutOK"), tr("&OK"), QRect(4440, 2280, 1212, 372))) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Tickvane"));
    SetFixedDialogSize(*this, QSize(5772, 2976));
    text_->setObjectName(QStringLiteral("AboutText"));
    text_->setAccessibleName(windowTitle());
    text_->setReadOnly(true);
    PlaceAt(*text_, 480, 360, 4812, 1572);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    FitDialogToTexts(*this, {ok_});
}

void AboutBox::showEvent(QShowEvent* event) {
    text_->setPlainText(aboutText());
    ok_->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}
