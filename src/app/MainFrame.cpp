#include "app/MainFrame.h"

#include "app/KeyboardLocks.h"
#include "app/SettingsStore.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "platform/MenuResource.h"
#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
#include "print/PaperLayout.h"
#include "view/ViewGeometry.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace quenby {

namespace {

constexpr std::array<int, 4> kComboIds{cmd::kZoomList, cmd::kPaperList, cmd::kAcrossList,
                                       cmd::kDownList};
constexpr std::array<int, 4> kComboWidths{100, 100, 120, 120};
// What each list chooses, for screen readers: "Zoom", "Tamaño de papel", "Páginas al
// lado", "Páginas abajo".
constexpr std::array<int, 4> kComboNames{str::kZoomLabel, str::kPaperSizeLabel, str::kPagesAcross,
                                         str::kPagesDown};
constexpr std::array<int, 4> kPaneIds{2000, 2001, 2002, 2003};
constexpr std::array<int, 4> kPaneChars{20, 6, 7, 7};

Qt::ToolBarArea AreaOf(DockLocation location) {
    switch (location) {
        case kDockBottom:
            return Qt::BottomToolBarArea;
        case kDockLeft:
            return Qt::LeftToolBarArea;
        case kDockRight:
            return Qt::RightToolBarArea;
        default:
            return Qt::TopToolBarArea;
    }
}

DockLocation LocationOf(Qt::ToolBarArea area) {
    switch (area) {
        case Qt::BottomToolBarArea:
            return kDockBottom;
        case Qt::LeftToolBarArea:
            return kDockLeft;
        case Qt::RightToolBarArea:
            return kDockRight;
        default:
            return kDockTop;
    }
}

// A title-less, fixed dock for the strips that are not toolbars (rulers, bottom strip).
QDockWidget* MakeStripDock(QMainWindow* frame, QWidget* content, const QString& name) {
    auto* dock = new QDockWidget(frame);
    dock->setObjectName(name);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setWidget(content);
    return dock;
}

}  // namespace

MainFrame::MainFrame(CommandTable& commands, const ToolbarOptions& options, QWidget* parent)
    : QMainWindow(parent), commands_(commands), options_(options) {
    setObjectName(QStringLiteral("WEXMOORARTSCLASS"));
    setWindowIcon(ResourceIcon(990));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    gadgetStore_ = new QWidget(this);
    gadgetStore_->hide();
    BuildComboBoxes();
    BuildToolbars();
    BuildStatusBar();

    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("BottomStrip"));
    strip->setMinimumSize(100, 18);
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Button);
    bottomStrip_ = MakeStripDock(this, strip, QStringLiteral("BottomStrip"));
    bottomStrip_->setFixedHeight(18);
    addDockWidget(Qt::BottomDockWidgetArea, bottomStrip_);
}

MainFrame::~MainFrame() = default;

void MainFrame::BuildMenus() {
    for (const MenuGroup& group : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(group.title));
        menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
        for (const MenuItem& item : group.items) {
            if (item.command == cmd::kSeparator) {
                menu->addSeparator();
            } else if (QAction* action = commands_.Action(item.command)) {
                menu->addAction(action);
            }
        }
        // The enablers run whenever a menu opens.
        connect(menu, &QMenu::aboutToShow, &commands_, &CommandTable::Refresh);
    }
    // The keys work while the frame is active, whether a menu or a toolbar shows the
    // command or not.
    for (int id : commands_.Ids()) {
        QAction* action = commands_.Action(id);
        if (!action->shortcuts().isEmpty()) {
            addAction(action);
        }
    }
}

void MainFrame::BuildComboBoxes() {
    for (std::size_t i = 0; i < combos_.size(); ++i) {
        auto* combo = new QComboBox(gadgetStore_);
        combo->setObjectName(QStringLiteral("Combo%1").arg(kComboIds[i]));
        // On Linux the bus names a list by its current choice; what it chooses goes
        // in the description there, in the name elsewhere.
        combo->setAccessibleName(ResourceString(kComboNames[i]).trimmed());
        combo->setAccessibleDescription(combo->accessibleName());
        combo->setFixedWidth(kComboWidths[i]);
        combo->setMaxVisibleItems(10);       // about 200 pixels when dropped
        combo->setFocusPolicy(Qt::NoFocus);  // the keys stay with the page view
        combo->setEnabled(false);
        const int id = kComboIds[i];
        connect(combo, &QComboBox::activated, this,
                [this, id](int row) { emit comboChanged(id, row); });
        combos_[i] = combo;
    }
}

