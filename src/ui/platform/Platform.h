#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

// What the desktop hands over as a list of stocks: a local file or text.
struct OfferedList {
    QString file;
    QString text;

    bool empty() const { return file.isEmpty() && text.isEmpty(); }
};

// Takes a dropped list: the dialog that takes it, or null.
using DropTaker = std::function<QDialog*(const OfferedList&)>;

// Everything the commands and dialogs ask of the desktop. The window uses QtPlatform; the
// tests use a scripted fake, so no command ever blocks in a modal loop under test.
class Platform {
  public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };
    // Whether the save dialog asks before a chosen file that exists is overwritten.
    enum class Overwrite { Ask, DontAsk };

    virtual ~Platform() = default;

    // A message box titled "Tickvane"; returns the button pressed (Escape gives Cancel, or
    // the only button).
    virtual Answer message(const QString& text, Buttons buttons = Buttons::Ok,
                           Answer defaultButton = Answer::Ok) = 0;
    virtual void beep() = 0;
    // Opens a document with the program the desktop associates with it.
    virtual bool openDocument(const QString& path) = 0;
    // Opens a web address with the desktop's web browser.
    virtual bool openAddress(const QString& address) = 0;
    // File dialogs; an empty result means the user cancelled. `filters` uses Qt's form,
    // e.g. "Registration files (*.reg);;All files (*)".
    virtual QString chooseSaveFile(const QString& proposed, const QString& filters,
                                   Overwrite overwrite = Overwrite::Ask) = 0;
    virtual QString chooseOpenFile(const QString& proposed, const QString& filters) = 0;
    // The colour chooser; an RGB value with red in the low byte, nothing when cancelled.
    virtual std::optional<qint32> chooseColor(qint32 initial) = 0;
    // What the clipboard holds: a copied file, or text.
    virtual OfferedList clipboardList() = 0;
    // Lets files and text be dropped on `target`, always as copies. `dropped` gets each drop
    // and returns the dialog that takes it, or null. The drop is answered once that dialog has
    // finished: as a copy when it was accepted, else as ignored, so that the program the drag
    // came from keeps what was dragged either way.
    virtual void acceptDrops(QWidget& target, DropTaker dropped) = 0;
    // Brings `window` to the front with the keyboard, with the dialog it shows, if any.
    virtual void raiseWindow(QWidget& window) = 0;
};
