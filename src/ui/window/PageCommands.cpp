#include "ui/window/PageCommands.h"

#include "ui/platform/OpenDocument.h"
#include "ui/window/StockTree.h"
#include "web/GeneratePages.h"

#include <QFileInfo>

namespace {
// Shows the generation's closing message: "Pages generated." or the failure.
class MessageReport : public GenerationReport {
  public:
    explicit MessageReport(Platform& platform) : platform_(platform) {}
    void fileWritten(const QString&) override {}
    void finished(bool, const QString& message) override { platform_.message(message); }

  private:
    Platform& platform_;
};
}  // namespace

PageCommands::PageCommands(Model& model, Platform& platform, StockTree& tree)
    : model_(model), platform_(platform), tree_(tree) {}

bool PageCommands::generate() {
    MessageReport report(platform_);
    return GeneratePages(model_, report);
}

void PageCommands::GenerateWebPages() {
    generate();
    tree_.WebTree_GiveFocus();
}

// The one-page chart browser stands in for the start page's frameset when it is written.
QString PageCommands::startPageFile() const {
    const GeneralSettings& general = model_.general;
    return general.HtmlDir +
           (general.OnePage ? QStringLiteral("index.html") : general.StartPage + ".frame.html");
}

void PageCommands::StartBrowser() {
    if (model_.SettingsChanged && !model_.PagesGenerated) {
        const auto answer =
            platform_.message(tr("Warning: you have entered changes but have not regenerated web "
                                 "pages.  Do you want to regenerate first?"),
                              Platform::Buttons::YesNoCancel, Platform::Answer::Yes);
        // A failed generation was just reported; opening the old pages would hide it.
        if (answer == Platform::Answer::Cancel ||
            (answer == Platform::Answer::Yes && !generate())) {
            tree_.WebTree_GiveFocus();
            return;
        }
    }
    tree_.WebTree_GiveFocus();
    const QString file = startPageFile();
    if (!QFileInfo(file).isFile()) {
        platform_.message(tr("Initial web page not found.  Please generate web pages and retry."));
        return;
    }
    OpenDocumentOrReport(platform_, file);
}