QComboBox* MainFrame::comboById(int id) const {
    for (std::size_t i = 0; i < kComboIds.size(); ++i) {
        if (kComboIds[i] == id) {
            return combos_[i];
        }
    }
    return nullptr;
}

void MainFrame::FillComboBoxes() {
    QComboBox* zoom = zoomList();
    zoom->clear();
    zoom->addItems({ResourceString(8030), ResourceString(8031), ResourceString(8032)});
    for (int percent : {10, 25, 50, 75, 100, 125, 150, 175, 200, 250, 300}) {
        zoom->addItem(QStringLiteral("%1%").arg(percent));
    }
    zoom->setCurrentIndex(2);

    QComboBox* paper = paperList();
    paper->clear();
    for (int row = 0; row < PaperTable::kRows; ++row) {
        paper->addItem(PaperTable::ListText(row));
    }
    paper->setCurrentIndex(1);

    QComboBox* across = acrossList();
    QComboBox* down = downList();
    across->clear();
    down->clear();
    for (int n = 1; n <= 10; ++n) {
        across->addItem(QStringLiteral("%1 %2").arg(n).arg(ResourceString(n == 1 ? 8052 : 8054)));
        down->addItem(QStringLiteral("%1 %2").arg(n).arg(ResourceString(n == 1 ? 8053 : 8055)));
    }
    across->setCurrentIndex(0);
    down->setCurrentIndex(0);
}

void MainFrame::BuildToolbars() {
    for (int i = 0; i < kToolbarCount; ++i) {
        auto* toolbar = new QToolBar(ResourceString(8062 + i), this);
        toolbar->setAccessibleName(toolbar->windowTitle());
        toolbar->setObjectName(QStringLiteral("Toolbar%1").arg(i));
        toolbar->setAllowedAreas(Qt::AllToolBarAreas);
        toolbar->setMovable(true);
        toolbar->setFloatable(options_.noFloatingToolbars == 0);
        toolbar->hide();
        // The arrow that shows the buttons a short bar has no room for.
        if (auto* more = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
            more->setAccessibleName(QStringLiteral("Más botones"));
        }
        ApplyButtonStyle(toolbar);
        toolbars_[i] = toolbar;
    }
    unplaced_ = GadgetOrder();
}

void MainFrame::ApplyButtonStyle(QToolBar* toolbar) const {
    toolbar->setToolButtonStyle(options_.displayType == 0 ? Qt::ToolButtonIconOnly
                                                          : Qt::ToolButtonTextUnderIcon);
}

void MainFrame::PlaceGadget(int index, int id) {
    QToolBar* toolbar = toolbars_[index];
    if (id == cmd::kGrip) {
        toolbar->setMovable(true);
    } else if (id == cmd::kSeparator) {
        toolbar->addSeparator();
    } else if (QComboBox* combo = comboById(id)) {
        toolbar->addWidget(combo);
        combo->show();
    } else if (QAction* action = commands_.Action(id)) {
        if (action->icon().isNull()) {
            action->setIcon(ResourceIcon(id));
        }
        // The button's text: the tool-tip name, as many characters as "MaxChars" allows.
        const int maxChars = std::clamp(options_.maxChars, 1, 64);
        action->setIconText(ToolTipHint(id).left(maxChars));
        toolbar->addAction(action);
        // The button shows a picture and a few letters at most: a screen reader gets
        // the command's whole name.
        if (QWidget* button = toolbar->widgetForAction(action)) {
            button->setAccessibleName(AccessibleCommandName(id));
            button->setAccessibleDescription(StatusHint(id));
        }
    }
    gadgets_[index].push_back(id);
}

std::vector<int> MainFrame::gadgetStoreContents() const {
    return unplaced_;
}

