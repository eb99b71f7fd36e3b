#pragma once

#include "model/ChartSiteSettings.h"
#include "model/SiteTable.h"

#include <QString>
#include <utility>
#include <vector>

struct Model;

// The working copy of the chart sites that an options dialog changes and applies on Done:
// every site as one row in the order of the pages, the built-in sites first, then the sites
// made from address templates. It also keeps the rule that the initial page's site stays in use.
class ChartSitesDraft {
  public:
    static constexpr int BuiltInRows = static_cast<int>(AllSites.size());

    explicit ChartSitesDraft(const Model& model);
    void apply(Model& model) const;

    int rowCount() const { return BuiltInRows + static_cast<int>(sites_.size()); }
    static bool isTemplate(int row) { return row >= BuiltInRows; }
    // A row as a chart site; a built-in one with its name, display, enabled flag, file name and
    // symbol forms.
    ChartSiteSettings site(int row) const;
    // Whether the row's pages are written.
    bool inUse(int row) const;
    const std::vector<ChartSiteSettings>& templateSites() const { return sites_; }
    void setTemplateSites(std::vector<ChartSiteSettings> sites) { sites_ = std::move(sites); }

    void setDisplay(int row, qint16 display);
    void setForms(int row, SymbolForms forms);
    // Enables or disables the row. A template site that breaks a rule stays disabled: the
    // answer is the message for the user, empty when the change was made.
    QString setEnabled(int row, bool enabled);
    // Moves a template site `by` rows among the template sites; false (nothing moves) for a
    // built-in row or a move past either end.
    bool move(int row, int by);
    // Why template site `row` cannot be removed: it is the initial page's site. Empty when it
    // can.
    QString removeProblem(int row, const QString& startPage) const;
    void remove(int row) { sites_.erase(sites_.begin() + (row - BuiltInRows)); }

    // The row of the site `startPage` names, or -1.
    int startRow(const QString& startPage) const;
    // Whether `startPage` names a site whose pages are written: the options refuse any other
    // initial page.
    bool startPageInUse(const QString& startPage) const;
    static QString startPageMessage();

  private:
    ChartSiteSettings& templateSite(int row) {
        return sites_[static_cast<size_t>(row - BuiltInRows)];
    }

    std::vector<ChartSiteSettings> sites_;
    PerSite<qint16> display_{};
    PerSite<bool> enabled_{};
    PerSite<SymbolForms> forms_;
};
