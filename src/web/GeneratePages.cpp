#include "web/GeneratePages.h"

#include "web/FramePages.h"
#include "web/NavigationPage.h"
#include "web/OwnSitePages.h"
#include "web/PageFiles.h"

namespace {
// The navigation page of every enabled site, in site order. A disabled site's page from an
// earlier generation is left as it was.
bool WriteNavigationPages(const Model& model, PageFiles& files) {
    for (SiteId id : AllSites) {
        const SiteInfo& site = Site(id);
        if (model.general.*(site.enable) &&
            !files.write(site.fileName + ".html", NavigationPage(model, ChartSiteFor(id)))) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool GeneratePages(Model& model, GenerationReport& report) {
    model.PagesGenerated = true;
    PageFiles files(model.general.HtmlDir, report);
    const bool ok = files.prepare() && WriteFramePages(model, files) &&
                    WriteNavigationPages(model, files) && WriteOwnSitePages(model, files);
    report.finished(ok, ok ? QStringLiteral("Pages generated.") : files.error());
    return ok;
}
