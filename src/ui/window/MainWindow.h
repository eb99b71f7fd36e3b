#pragma once

#include "model/Model.h"
#include "settings/Storage.h"
#include "settings/WindowGeometry.h"
#include "ui/kit/CommandGuard.h"
#include "ui/platform/Platform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/window/FileCommands.h"
#include "ui/window/HelpCommands.h"
#include "ui/window/OptionsMenu.h"
#include "ui/window/PageCommands.h"
#include "ui/window/ResizeLayout.h"

#include <QMainWindow>
#include <memory>

class AboutBox;
class EditCommands;
class ListFileCommands;
class QAction;
class QMenu;
class QPushButton;
class SessionRecovery;
class StockTree;

// The program's one top-level window: the tree of types and stocks, the column of editing
// buttons, the two page buttons and the menus. Creating it loads the settings and fills the
// tree; closing it asks to save unsaved changes.
class MainWindow : public QMainWindow, public WindowGeometry {
    Q_OBJECT
  public:
    MainWindow(Model& model, const Storage& storage, Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    StockTree& tree() const { return *tree_; }

    // The exit command: false when the user cancelled the save question.
    bool Exit();
    bool ExitCancelled = false;
    // Ends the program as Exit would, without asking: unsaved changes stay in the recovery file.
    void EndWithoutAsking();

    TwipsGeometry current() const override;
    void place(const TwipsGeometry& geometry) override;
    bool knowsPosition() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildFrames(QWidget* client);
    void buildMenus();
    void setTwoLineCaptions();
    void startUp();
    void showAboutBox();

    Model& model_;
    const Storage& storage_;
    Platform& platform_;
    // Every command of the window starts through it.
    CommandGuard guard_{platform_};
    UndoHistory history_{model_, guard_};
    StockTree* tree_ = nullptr;
    OptionsItems options_{};
    QMenu* editMenu_ = nullptr;
    QPushButton* generateWebPages_ = nullptr;
    QPushButton* startBrowser_ = nullptr;
    std::unique_ptr<ResizeLayout> layout_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<PageCommands> pageCommands_;
    std::unique_ptr<HelpCommands> helpCommands_;
    std::unique_ptr<EditCommands> editCommands_;
    std::unique_ptr<ListFileCommands> listFileCommands_;
    std::unique_ptr<SessionRecovery> recovery_;
    AboutBox* aboutBox_ = nullptr;
};
