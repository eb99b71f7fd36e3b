#include "web/FramePages.h"

#include "model/ProgramVersion.h"
#include "web/HtmlColor.h"
#include "web/HtmlText.h"
#include "web/PageEnds.h"

namespace {
constexpr char ProductWebSite[] = "https://tickvane.org/";

QByteArray BlankPage(const GeneralSettings& general) {
    return "<html><head></head><body" + BodyColors(general) + ">Produced by Tickvane version " +
           ProgramVersion().toLatin1() + LineEnd + "<p>" + LineEnd + "Please visit <a href=\"" +
           ProductWebSite + "\">our web site</a>" + LineEnd + "to check for updates." + LineEnd +
           "</body></html>" + LineEnd;
}

// The navigation page on the left, blank.html in the chart frame on the right.
QByteArray FramePage(const ChartSite& site) {
    const QByteArray scrolling = site.scrollsChartFrame() ? "yes" : "no";
    return "<html><head><title>Stock charts from " + HtmlText(site.frameTitle(), false) +
           "</title></head><frameset cols=\"25%,75%\" rows=\"100%\">" + LineEnd +
           "<frame scrolling=\"yes\" name=\"left\" src=\"" + site.fileName().toLatin1() +
           ".html\">" + LineEnd + "<frame scrolling=\"" + scrolling +
           "\" name=\"right\" src=\"blank.html\">" + LineEnd + "</frameset></html>" + LineEnd;
}
}  // namespace

bool WriteFramePages(const Model& model, const ChartSiteList& sites, PageFiles& files) {
    for (const ChartSite* site : sites) {
        if (site->framePageWritten(model) &&
            !files.write(site->fileName() + ".frame.html", FramePage(*site))) {
            return false;
        }
    }
    return files.write(QStringLiteral("blank.html"), BlankPage(model.general));
}
