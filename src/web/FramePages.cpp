#include "web/FramePages.h"

#include "web/HtmlColor.h"
#include "web/PageEnds.h"

namespace {
constexpr char ProductWebSite[] = "https://tickvane.org/";

QByteArray BlankPage(const GeneralSettings& general) {
    return "<html><head></head><body" + BodyColors(general) + ">Produced by Tickvane version 1.0" +
           LineEnd + "<p>" + LineEnd + "Please visit <a href=\"" + ProductWebSite +
           "\">our web site</a>" + LineEnd + "to check for updates." + LineEnd + "</body></html>" +
           LineEnd;
}
}  // namespace

QByteArray FramePage(const QByteArray& title, const QByteArray& fileName, bool scrollChart) {
    const QByteArray scrolling = scrollChart ? "yes" : "no";
    return "<html><head><title>Stock charts from " + title +
           "</title></head><frameset cols=\"25%,75%\" rows=\"100%\">" + LineEnd +
           "<frame scrolling=\"yes\" name=\"left\" src=\"" + fileName + ".html\">" + LineEnd +
           "<frame scrolling=\"" + scrolling + "\" name=\"right\" src=\"blank.html\">" + LineEnd +
           "</frameset></html>" + LineEnd;
}

bool WriteFramePages(const Model& model, PageFiles& files) {
    for (SiteId id : AllSites) {
        const SiteInfo& site = Site(id);
        const QByteArray name = site.fileName.toLatin1();
        if (!files.write(site.fileName + ".frame.html",
                         FramePage(name, name, site.id != SiteId::BigCharts))) {
            return false;
        }
    }
    return files.write(QStringLiteral("blank.html"), BlankPage(model.general));
}