void MainFrame::RestoreToolbars(const SettingsStore& store) {
    const ToolbarRestorePlan plan = PlanToolbarRestore(store, options_, GadgetOrder());
    for (int i = 0; i < kToolbarCount; ++i) {
        toolbars_[i]->setMovable(options_.dockingGrip != 0);
        for (int id : plan.toolbars[i].gadgets) {
            PlaceGadget(i, id);
        }
    }
    unplaced_ = plan.unplaced;

    std::array<bool, 5> areaUsed{};
    for (int i : plan.dockOrder) {
        const ToolbarPlacement& t = plan.toolbars[i];
        QToolBar* toolbar = toolbars_[i];
        const Qt::ToolBarArea area = AreaOf(t.location);
        if (t.location != kDockFloating) {
            if (t.newRow && areaUsed[t.location]) {
                addToolBarBreak(area);
            }
            areaUsed[t.location] = true;
        }
        addToolBar(area, toolbar);
        toolbar->show();
        if (t.location == kDockFloating) {
            // A floating toolbar lies in one row and takes the size its buttons need
            // (which is what it had when it was saved); it comes back on a screen,
            // whatever was stored.
            toolbar->setOrientation(Qt::Horizontal);
            QRect rect(t.rect.topLeft(), toolbar->sizeHint());
            const QScreen* screen = QGuiApplication::screenAt(rect.center());
            if (!screen) {
                screen = QGuiApplication::primaryScreen();
                rect.moveCenter(screen->availableGeometry().center());
            }
            toolbar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
            toolbar->setGeometry(rect);
            toolbar->show();
        }
    }
    // Hidden toolbars keep their buttons and sit in their area, ready to be shown again.
    for (int i = 0; i < kToolbarCount; ++i) {
        if (!plan.toolbars[i].visible) {
            const DockLocation location = plan.toolbars[i].location;
            addToolBar(AreaOf(location == kDockFloating ? kDockTop : location), toolbars_[i]);
            toolbars_[i]->hide();
        }
    }
}

void MainFrame::SaveToolbars(SettingsStore& store) const {
    ToolbarOptions options = options_;
    options.noFloatingToolbars = toolbars_[0]->isFloatable() ? 0 : 1;
    WriteToolbarOptions(store, options);
    for (int i = 0; i < kToolbarCount; ++i) {
        QToolBar* toolbar = toolbars_[i];
        ToolbarSnapshot snapshot;
        snapshot.visible = !toolbar->isHidden();
        snapshot.gadgets = gadgets_[i];
        if (toolbar->isFloating()) {
            snapshot.location = kDockFloating;
            snapshot.rect = toolbar->frameGeometry();
        } else {
            snapshot.location = LocationOf(toolBarArea(toolbar));
            snapshot.rect = QRect(toolbar->mapToGlobal(QPoint(0, 0)), toolbar->size());
        }
        SaveToolbar(store, i, snapshot);
    }
}

void MainFrame::SetDisplayType(int displayType) {
    options_.displayType = displayType;
    for (QToolBar* toolbar : toolbars_) {
        ApplyButtonStyle(toolbar);
    }
}

void MainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    const int charWidth = fontMetrics().averageCharWidth();
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QStringLiteral("Pane%1").arg(kPaneIds[i]));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        pane->setMinimumWidth(kPaneChars[i] * charWidth + 8);
        bar->addWidget(pane);
        panes_[i] = pane;
    }
    panes_[0]->setText(PaperPaneText(1));  // A4
    panes_[1]->setText(QStringLiteral("%1 = 100%").arg(ResourceString(str::kZoomLabel)));
    panes_[2]->setText(QStringLiteral(" "));  // the pointer's position, once it moves over a page
    panes_[3]->setText(QStringLiteral(" "));

    capsLock_ = new QLabel(bar);
    numLock_ = new QLabel(bar);
    for (QLabel* light : {capsLock_, numLock_}) {
        light->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        light->setMinimumWidth(6 * charWidth + 8);
        light->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(light);
    }
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainFrame::UpdateLockIndicators);
    timer->start(300);
    UpdateLockIndicators();
}

void MainFrame::UpdateLockIndicators() {
    const KeyboardLocks locks = ReadKeyboardLocks();
    capsLock_->setText(locks.capsLock ? QStringLiteral("MAYÚS") : QString());
    numLock_->setText(locks.numLock ? QStringLiteral("NÚM") : QString());
}

void MainFrame::ShowPaperPane(int paperIndex) {
    panes_[0]->setText(PaperPaneText(paperIndex));
}

void MainFrame::ShowZoomPane(int percent) {
    panes_[1]->setText(view::ZoomPaneText(percent));
}

