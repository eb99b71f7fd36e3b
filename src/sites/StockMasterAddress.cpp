#include "model/OptionTables.h"
#include "sites/OptionCode.h"
#include "sites/StockMaster.h"

namespace {
constexpr char Host[] = "https://www.stockmaster.com";
constexpr std::array<const char*, 10> TimeCodes{"1",  "2",  "3",  "6",  "ytd",
                                                "12", "24", "36", "60", "120"};
constexpr std::array<const char*, 2> PlotTypeCodes{"pr", "pct"};
constexpr std::array<const char*, 3> ScaleCodes{"li", "l", "lp"};
constexpr std::array<const char*, 3> QuotePieces{"", "&qo=b", "&qo=d"};
constexpr std::array<const char*, 5> CompIndexPieces{"", "&ci=I:%3ASPX", "&ci=I%3AINDU",
                                                     "&ci=I%3ACOMP", "&ci=I%3ATSEA"};
constexpr std::array<const char*, 15> MoveAvgCodes{"n",   "e5",  "e12",  "e13", "e20",
                                                   "e26", "e50", "e200", "s5",  "s12",
                                                   "s13", "s20", "s26",  "s50", "s200"};
constexpr std::array<const char*, 4> UpIndCodes{"n", "mae", "bb", "vbp"};
constexpr std::array<const char*, 10> LowIndCodes{"n",  "v",  "vp",  "ma",  "obv",
                                                  "mo", "wp", "rsi", "fst", "sst"};
constexpr std::array<const char*, 8> PriceDispCodes{"o", "l", "h", "m", "p", "s", "c", "cp"};
constexpr std::array<const char*, 8> ChartSizePieces{"&sz=s", "",      "&sz=t", "&sz=w",
                                                     "&sz=h", "&sz=2", "&sz=3", "&sz=st"};
constexpr std::array<const char*, 4> MenuTypeCodes{"b", "c", "t", "f"};

// "&cs=" and the comparison symbols that are set, or nothing when none is.
QString ComparisonSymbols(const std::array<QString, 5>& symbols) {
    QStringList set;
    for (const QString& symbol : symbols) {
        if (!symbol.isEmpty()) {
            set.append(symbol);
        }
    }
    return set.isEmpty() ? QString() : "&cs=" + set.join(QStringLiteral("%20"));
}
}  // namespace

ChartAddress StockMasterSite::chartAddress(const Model& model) const {
    using namespace StockMasterTables;
    const StockMasterSettings& s = model.stockMaster;
    const StockMasterSettings d;
    QString rest = QStringLiteral("&m=");
    rest += OptionCode(TimeCodes, Time(), s.Time, d.Time);
    rest += "&sm=";
    rest += OptionCode(PlotTypeCodes, PlotType(), s.PlotType, d.PlotType);
    rest += "&sc=";
    rest += OptionCode(ScaleCodes, Scale(), s.Scale, d.Scale);
    rest += OptionCode(QuotePieces, Quote(), s.Quote, d.Quote);
    if (s.Decimals) {
        rest += "&qd=d";
    }
    rest += OptionCode(CompIndexPieces, CompIndex(), s.CompIndex, d.CompIndex);
    rest += "&ma1=";
    rest += OptionCode(MoveAvgCodes, MoveAvg(), s.MoveAvg1, d.MoveAvg1);
    rest += "&ma2=";
    rest += OptionCode(MoveAvgCodes, MoveAvg(), s.MoveAvg2, d.MoveAvg2);
    rest += "&ui=";
    rest += OptionCode(UpIndCodes, UpInd(), s.UpInd, d.UpInd);
    rest += "&li=";
    rest += OptionCode(LowIndCodes, LowInd(), s.LowInd, d.LowInd);
    rest += ComparisonSymbols(s.CompSym);
    rest += "&t=";
    rest += OptionCode(PriceDispCodes, PriceDisp(), s.PriceDisp, d.PriceDisp);
    rest += OptionCode(ChartSizePieces, ChartSize(), s.ChartSize, d.ChartSize);
    rest += "&co=";
    rest += OptionCode(MenuTypeCodes, MenuType(), s.MenuType, d.MenuType);
    if (s.Splits) {
        rest += "&ss=1";
    }
    if (s.HiLow) {
        rest += "&shl=1";
    }
    return ChartAddress{{QString(Host) + "/exe/sm/chart?&Symbol=", rest}};
}
