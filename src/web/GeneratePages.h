#pragma once

#include "model/Model.h"

#include <QString>

// Hears how a generation goes: the window shows the closing message, the command line
// prints each file and any failure.
class GenerationReport {
  public:
    virtual ~GenerationReport() = default;
    virtual void fileWritten(const QString& path) = 0;
    // `ok` false: `message` names the file and the reason, and generation stopped there.
    // `ok` true: `message` is "Pages generated.".
    virtual void finished(bool ok, const QString& message) = 0;
};

// Writes the frameset pages, blank.html, the navigation page of every enabled site (the four
// built-in sites and the template sites) and, when OnePage is set, index.html into
// model.general.HtmlDir. Returns false when a
// file could not be written.
bool GeneratePages(Model& model, GenerationReport& report);
