#include "ui/window/MainWindow.h"

#include "ui/kit/AccessibleName.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/TextFit.h"
#include "ui/kit/Twips.h"
#include "ui/window/AboutBox.h"
#include "ui/window/EditCommands.h"
#include "ui/window/EditMenu.h"
#include "ui/window/ListFileCommands.h"
#include "ui/window/OptionsMenu.h"
#include "ui/window/SessionRecovery.h"
#include "ui/window/StockTree.h"
#include "ui/window/TreeDrop.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>

namespace {
// Designed client area below the menu bar, in twips.
constexpr int ClientWidth = 7356;
constexpr int ClientHeight = 4956;
const QColor StripGrey(128, 128, 128);

struct ButtonSpec {
    const char* name;
    int top;  // every button of a frame shares left, width and height
    const char* caption;
    const char* tooltip;
};

// Captions and tooltips are translated where the buttons are made.
constexpr ButtonSpec EditButtonSpecs[] = {
    {"MoveUp", 240, QT_TRANSLATE_NOOP("MainWindow", "Move &up"),
     QT_TRANSLATE_NOOP("MainWindow", "Move stock or category up")},
    {"MoveDown", 840, QT_TRANSLATE_NOOP("MainWindow", "Move &down"),
     QT_TRANSLATE_NOOP("MainWindow", "Move stock or category down")},
    {"Edit", 1440, QT_TRANSLATE_NOOP("MainWindow", "&Edit"),
     QT_TRANSLATE_NOOP("MainWindow", "Edit highlighted stock or category")},
    //: Button: moves the highlighted stock to another type (category of stocks).
    {"ChangeType", 2040, QT_TRANSLATE_NOOP("MainWindow", "Change &type"),
     QT_TRANSLATE_NOOP("MainWindow", "Change category of highlighted stock")},
    {"AddStock", 2640, QT_TRANSLATE_NOOP("MainWindow", "Add &stock"),
     QT_TRANSLATE_NOOP("MainWindow", "Add a stock just below the currently highlighted item")},
    //: Button: adds a type (a category of stocks).
    {"AddType", 3240, QT_TRANSLATE_NOOP("MainWindow", "&Add type"),
     QT_TRANSLATE_NOOP("MainWindow", "Add a new category at the end of the list")},
    {"Delete", 3840, QT_TRANSLATE_NOOP("MainWindow", "Delete"),
     QT_TRANSLATE_NOOP("MainWindow", "Delete the highlighted item")},
};

constexpr ButtonSpec GenerateSpec{
    "GenerateWebPages", 240, QT_TRANSLATE_NOOP("MainWindow", "&Generate web pages"),
    QT_TRANSLATE_NOOP("MainWindow", "Generate web pages using current settings")};
constexpr ButtonSpec BrowserSpec{
    "StartBrowser", 1080, QT_TRANSLATE_NOOP("MainWindow", "Start default &web browser"),
    QT_TRANSLATE_NOOP("MainWindow", "Start the system-default web browser")};

QFrame* makeFrame(QWidget* parent, const char* name, QRect twips) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    PlaceAt(*frame, twips);
    return frame;
}

// A borderless grey band across the top edge of a frame.
QWidget* makeStrip(QWidget* parent, const char* name, QRect twips) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, StripGrey);
    strip->setPalette(palette);
    PlaceAt(*strip, twips);
    return strip;
}

QPushButton* makeButton(QWidget* frame, const ButtonSpec& spec, int width, int height) {
    QPushButton* button = AddButton(frame, QLatin1String(spec.name),
                                    QCoreApplication::translate("MainWindow", spec.caption),
                                    QRect(120, spec.top, width, height));
    button->setToolTip(QCoreApplication::translate("MainWindow", spec.tooltip));
    return button;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}
}  // namespace

