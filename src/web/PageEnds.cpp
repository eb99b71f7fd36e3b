#include "web/PageEnds.h"

#include "model/LinkableAddress.h"
#include "web/HtmlText.h"

#include <algorithm>

namespace {
// The link target of a custom link's action; none for a disabled link (or an action that
// only a hand-edited store can hold).
const char* CustomTarget(qint16 action) {
    switch (action) {
        case 1:
            return "right";
        case 2:
            return "new";
        default:
            return nullptr;
    }
}
}  // namespace

void WriteCustomLinks(std::string& page, const Model& model) {
    const bool noLineWraps = model.general.NoLineWraps;
    const bool anyLink = std::any_of(model.custom.begin(), model.custom.end(), [](const auto& e) {
        return CustomTarget(e.CustomURLAction) != nullptr;
    });
    if (!anyLink) {
        return;
    }
    AppendHtmlText(page, u"Custom URLs", noLineWraps);
    page += "<br>";
    page += LineEnd;
    for (const CustomURLEntry& entry : model.custom) {
        const char* target = CustomTarget(entry.CustomURLAction);
        if (!target) {
            continue;
        }
        const bool link = IsLinkableAddress(entry.CustomURL);
        if (link) {
            page += std::string("<a target=\"") + target + "\" href=\"";
            AppendHrefValue(page, entry.CustomURL);
            page += "\">";
        }
        AppendHtmlText(page, entry.CustomDesc, noLineWraps);
        page += link ? "</a><br>" : "<br>";
        page += LineEnd;
    }
    page += "<hr>";
    page += LineEnd;
}

void WriteOtherSitesAndClose(std::string& page, const Model& model, const ChartSiteList& sites,
                             const ChartSite& pageSite) {
    WriteCustomLinks(page, model);
    AppendHtmlText(page, u"Other sites", model.general.NoLineWraps);
    page += "<br>";
    page += LineEnd;
    for (const ChartSite* other : sites) {
        if (other != &pageSite && other->enabled(model)) {
            page +=
                "<a target=\"_top\" href=\"" + other->fileName().toStdString() + ".frame.html\">";
            AppendHtmlText(page, other->name(), model.general.NoLineWraps);
            page += "</a><br>";
            page += LineEnd;
        }
    }
    page += "</body></html>";
    page += LineEnd;
}
