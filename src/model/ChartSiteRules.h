#pragma once

#include "model/ChartSiteSettings.h"

#include <QString>
#include <span>

// The rules a template chart site must keep. Each check of sites[index] returns the message
// for the user, or an empty text when the site keeps the rule.

// A name is 1 to 40 characters, not blank, and differs, without regard to case, from the
// built-in sites' names and from every other site's name in `sites`.
QString NameProblem(std::span<const ChartSiteSettings> sites, size_t index);

// The name, then the address template (model/AddressTemplate.h).
QString ChartSiteProblem(std::span<const ChartSiteSettings> sites, size_t index);

// A file name is 1 to 40 of the characters a-z, 0-9 and "-", not one of the built-in sites'
// names, "index" or "blank", and not the file name of a site before it in `sites`.
QString FileNameProblem(std::span<const ChartSiteSettings> sites, size_t index);

// A file name made from `name` (lower case, other characters as "-") that keeps the rules
// and that no site in `sites` has.
QString FreshFileName(const QString& name, std::span<const ChartSiteSettings> sites);

// Enabled, with a template and a file name that can be used: its pages are written. A site
// spoilt by hand in the store is left out rather than writing links that lead nowhere.
bool ChartSiteInUse(const ChartSiteSettings& site);
