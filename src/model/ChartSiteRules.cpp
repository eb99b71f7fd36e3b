#include "model/ChartSiteRules.h"

#include "model/AddressTemplate.h"
#include "model/SiteTable.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsReserved(const QString& fileName) {
    return fileName == u"index" || fileName == u"blank" ||
           std::any_of(AllSites.begin(), AllSites.end(),
                       [&](SiteId id) { return Site(id).fileName == fileName; });
}

bool HasFileNameForm(const QString& fileName) {
    return !fileName.isEmpty() && fileName.size() <= FileNameLimit &&
           std::all_of(fileName.begin(), fileName.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-';
           });
}

bool FileNameTaken(const QString& fileName, std::span<const ChartSiteSettings> sites) {
    return IsReserved(fileName) ||
           std::any_of(sites.begin(), sites.end(),
                       [&](const ChartSiteSettings& site) { return site.FileName == fileName; });
}

// Lower-case ASCII letters and digits of `name`, accents dropped, every other run of
// characters as one "-".
QString FileNameStem(const QString& name) {
    QString stem;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark()) {
            continue;
        }
        const QChar lower = c.toLower();
        const bool kept = (lower >= u'a' && lower <= u'z') || (lower >= u'0' && lower <= u'9');
        if (kept) {
            stem += lower;
        } else if (!stem.isEmpty() && !stem.endsWith(u'-')) {
            stem += u'-';
        }
    }
    stem.truncate(FileNameLimit);
    while (stem.endsWith(u'-')) {
        stem.chop(1);
    }
    return stem.isEmpty() ? QStringLiteral("site") : stem;
}
}  // namespace

QString NameProblem(std::span<const ChartSiteSettings> sites, size_t index) {
    const QString& name = sites[index].Name;
    if (name.trimmed().isEmpty()) {
        return QCoreApplication::translate("ChartSiteRules",
                                           "Please enter a name for the chart site.");
    }
    if (name.size() > ChartSiteNameLimit) {
        return QCoreApplication::translate("ChartSiteRules",
                                           "The name of the chart site may be at most %n "
                                           "characters long.",
                                           nullptr, ChartSiteNameLimit);
    }
    const bool builtIn = std::any_of(AllSites.begin(), AllSites.end(),
                                     [&](SiteId id) { return SameName(Site(id).name, name); });
    bool taken = false;
    for (size_t i = 0; i < sites.size() && !taken; ++i) {
        taken = i != index && SameName(sites[i].Name, name);
    }
    if (builtIn || taken) {
        return QCoreApplication::translate("ChartSiteRules",
                                           "There is already a chart site named \"%1\".")
            .arg(name);
    }
    return {};
}

QString ChartSiteProblem(std::span<const ChartSiteSettings> sites, size_t index) {
    const QString problem = NameProblem(sites, index);
    return problem.isEmpty() ? ParseAddressTemplate(sites[index].Template).problem : problem;
}

QString FileNameProblem(std::span<const ChartSiteSettings> sites, size_t index) {
    const QString& fileName = sites[index].FileName;
    if (!HasFileNameForm(fileName)) {
        return QCoreApplication::translate(
                   "ChartSiteRules",
                   "The file name \"%1\" must be 1 to %n lower-case letters, digits and \"-\".",
                   nullptr, FileNameLimit)
            .arg(fileName);
    }
    if (IsReserved(fileName)) {
        return QCoreApplication::translate("ChartSiteRules", "The file name \"%1\" is reserved.")
            .arg(fileName);
    }
    if (FileNameTaken(fileName, sites.first(index))) {
        return QCoreApplication::translate("ChartSiteRules",
                                           "The file name \"%1\" is already used by another "
                                           "chart site.")
            .arg(fileName);
    }
    return {};
}

QString FreshFileName(const QString& name, std::span<const ChartSiteSettings> sites) {
    const QString stem = FileNameStem(name);
    QString fileName = stem;
    for (int n = 2; FileNameTaken(fileName, sites); ++n) {
        const QString suffix = u'-' + QString::number(n);
        QString base = stem.first(std::min(stem.size(), FileNameLimit - suffix.size()));
        while (base.endsWith(u'-')) {
            base.chop(1);
        }
        fileName = base + suffix;
    }
    return fileName;
}

bool ChartSiteInUse(const ChartSiteSettings& site) {
    return site.Enabled && HasFileNameForm(site.FileName) && !IsReserved(site.FileName) &&
           ParseAddressTemplate(site.Template).address.has_value();
}
