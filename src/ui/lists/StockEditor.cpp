#include "ui/lists/StockEditor.h"

#include "model/Markets.h"
#include "model/SiteTable.h"
#include "model/StockEntry.h"
#include "model/SymbolForms.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/AddressQuestion.h"
#include "ui/kit/DialogLayout.h"
#include "ui/kit/DropHeight.h"
#include "ui/kit/ExchangePicker.h"
#include "ui/kit/StockView.h"
#include "ui/kit/TrimmedField.h"
#include "ui/kit/UpperCaseField.h"
#include "ui/kit/WebAddressField.h"
#include "ui/platform/Platform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>

namespace {
// Every field sits at the same place inside its own frame.
constexpr int FieldLeft = 240;
constexpr int FieldTop = 240;
constexpr int FieldHeight = 288;
constexpr int AlternateFieldWidth = 1452;
constexpr int PickerDropItems = 22;  // item heights, the closed box included

// The exchange's row, below the web page's, moves the alternate symbols and the buttons down.
constexpr int RowPitch = 840;
constexpr int ExchangeTop = 1920 + RowPitch;
constexpr int AlternatesTop = 2880 + RowPitch;

// The alternate symbols' frames, in site order down the two columns of the frame that holds
// them. Rows past the second make that frame, and the dialog with it, taller.
constexpr int AlternateRows = static_cast<int>(SiteCount + 1) / 2;
constexpr int AlternatePitch = 720;
constexpr int AlternatesExtra = (AlternateRows - 2) * AlternatePitch;
constexpr int ExtraHeight = RowPitch + AlternatesExtra;
QRect alternateFrameTwips(std::size_t site) {
    const int column = static_cast<int>(site) / AlternateRows;
    const int row = static_cast<int>(site) % AlternateRows;
    return QRect(120 + column * 2040, 360 + row * AlternatePitch, 1812, 612);
}

template <typename Field>
Field* addFramedField(QWidget* parent, const QString& caption, const QString& name,
                      const QRect& frame, int fieldWidth) {
    return AddFramedControl<Field>(parent, caption, name, frame,
                                   QRect(FieldLeft, FieldTop, fieldWidth, FieldHeight));
}
}  // namespace

StockEditor::StockEditor(Model& model, StockView& tree, Platform& platform, UndoHistory& history,
                         QWidget* parent)
    : ModelDialog(
          model, tree, platform,
          {QStringLiteral("NewStock"), tr("New or updated stock"), QSize(6120, 5556 + ExtraHeight),
           QRect(3840, 5040 + ExtraHeight, 972, 272), QRect(5040, 5040 + ExtraHeight, 972, 272)},
          parent),
      symbDef_(addFramedField<QLineEdit>(this, tr("Default &symbol"), QStringLiteral("SymbDef"),
                                         QRect(360, 240, 2532, 612), 2172)),
      //: the type (category) the stock belongs to
      typePicker_(addFramedField<QComboBox>(this, tr("&Type"), QStringLiteral("TypePicker"),
                                            QRect(3120, 240, 2652, 612), 2292)),
      typePickerFrame_(static_cast<QGroupBox*>(typePicker_->parentWidget())),
      descrip_(addFramedField<QLineEdit>(this, tr("&Name or description"),
                                         QStringLiteral("Descrip"), QRect(360, 1080, 5412, 612),
                                         5052)),
      webURL_(addFramedField<WebAddressField>(this, tr("&Web page"), QStringLiteral("WebURL"),
                                              QRect(360, 1920, 5412, 612), 5052)),
      exchange_(addFramedField<ExchangePicker>(this, tr("E&xchange"), QStringLiteral("Exchange"),
                                               QRect(360, ExchangeTop, 5412, 612), 5052)),
      history_(history) {
    KeepUpperCase(*symbDef_);
    LimitDropHeight(*typePicker_, PickerDropItems);
    webURL_->setToolTip(tr("Company web site or other URL"));
    buildExchange();
    buildAlternateSymbols();
    std::vector<QWidget*> order{symbDef_, typePicker_, descrip_, webURL_, exchange_};
    order.insert(order.end(), alternates_.begin(), alternates_.end());
    chainTabOrder(order);
}

void StockEditor::buildExchange() {
    // Its line edit carries the name too, so that the field is found by it whichever part
    // is asked for.
    exchange_->lineEdit()->setObjectName(exchange_->objectName());
    LimitDropHeight(*exchange_, PickerDropItems);
    NameAfterFrame(*exchange_);
    exchange_->setToolTip(
        tr("The market the stock trades on, such as XLON: chart sites with a "
           "symbol form for it make their symbol for the stock from it"));
}

