#include "model/StartPage.h"

#include "model/ChartSitesDraft.h"

bool NamesSite(const Model& model, const QString& startPage) {
    return ChartSitesDraft(model).startRow(startPage) >= 0;
}
