#include "web/FramePages.h"

#include "web/HtmlColor.h"
#include "web/PageEnds.h"

namespace {
constexpr char ProductWebSite[] = "https://tickvane.org/";

QByteArray FramePage(const SiteInfo& site) {
    const QByteArray name = site.fileName.toLatin1();
    const QByteArray scrolling = site.id == SiteId::BigCharts ? "no" : "yes";
    return "<html><head><title>Stock charts from " + name +
           "</title></head><frameset cols=\"25%,75%\" rows=\"100%\">" + LineEnd +
           "<frame scrolling=\"yes\" name=\"left\" src=\"" + name + ".html\">" + LineEnd +
           "<frame scrolling=\"" + scrolling + "\" name=\"right\" src=\"blank.html\">" + LineEnd +
           "</frameset></html>" + LineEnd;
}

QByteArray BlankPage(const GeneralSettings& general) {
    return "<html><head></head><body" + BodyColors(general) + ">Produced by Tickvane version 1.0" +
           LineEnd + "<p>" + LineEnd + "Please visit <a href=\"" + ProductWebSite +
           "\">our web site</a>" + LineEnd + "to check for updates." + LineEnd + "</body></html>" +
           LineEnd;
}
}  // namespace

bool WriteFramePages(const Model& model, PageFiles& files) {
    for (SiteId id : AllSites) {
        const SiteInfo& site = Site(id);
        if (!files.write(site.fileName + ".frame.html", FramePage(site))) {
            return false;
        }
    }
    return files.write(QStringLiteral("blank.html"), BlankPage(model.general));
}
