#pragma once

#include <QCoreApplication>

#include <QString>

class CommandGuard;
class ListPreview;
class Platform;
class StockTree;
class Storage;
class UndoHistory;
struct ListReading;
struct Model;
struct OfferedList;

// Lists in and out: a list file chosen from the File menu, pasted into the tree or dropped on
// it opens the preview, which adds its stocks; the list is saved as CSV. A list that cannot be
// read is shown with the file (or "The pasted text") and the line of the problem.
class ListFileCommands {
    Q_DECLARE_TR_FUNCTIONS(ListFileCommands)

  public:
    ListFileCommands(Model& model, const Storage& storage, StockTree& tree, Platform& platform,
                     UndoHistory& history);
    ListFileCommands(const ListFileCommands&) = delete;
    ListFileCommands& operator=(const ListFileCommands&) = delete;

    void AddStocksFromList();
    void SaveListAsCsv();
    // Ctrl+V in the tree: the clipboard's file or text; a beep when it holds neither.
    void PasteList();
    // A file or text handed over; `textSource` names the text in messages, and `textType` the
    // type its rows start when the list has none (a file's rows start one named after it).
    // Whether the preview opened.
    bool TakeList(const OfferedList& offered, const QString& textSource, const QString& textType);

    ListPreview& preview();

  private:
    bool openPreview(const ListReading& reading, const QString& source, const QString& newType);
    QString proposedFile() const;

    Model& model_;
    const Storage& storage_;
    StockTree& tree_;
    Platform& platform_;
    UndoHistory& history_;
    ListPreview* preview_ = nullptr;  // owned by the tree's window
};

// Ctrl+V in the tree and drops of files or text on it open the preview, through `guard`; a
// drop is taken by the preview it opened.
void ConnectListFileCommands(StockTree& tree, ListFileCommands& commands, Platform& platform,
                             CommandGuard& guard);