void StockEditor::buildAlternateSymbols() {
    QGroupBox* all = AddFrame(this, tr("Fill these in if different sites use different symbols"),
                              360, AlternatesTop, 4212, 1932 + AlternatesExtra);
    all->setObjectName(QStringLiteral("AlternateSymbolsFrame"));
    for (SiteId site : AllSites) {
        const auto n = static_cast<std::size_t>(site);
        QLineEdit* field = addFramedField<QLineEdit>(
            all, QCoreApplication::translate("SiteTable", Site(site).symbolCaption),
            QStringLiteral("Alt_") + Site(site).name, alternateFrameTwips(n), AlternateFieldWidth);
        KeepUpperCase(*field);
        alternates_[n] = field;
    }
}

bool StockEditor::Stock_init(bool addMode) {
    const StockList& list = model_.list;
    if (addMode && list.Maxtypes < 0) {
        platform_.message(tr("You must define at least one type before adding stocks"));
        return false;
    }
    const TreeSelection selection = tree_.selection();
    if (addMode ? selection.kind == TreeSelection::Kind::None : !selection.isStock()) {
        platform_.beep();
        return false;
    }
    addMode_ = addMode;
    if (addMode) {
        initAdd(selection);
    } else {
        initEdit(selection);
    }
    targetType_ = typeNo_;
    fillTypePicker();
    filledFrom_.take(list, selection.isStock() ? selection.stock : -1);
    return true;
}

void StockEditor::initEdit(const TreeSelection& selection) {
    stockNo_ = selection.stock;
    typeNo_ = selection.type;
    showRecord(model_.list.stocks[stockNo_]);
    typePicker_->setEnabled(false);
    // A disabled control shows no tooltip, so its frame explains.
    typePickerFrame_->setToolTip(
        tr("Use change type button on main screen to change type of an existing stock"));
}

void StockEditor::initAdd(const TreeSelection& selection) {
    typePicker_->setEnabled(true);
    typePickerFrame_->setToolTip(QString());
    showRecord(StockRecord{});
    typeNo_ = selection.type;
    atTypeStart_ = selection.isType();
    stockNo_ = atTypeStart_ ? model_.list.types[typeNo_].Lowstock : selection.stock;
}

void StockEditor::fillTypePicker() {
    typePicker_->clear();
    for (qint16 t = 0; t <= model_.list.Maxtypes; ++t) {
        typePicker_->addItem(model_.list.types[t].Type);
    }
    typePicker_->setCurrentIndex(typeNo_);
}

void StockEditor::showRecord(const StockRecord& stock) {
    symbDef_->setText(stock.Stock);
    descrip_->setText(stock.Description);
    webURL_->setText(stock.URL);
    exchange_->setCode(stock.Exchange);
    for (SiteId site : AllSites) {
        ForSite(alternates_, site)->setText(ForSite(stock.Alternates, site));
    }
}

StockRecord StockEditor::record() const {
    StockRecord stock;
    stock.Stock = symbDef_->text();
    stock.Description = descrip_->text();
    stock.URL = webURL_->text();
    stock.Exchange = exchange_->code();
    for (SiteId site : AllSites) {
        ForSite(stock.Alternates, site) = ForSite(alternates_, site)->text();
    }
    return stock;
}

bool StockEditor::applyChanges() {
    if (!filledFrom_.stillHeldBy(model_.list, platform_)) {
        return true;  // closes, nothing applied
    }
    model_.SettingsChanged = true;
    showRecord(TidyStockEntry(record()));
    if (symbDef_->text().isEmpty() || descrip_->text().isEmpty()) {
        platform_.message(tr("You must enter both a default symbol and a description."));
        (symbDef_->text().isEmpty() ? symbDef_ : descrip_)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (const QString exchange = exchange_->code();
        !exchange.isEmpty() && !IsMarketCode(exchange)) {
        platform_.message(ExchangeProblem(exchange) + u'.');
        exchange_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!KeepAddress(platform_, *webURL_)) {
        return false;
    }
    if (typePicker_->currentIndex() != typeNo_) {
        targetType_ = static_cast<qint16>(typePicker_->currentIndex());
        atTypeStart_ = true;
    }
    if (addMode_) {
        addStock(record());
    } else if (record() != model_.list.stocks[stockNo_]) {
        history_.push(EditStockStep(model_, tree_, stockNo_, record()));
    }
    return true;
}

void StockEditor::addStock(const StockRecord& stock) {
    const StockList& list = model_.list;
    const qint16 position =
        atTypeStart_ ? list.types[targetType_].Lowstock : static_cast<qint16>(stockNo_ + 1);
    const qint16 owner = atTypeStart_ ? targetType_ : list.StockTypeIndex[stockNo_];
    history_.push(AddStockStep(model_, tree_, position, owner, stock));
}

QWidget& StockEditor::firstField() {
    return *symbDef_;
}
