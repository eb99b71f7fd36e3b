#include "ui/window/AboutBox.h"

#include "model/ProgramVersion.h"
#include "ui/kit/DialogLayout.h"
#include "ui/kit/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>

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
    : QDialog(parent), text_(new QPlainTextEdit(this)), ok_(new QPushButton(this)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Tickvane"));
    SetFixedDialogSize(*this, TwipsToPixels(5772), TwipsToPixels(2976));
    text_->setObjectName(QStringLiteral("AboutText"));
    text_->setReadOnly(true);
    text_->setGeometry(TwipsRect(480, 360, 4812, 1572));
    ok_->setObjectName(QStringLiteral("AboutOK"));
    ok_->setText(QStringLiteral("&OK"));
    ok_->setGeometry(TwipsRect(4440, 2280, 1212, 372));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::hide);
}

void AboutBox::showEvent(QShowEvent* event) {
    text_->setPlainText(aboutText());
    ok_->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}
