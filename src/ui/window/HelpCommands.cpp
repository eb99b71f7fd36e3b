#include "ui/window/HelpCommands.h"

#include "ui/platform/OpenDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString DocumentationName = QStringLiteral("TickVane.Doc.html");
}  // namespace

HelpCommands::HelpCommands(const Model& model, Platform& platform, QStringList installedDirs)
    : model_(model), platform_(platform), installedDirs_(std::move(installedDirs)) {}

QStringList HelpCommands::InstalledDocumentationDirs() {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir, QDir::cleanPath(programDir + QStringLiteral("/../share/doc/tickvane"))};
}

QString HelpCommands::documentationFile() const {
    QStringList candidates{model_.general.HtmlDir + DocumentationName};
    for (const QString& dir : installedDirs_) {
        candidates << QDir(dir).filePath(DocumentationName);
    }
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

void HelpCommands::ViewDocumentation() {
    const QString file = documentationFile();
    if (file.isEmpty()) {
        //: %1 is the documentation's file name, %2 the folder of the web pages.
        platform_.message(tr("The documentation %1 was not found in %2 nor where "
                             "Tickvane is installed.")
                              .arg(DocumentationName, model_.general.HtmlDir));
        return;
    }
    OpenDocumentOrReport(platform_, file);
}
