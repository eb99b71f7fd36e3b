#include "web/GeneratePages.h"

#include "sites/ChartSiteList.h"
#include "web/FramePages.h"
#include "web/NavigationPage.h"
#include "web/OnePage.h"
#include "web/PageFiles.h"

#include <QCoreApplication>
#include <string>

namespace {
// The navigation page of every enabled site, in site order. A disabled site's page from an
// earlier generation is left as it was.
bool WriteNavigationPages(const Model& model, const ChartSiteList& sites, PageFiles& files) {
    // One buffer for every page: a fresh one per page would touch new memory, a page fault
    // for every 4 KiB, each time.
    std::string page;
    const StockRowEnds rowEnds(model);
    for (const ChartSite* site : sites) {
        if (site->enabled(model)) {
            MakeNavigationPage(page, model, sites, *site, rowEnds);
            if (!files.write(site->fileName() + ".html", page)) {
                return false;
            }
        }
    }
    return true;
}

// index.html, for the users who asked for it.
bool WriteOnePage(const Model& model, const ChartSiteList& sites, PageFiles& files) {
    return !model.general.OnePage ||
           files.write(QStringLiteral("index.html"), OnePage(model, sites));
}
}  // namespace

bool GeneratePages(Model& model, GenerationReport& report) {
    model.PagesGenerated = true;
    PageFiles files(model.general.HtmlDir, report);
    const ChartSiteList sites(model);
    const bool ok = files.prepare() && WriteFramePages(model, sites, files) &&
                    WriteNavigationPages(model, sites, files) &&
                    WriteOnePage(model, sites, files) && files.finish();
    report.finished(
        ok, ok ? QCoreApplication::translate("GeneratePages", "Pages generated.") : files.error());
    return ok;
}