void MainFrame::ShowPointerPanes(const QString& x, const QString& y) {
    panes_[2]->setText(x);
    panes_[3]->setText(y);
}

QString MainFrame::paneText(int id) const {
    for (std::size_t i = 0; i < kPaneIds.size(); ++i) {
        if (kPaneIds[i] == id) {
            return panes_[i]->text();
        }
    }
    return {};
}

bool MainFrame::RestorePlacement(const SettingsStore& store) {
    const SettingsKey key = store.OpenForReading(QString::fromLatin1(SettingsStore::kOptionsKey));
    if (key.IsNull()) {
        return false;
    }
    const int showState = store.ReadNumber(key, QStringLiteral("MainWindowShowState"), 1);
    const int left = store.ReadNumber(key, QStringLiteral("MainWindowNormalPosLeft"), INT_MIN);
    const int top = store.ReadNumber(key, QStringLiteral("MainWindowNormalPosTop"), INT_MIN);
    const int right = store.ReadNumber(key, QStringLiteral("MainWindowNormalPosRight"), INT_MIN);
    const int bottom = store.ReadNumber(key, QStringLiteral("MainWindowNormalPosBottom"), INT_MIN);
    // Missing values, and values no desktop has, leave the placement unapplied.
    constexpr int kLimit = 1'000'000;
    for (int v : {left, top, right, bottom}) {
        if (v < -kLimit || v > kLimit) {
            return false;
        }
    }
    const QRect normal(QPoint(left, top), QPoint(right - 1, bottom - 1));
    // A placement that no screen can show is not applied.
    const QScreen* screen = QGuiApplication::screenAt(normal.center());
    if (normal.width() < 200 || normal.height() < 150 || !screen) {
        return false;
    }
    setGeometry(normal.intersected(screen->availableGeometry()));
    if (showState == 3) {
        showMaximized();
    } else {
        showNormal();  // a frame closed minimised comes back where it can be seen
    }
    return true;
}

void MainFrame::SavePlacement(SettingsStore& store) const {
    const SettingsKey key = store.OpenForWriting(QString::fromLatin1(SettingsStore::kOptionsKey));
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    const int showState = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    store.WriteNumber(key, QStringLiteral("MainWindowFlags"), 0);
    store.WriteNumber(key, QStringLiteral("MainWindowShowState"), showState);
    store.WriteNumber(key, QStringLiteral("MainWindowMinPosX"), -1);
    store.WriteNumber(key, QStringLiteral("MainWindowMinPosY"), -1);
    store.WriteNumber(key, QStringLiteral("MainWindowMaxPosX"), -1);
    store.WriteNumber(key, QStringLiteral("MainWindowMaxPosY"), -1);
    store.WriteNumber(key, QStringLiteral("MainWindowNormalPosLeft"), normal.left());
    store.WriteNumber(key, QStringLiteral("MainWindowNormalPosTop"), normal.top());
    store.WriteNumber(key, QStringLiteral("MainWindowNormalPosRight"),
                      normal.left() + normal.width());
    store.WriteNumber(key, QStringLiteral("MainWindowNormalPosBottom"),
                      normal.top() + normal.height());
}

void MainFrame::SetRulers(QWidget* horizontal, QWidget* vertical) {
    horizontalRulerDock_ = MakeStripDock(this, horizontal, QStringLiteral("HorizontalRuler"));
    verticalRulerDock_ = MakeStripDock(this, vertical, QStringLiteral("VerticalRuler"));
    // The rulers keep their thickness: the docks' separators do not resize them.
    horizontalRulerDock_->setFixedHeight(20);
    verticalRulerDock_->setFixedWidth(20);
    addDockWidget(Qt::TopDockWidgetArea, horizontalRulerDock_);
    addDockWidget(Qt::LeftDockWidgetArea, verticalRulerDock_);
    ParkRulers();
}

void MainFrame::ParkRulers() {
    for (QDockWidget* dock : {horizontalRulerDock_, verticalRulerDock_}) {
        if (dock) {
            dock->hide();
        }
    }
}

void MainFrame::DockRulers() {
    for (QDockWidget* dock : {horizontalRulerDock_, verticalRulerDock_}) {
        if (dock) {
            dock->show();
            dock->widget()->update();
        }
    }
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace quenby
