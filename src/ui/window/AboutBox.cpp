#include "ui/window/AboutBox.h"

#include "model/ProgramVersion.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/TextFit.h"

#include <QPlainTextEdit>

namespace {
QString aboutText() {
    return QStringLiteral(
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
      ok_(AddButton(this, QStringLiteral("AboutOK"), QStringLiteral("&OK"),
                    QRect(4440, 2280, 1212, 372))) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Tickvane"));
    SetFixedDialogSize(*this, QSize(5772, 2976));
    text_->setObjectName(QStringLiteral("AboutText"));
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
