#include "ui/window/ListFileCommands.h"

#include "listfiles/ListFile.h"
#include "model/Model.h"
#include "settings/Storage.h"
#include "ui/kit/CommandGuard.h"
#include "ui/lists/ListPreview.h"
#include "ui/platform/Platform.h"
#include "ui/window/StockTree.h"

namespace {
// Translated where a file dialog shows them.
const char* const ListFilters =
    QT_TRANSLATE_NOOP("ListFileCommands", "Lists (*.csv *.txt);;All files (*)");
}  // namespace

ListFileCommands::ListFileCommands(Model& model, const Storage& storage, StockTree& tree,
                                   Platform& platform, UndoHistory& history)
    : model_(model), storage_(storage), tree_(tree), platform_(platform), history_(history) {}

ListPreview& ListFileCommands::preview() {
    if (!preview_) {
        preview_ = new ListPreview(model_, tree_, platform_, history_, tree_.window());
    }
    return *preview_;
}

QString ListFileCommands::proposedFile() const {
    return model_.general.HtmlDir + QStringLiteral("tickvane.csv");
}

void ListFileCommands::AddStocksFromList() {
    const QString file = platform_.chooseOpenFile(model_.general.HtmlDir, tr(ListFilters));
    if (file.isEmpty()) {
        tree_.WebTree_GiveFocus();
        return;
    }
    openPreview(ReadListFile(file), ListFileSource(file), ListTypeName(file));
}

void ListFileCommands::SaveListAsCsv() {
    const QString file = platform_.chooseSaveFile(proposedFile(), tr(ListFilters));
    if (!file.isEmpty()) {
        if (const QString failure = storage_.exportList(model_.list, file); !failure.isEmpty()) {
            platform_.message(failure);
        }
    }
    tree_.WebTree_GiveFocus();
}

void ListFileCommands::PasteList() {
    const OfferedList offered = platform_.clipboardList();
    if (offered.empty()) {
        platform_.beep();
        return;
    }
    TakeList(offered, tr("The pasted text"),
             //: The name proposed for a new type (category of stocks) of pasted rows.
             tr("Pasted"));
}

bool ListFileCommands::TakeList(const OfferedList& offered, const QString& textSource,
                                const QString& textType) {
    return offered.file.isEmpty()
               ? openPreview(ReadListText(offered.text), textSource, textType)
               : openPreview(ReadListFile(offered.file), ListFileSource(offered.file),
                             ListTypeName(offered.file));
}

bool ListFileCommands::openPreview(const ListReading& reading, const QString& source,
                                   const QString& newType) {
    if (!reading.error.isEmpty()) {
        platform_.message(ListReadingMessage(source, reading));
        tree_.WebTree_GiveFocus();
        return false;
    }
    preview().List_init(reading, newType);
    preview().open();
    return true;
}

void ConnectListFileCommands(StockTree& tree, ListFileCommands& commands, Platform& platform,
                             CommandGuard& guard) {
    guard.connectCommand(&tree, &StockTree::pasteRequested, [&commands] { commands.PasteList(); });
    platform.acceptDrops(*tree.viewport(), [&commands, &guard](const OfferedList& offered) {
        QDialog* taker = nullptr;
        guard.run([&] {
            if (commands.TakeList(
                    offered, QCoreApplication::translate("ListFileCommands", "The dropped text"),
                    //: The name proposed for a new type (category of stocks) of dropped rows.
                    QCoreApplication::translate("ListFileCommands", "Dropped"))) {
                taker = &commands.preview();
            }
        });
        return taker;
    });
}
