#include "web/OwnSitePages.h"

#include "sites/OwnSite.h"
#include "web/FramePages.h"
#include "web/HtmlText.h"
#include "web/NavigationPage.h"

bool WriteOwnSitePages(const Model& model, PageFiles& files) {
    if (!OwnSiteInUse(model.ownSite)) {
        return true;
    }
    const OwnChartSite site(model.ownSite);
    return files.write(
               site.fileName() + ".frame.html",
               FramePage(HtmlText(site.pageName(), false), site.fileName().toLatin1(), true)) &&
           files.write(site.fileName() + ".html", NavigationPage(model, site));
}
