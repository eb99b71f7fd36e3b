#include "sites/SiteDialog.h"

const SiteDialog& BigChartsDialog();
const SiteDialog& StockMasterDialog();
const SiteDialog& StockPointDialog();
const SiteDialog& YahooDialog();

const SiteDialog& SiteDialogOf(SiteId site) {
    switch (site) {
        case SiteId::BigCharts:
            return BigChartsDialog();
        case SiteId::StockMaster:
            return StockMasterDialog();
        case SiteId::StockPoint:
            return StockPointDialog();
        case SiteId::Yahoo:
            break;
    }
    return YahooDialog();
}
