#pragma once

#include "ui/platform/Platform.h"

// The desktop itself: Qt's message box, file dialogs and colour chooser, the system's alert
// sound, the desktop's document opener, the clipboard, drag and drop and the window manager.
// Dialogs are owned by the active window.
class QtPlatform : public Platform {
  public:
    Answer message(const QString& text, Buttons buttons, Answer defaultButton) override;
    void beep() override;
    bool openDocument(const QString& path) override;
    bool openAddress(const QString& address) override;
    QString chooseSaveFile(const QString& proposed, const QString& filters,
                           Overwrite overwrite = Overwrite::Ask) override;
    QString chooseOpenFile(const QString& proposed, const QString& filters) override;
    std::optional<qint32> chooseColor(qint32 initial) override;
    OfferedList clipboardList() override;
    void acceptDrops(QWidget& target, DropTaker dropped) override;
    void raiseWindow(QWidget& window) override;
};