MainWindow::MainWindow(Model& model, const Storage& storage, Platform& platform, QWidget* parent)
    : QMainWindow(parent), model_(model), storage_(storage), platform_(platform) {
    setWindowTitle(QStringLiteral("Tickvane"));
    AnnounceDropDownsByName();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(client);
    buildMenus();  // first: the window's size includes the menu bar
    buildFrames(client);
    fileCommands_ =
        std::make_unique<FileCommands>(model_, storage_, platform_, *tree_, *this, history_);
    pageCommands_ = std::make_unique<PageCommands>(model_, platform_, *tree_);
    helpCommands_ = std::make_unique<HelpCommands>(model_, platform_);
    guard_.connectCommand(generateWebPages_, &QPushButton::clicked,
                          [this] { pageCommands_->GenerateWebPages(); });
    guard_.connectCommand(startBrowser_, &QPushButton::clicked,
                          [this] { pageCommands_->StartBrowser(); });
    editCommands_ = std::make_unique<EditCommands>(model_, *tree_, platform_, history_);
    ConnectEditCommands(*this, *tree_, *editCommands_, guard_);
    listFileCommands_ =
        std::make_unique<ListFileCommands>(model_, storage_, *tree_, platform_, history_);
    ConnectListFileCommands(*tree_, *listFileCommands_, platform_, guard_);
    FillEditMenu(*editMenu_, model_, *tree_, platform_, history_, *listFileCommands_, guard_);
    ConnectTreeDrops(*tree_, model_, history_, guard_);
    ConnectOptionsMenu(options_, model_, *tree_, platform_, history_, guard_);
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFrames(QWidget* client) {
    QFrame* treeFrame = makeFrame(client, "WebTreeFrame", QRect(360, 240, 2892, 4452));
    QWidget* treeStrip = makeStrip(treeFrame, "Filler1", QRect(0, 0, 3000, 112));
    tree_ = new StockTree(model_, treeFrame);
    PlaceAt(*tree_, 120, 240, 2652, 4116);

    QFrame* editFrame = makeFrame(client, "EditFrame", QRect(3600, 240, 1452, 4452));
    makeStrip(editFrame, "Filler2", QRect(0, 0, 1600, 108));
    // The editing commands find their buttons by name.
    for (const ButtonSpec& spec : EditButtonSpecs) {
        makeButton(editFrame, spec, 1212, 492);
    }

    QFrame* browserFrame = makeFrame(client, "BrowserFrame", QRect(5400, 240, 1692, 1932));
    makeStrip(browserFrame, "Filler3", QRect(0, 0, 1800, 112));
    generateWebPages_ = makeButton(browserFrame, GenerateSpec, 1452, 732);
    startBrowser_ = makeButton(browserFrame, BrowserSpec, 1452, 732);

    setTwoLineCaptions();
    // The designed client area lies below the menu bar; longer captions widen it.
    const QSize designed(LayoutPixels(*this, ClientWidth),
                         LayoutPixels(*this, ClientHeight) + menuBar()->sizeHint().height());
    resize(designed + FitChildrenToTexts(*client));
    layout_ = std::make_unique<ResizeLayout>(
        ResizeLayout::Widgets{treeFrame, tree_, treeStrip, editFrame, browserFrame}, size());
    setMinimumSize(size());
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File"));
    guard_.connectCommand(addItem(file, "SaveSettings", tr("&Save settings")), &QAction::triggered,
                          [this] { fileCommands_->SaveSettings(); });
    guard_.connectCommand(addItem(file, "ClearSettings", tr("&Clear settings")),
                          &QAction::triggered, [this] { fileCommands_->ClearSettings(); });
    guard_.connectCommand(addItem(file, "ExportSettings", tr("&Export settings")),
                          &QAction::triggered, [this] { fileCommands_->ExportSettings(); });
    guard_.connectCommand(addItem(file, "ImportSettings", tr("&Import settings")),
                          &QAction::triggered, [this] { fileCommands_->ImportSettings(); });
    guard_.connectCommand(addItem(file, "AddStocksFromList", tr("&Add stocks from list…")),
                          &QAction::triggered, [this] { listFileCommands_->AddStocksFromList(); });
    // "&Clear settings" has the C.
    guard_.connectCommand(addItem(file, "SaveListAsCsv", tr("Save list as CS&V…")),
                          &QAction::triggered, [this] { listFileCommands_->SaveListAsCsv(); });
    guard_.connectCommand(addItem(file, "Exit", tr("E&xit")), &QAction::triggered,
                          [this] { close(); });

    // Alt+E is the Edit button's.
    editMenu_ = menuBar()->addMenu(tr("Ed&it"));
    editMenu_->setObjectName(QStringLiteral("EditMenu"));

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options"));
    options_ = AddOptionsItems(*options);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    guard_.connectCommand(addItem(help, "DocMenu", tr("&View documentation")), &QAction::triggered,
                          [this] { helpCommands_->ViewDocumentation(); });
    guard_.connectCommand(addItem(help, "About", tr("&About")), &QAction::triggered,
                          [this] { showAboutBox(); });
}

void MainWindow::setTwoLineCaptions() {
    //: "&Generate web pages" broken over two lines.
    generateWebPages_->setText(tr("&Generate\nweb pages"));
    //: "Start default &web browser" broken over two lines.
    startBrowser_->setText(tr("Start default\n&web browser"));
}

void MainWindow::startUp() {
    fileCommands_->LoadSettings();
    OfferRecovery(model_, storage_, platform_);
    recovery_ = std::make_unique<SessionRecovery>(model_, storage_, *this, platform_,
                                                  [this] { return fileCommands_->knownStore(); });
    tree_->Fill_tree(0, -1);
}

void MainWindow::showAboutBox() {
    if (!aboutBox_) {
        aboutBox_ = new AboutBox(this);
        connect(aboutBox_, &QDialog::finished, tree_, &StockTree::WebTree_GiveFocus);
    }
    aboutBox_->open();
}

bool MainWindow::Exit() {
    ExitCancelled = !fileCommands_->ConfirmExit();
    return !ExitCancelled;
}

void MainWindow::EndWithoutAsking() {
    recovery_->keep();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (Exit()) {
        recovery_->discard();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Maximised or full screen, the window is laid out as when dragged to that size; minimised,
    // it keeps the layout it had.
    if (!isMinimized()) {
        layout_->apply(size());
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A window restored from the task bar may have been resized while it was minimised.
    if (event->type() == QEvent::WindowStateChange && layout_ && !isMinimized()) {
        layout_->apply(size());
    }
}

TwipsGeometry MainWindow::current() const {
    // A maximised or minimised window reports the place it returns to.
    const QRect r =
        isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
    return {PixelsToTwips(r.top()), PixelsToTwips(r.left()), PixelsToTwips(r.height()),
            PixelsToTwips(r.width())};
}

bool MainWindow::knowsPosition() const {
    // Wayland keeps a window's place on the screen from the window ("wayland", "wayland-egl").
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void MainWindow::place(const TwipsGeometry& geometry) {
    // The minimum size keeps a stored size below the designed one from shrinking the layout.
    const QRect placed(TwipsToPixels(geometry.Left), TwipsToPixels(geometry.Top),
                       TwipsToPixels(geometry.Width), TwipsToPixels(geometry.Height));
    // A place on a screen that is no longer attached would hide the window. Position and
    // size are those of the client area, as current() reports them.
    if (QGuiApplication::screenAt(placed.center())) {
        setGeometry(placed);
    } else {
        resize(placed.size());
    }
}
