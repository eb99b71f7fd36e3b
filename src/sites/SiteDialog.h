#pragma once

#include "model/SettingField.h"
#include "model/SiteTable.h"

#include <span>

// The chart options dialog of one site, described as plain data; one builder in the window
// layer makes the widgets, fills them from the model and copies them back. Lengths are twips
// within the control's container. Captions, titles, messages and the labels of the site's option
// lists are marked for translation in a context named after the dialog's object name.
struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

// A captioned group box or frame. `parent` indexes the dialog's frames; -1 is the dialog.
struct DialogFrame {
    const char* caption;
    TwipsBox box;
    int parent = -1;
};

enum class ControlKind {
    List,    // drop-down list of the field's option table, no free text
    Check,   // check box
    Symbol,  // one-line text box, kept in upper case as the user types
    Days,    // one-line text box for a number of days; empty stands for 0
};

struct DialogControl {
    const char* name;  // the widget's object name
    ControlKind kind;
    const char* key;  // the field edited: its key in the site's store section
    int frame;        // index into the dialog's frames
    TwipsBox box;
    const char* caption = nullptr;  // check boxes; the others are named by their frame
    int dropItems = 9;  // lists: item heights of the closed box and the open list together
};

struct SiteDialog {
    const char* name;  // the dialog's object name
    const char* title;
    int clientWidth;
    int clientHeight;
    TwipsBox cancel;
    TwipsBox done;
    const char* cancelTooltip;
    std::span<const DialogFrame> frames;
    std::span<const DialogControl> controls;  // in tab order
    // Shown when a Days box holds something other than a number; Done then stops.
    const char* daysRefused = nullptr;
};

const SiteDialog& SiteDialogOf(SiteId site);

// The stored field among `fields` that `control` edits: the one under its key, holding what the
// control shows (a selection for a list, a number for a Days box...). Null when there is none.
const SettingField* FindControlField(const DialogControl& control, const SettingFields& fields);

// The same for a dialog being built: a control without its field is a fault in the dialog's
// description, which stops the program with a message naming the dialog, control and key.
const SettingField& ControlField(const SiteDialog& dialog, const DialogControl& control,
                                 const SettingFields& fields);
