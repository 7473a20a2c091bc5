#include "app/StudioApp.h"

#include "app/AboutDialog.h"
#include "app/ArtworkSettings.h"
#include "app/DisplayCheck.h"
#include "app/HelpLauncher.h"
#include "app/MainFrame.h"
#include "app/StartScreen.h"
#include "app/ToolbarSettings.h"
#include "document/Document.h"
#include "document/DocumentController.h"
#include "editing/EditingSession.h"
#include "graphics/ProductFonts.h"
#include "library/TemplateBrowserDialog.h"
#include "platform/ColourRef.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
#include "platform/widgets/PrinterObject.h"
#include "platform/widgets/WidgetFileDialogs.h"
#include "platform/widgets/WidgetMessageBoxes.h"
#include "print/PaperLayout.h"
#include "print/dialogs/CardTypeDialog.h"
#include "print/dialogs/CustomPaperDialog.h"
#include "print/dialogs/PageSetFormatDialog.h"
#include "print/dialogs/PrintCommands.h"
#include "print/dialogs/PrintLoop.h"
#include "properties/PropertyCommands.h"
#include "view/EditorWindow.h"
#include "view/HorizontalRuler.h"
#include "view/VerticalRuler.h"
#include "view/ViewCommands.h"
#include "view/ViewGeometry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace quenby {

namespace {

const QUrl kProductSite(QStringLiteral("https://www.wexmoorarts.example/craftbox/"));
const QUrl kQuestionsPage(QStringLiteral("https://www.wexmoorarts.example/craftbox/preguntas/"));

}  // namespace

StudioApp::StudioApp(StudioPaths paths, const VolumeList* volumes) : paths_(std::move(paths)) {
    if (!volumes) {
        systemVolumes_ = std::make_unique<SystemVolumeList>();
        volumes = systemVolumes_.get();
    }
    settings_ = std::make_unique<SettingsStore>(
        paths_.userSettingsFile, SettingsStore::InstallationFileIn(paths_.programFolder));
    artwork_ = std::make_unique<ArtworkLocations>(paths_.programFolder, *volumes);
    printer_ = std::make_unique<PrinterObject>();
    RegisterProductFonts(paths_.programFolder);
    help_ = new HelpLauncher(this);
    // The boxes and dialogs of the session belong to the frame once it is built.
    sessionMessages_ = std::make_unique<WidgetMessageBoxes>(nullptr);
    sessionDialogs_ = std::make_unique<WidgetFileDialogs>(nullptr);
    session_ = std::make_unique<EditingSession>(*sessionMessages_, *sessionDialogs_);
    session_->files().SetLastFolder(paths_.programFolder);
}

StudioApp::~StudioApp() {
    if (frame_) {
        frame_->SetCloseQuery({});
    }
    frame_.reset();  // the editor and the start screen go with it, before the session
    previewDialogs_.reset();
    previewMessages_.reset();
}

bool StudioApp::startScreenUp() const {
    return session_->StartScreenUp();
}

CommandTable& StudioApp::commands() {
    return session_->commands();
}

void StudioApp::Start() {
    const ToolbarOptions options = ReadToolbarOptions(*settings_);
    frame_ = std::make_unique<MainFrame>(session_->commands(), options);
    frame_->SetCloseQuery([this] { return CanClose(); });
    connect(frame_.get(), &MainFrame::comboChanged, this, &StudioApp::OnComboChanged);
    sessionMessages_->SetOwner(frame_.get());
    sessionDialogs_->SetOwner(frame_.get());

    auto* editor = new EditorWindow(*session_, frame_.get());
    editor_ = editor;
    editor->SetPrinter(printer_.get());
    frame_->setCentralWidget(editor);
    frame_->setWindowTitle(ResourceString(str::kProductName));
    ConnectEditor();

    // The rulers are docked by the frame, which takes them over.
    frame_->SetRulers(new HorizontalRuler(nullptr, *editor), new VerticalRuler(nullptr, *editor));
    previewMessages_ = std::make_unique<WidgetMessageBoxes>(frame_.get());
    previewDialogs_ = std::make_unique<WidgetPrintDialogs>(frame_.get());

    noPrinter_ = !PrinterObject::HasPrinter();
    if (noPrinter_) {
        WidgetMessageBoxes(nullptr).Show(ResourceString(13440), ResourceString(7999),
                                         MessageButtons::Ok, MessageIcon::Exclamation, false);
    }

    // Every folder's commands, then the menus that show them.
    RegisterViewCommands(*editor);
    RegisterPropertyCommands(*session_, frame_.get());
    RegisterShellCommands();
    frame_->BuildMenus();
    ReadArtworkSettings(*settings_, *artwork_);
    frame_->RestoreToolbars(*settings_);
    frame_->FillComboBoxes();
    RebuildRecentMenu();
    if (!frame_->RestorePlacement(*settings_)) {
        // The size it takes back from maximised: most of the screen, centred.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            QRect normal(0, 0, area.width() * 9 / 10, area.height() * 9 / 10);
            normal.moveCenter(area.center());
            frame_->setGeometry(normal);
        }
        frame_->showMaximized();
    }
    commands().Refresh();
    commands().StartIdleRefresh();
}

void StudioApp::ConnectEditor() {
    EditorWindow* editor = editor_;
    // The editor reports its first paint afterwards, so that dialogs do not open inside it.
    connect(editor, &EditorWindow::FirstPaint, this, [this] {
        if (firstPaint_) {
            firstPaint_ = false;
            OnFirstPaint();
        }
    });
    connect(editor, &EditorWindow::ZoomChanged, frame_.get(), &MainFrame::ShowZoomPane);
    connect(editor, &EditorWindow::PointerPanesChanged, frame_.get(), &MainFrame::ShowPointerPanes);
    // The picture and calendar tools read the language afresh at each use.
    editor->SetArtwork(artwork_.get(), [this] { return ReadLanguage(*settings_); });
    connect(editor, &EditorWindow::ZoomListRowChanged, this, [this](int row) {
        QComboBox* zoom = frame_->zoomList();
        if (row < 0) {
            // After a zoom step the list shows the percentage without a row.
            zoom->setPlaceholderText(QStringLiteral("%1%").arg(editor_->ZoomPercent()));
        }
        zoom->setCurrentIndex(row);
    });
    EditingSession* session = session_.get();
    connect(session, &EditingSession::PaperSizeShown, this, [this](int paper) {
        const int row = std::clamp(paper, 0, PaperTable::kRows - 1);
        frame_->paperList()->setCurrentIndex(row);
        frame_->ShowPaperPane(row);
    });
    connect(session, &EditingSession::TileCountsShown, this, [this](bool, int across, int down) {
        frame_->acrossList()->setCurrentIndex(std::clamp(across - 1, 0, kMaxTiles - 1));
        frame_->downList()->setCurrentIndex(std::clamp(down - 1, 0, kMaxTiles - 1));
        ApplyTileLists();
    });
    connect(session, &EditingSession::RecentFileAdded, this, [this](const QString& path) {
        settings_->recentFiles().Add(path);
        RebuildRecentMenu();
    });
}

void StudioApp::OnFirstPaint() {
    const QScreen* screen = frame_->screen();
    if (screen && !IsDisplayLargeEnough(DescribeScreen(*screen))) {
        ShowDisplayTooSmall(frame_.get());
        frame_->SetCloseQuery({});
        frame_->close();
        return;
    }
    if (noPrinter_) {
        frame_->SetCloseQuery({});
        frame_->close();
        return;
    }
    ShowStartScreen();
}

bool StudioApp::CanClose() {
    if (!editor_ || !session_->files().ConfirmDiscard()) {
        return false;
    }
    frame_->SavePlacement(*settings_);
    frame_->SaveToolbars(*settings_);
    settings_->WriteRecentFiles();
    settings_->Flush();
    return true;
}

void StudioApp::RegisterShellCommands() {
    CommandTable& table = commands();
    EditingSession* s = session_.get();
    const auto ready = [s] { return s->Ready(); };

    // Files. New, Open and a template are there at the start screen too.
    table.Add({cmd::kNew, [this] {
                   session_->files().NewDocument();
                   // A new document has no layout yet: the user chooses one at the start screen.
                   if (!startScreenUp() && session_->document().isCard == kNoLayout) {
                       ShowStartScreen();
                   }
               }});
    table.Add({cmd::kOpen, [this] { StartOpen(); }});
    table.Add({cmd::kOpenTemplate, [this] { OpenTemplateFromMenu(); }});
    table.Add({cmd::kSave,
               [this] {
                   session_->files().Save();
                   NoteRecentFile();
               },
               [s] {
                   return s->Ready() && s->document().modified &&
                          !s->document().documentPath.isEmpty();
               }});
    table.Add({cmd::kSaveAs,
               [this] {
                   session_->files().SaveAs();
                   NoteRecentFile();
               },
               ready});
    table.Add({cmd::kExit, [this] { frame_->close(); }});

    // Printing.
    table.Add({cmd::kPrintSetup, [this] {
                   WidgetMessageBoxes messages(frame_.get());
                   WidgetPrintDialogs dialogs(frame_.get());
                   PrintContext context = MakePrintContext(messages, dialogs);
                   PrintSetup(context);
               }});
    table.Add({cmd::kPrint,
               [this] {
                   WidgetMessageBoxes messages(frame_.get());
                   WidgetPrintDialogs dialogs(frame_.get());
                   PrintContext context = MakePrintContext(messages, dialogs);
                   PrintDocument(context);
               },
               ready});
    table.Add({cmd::kPrintPreview,
               [this] {
                   // The preview stays open after the command: its messages and dialogs
                   // live as long as the application.
                   PrintContext context = MakePrintContext(*previewMessages_, *previewDialogs_);
                   OpenPrintPreview(context, frame_.get());
               },
               ready});

    // How the toolbar buttons look.
    for (int displayType : {0, 2}) {
        const int command = displayType == 0 ? cmd::kPicturesOnly : cmd::kPicturesAndText;
        table.Add({command, [this, displayType] { frame_->SetDisplayType(displayType); }, ready,
                   [this, displayType] {
                       return frame_ && frame_->toolbarOptions().displayType == displayType;
                   }});
    }

    // Help.
    table.Add({cmd::kHelp, [this] { ShowHelp(); }});
    table.Add({cmd::kProductSite, [] { QDesktopServices::openUrl(kProductSite); }});
    table.Add({cmd::kQuestionsPage, [] { QDesktopServices::openUrl(kQuestionsPage); }});
    table.Add({cmd::kAbout, [this] { ShowAbout(); }});
}

PrintContext StudioApp::MakePrintContext(MessageBoxes& messages, PrintDialogs& dialogs) {
    EditorWindow* editor = editor_;
    PrintContext context{session_->document(), *printer_, messages, dialogs};
    context.pixelsPerMm = editor->PixelsPerMm();
    context.parent = frame_.get();
    context.repaint = [editor] { editor->Redraw(); };
    return context;
}

void StudioApp::SetZoomMode(int mode) {
    frame_->zoomList()->setCurrentIndex(mode);
    editor_->SelectZoomListRow(mode);
}

void StudioApp::ShowHelp() {
    const QString viewer =
        paths_.helpViewer.isEmpty() ? HelpLauncher::DefaultViewer() : paths_.helpViewer;
    const QString file = HelpLauncher::HelpFile(paths_.programFolder, ReadLanguage(*settings_));
    if (!help_->Show(viewer, file)) {
        WidgetMessageBoxes(frame_.get())
            .Show(QStringLiteral("No se puede abrir la ayuda."), ResourceString(7999),
                  MessageButtons::Ok, MessageIcon::Exclamation, true);
    }
}

void StudioApp::ShowAbout() {
    AboutDialog dialog(editor_);
    dialog.exec();
}

// ---- combo boxes ----

void StudioApp::OnComboChanged(int id, int row) {
    switch (id) {
        case cmd::kZoomList:
            editor_->SelectZoomListRow(row);
            break;
        case cmd::kPaperList:
            ChoosePaper(row);
            break;
        case cmd::kAcrossList:
            SetTileCount(true, row);
            break;
        case cmd::kDownList:
            SetTileCount(false, row);
            break;
        default:
            break;
    }
}

void StudioApp::ApplyTileLists() {
    Document& doc = session_->document();
    tilesEnabled_ = !doc.PrintsOnOneSheet();
    if (!tilesEnabled_) {
        frame_->acrossList()->setCurrentIndex(0);
        frame_->downList()->setCurrentIndex(0);
    }
    const bool enabled = tilesEnabled_ && !startScreenUp();
    frame_->acrossList()->setEnabled(enabled);
    frame_->downList()->setEnabled(enabled);
}

void StudioApp::ChoosePaper(int row) {
    if (row < 0 || row >= PaperTable::kRows) {
        return;
    }
    if (row == kCustomPaper) {
        WidgetMessageBoxes messages(frame_.get());
        RunCustomPaperDialog(messages, frame_.get());
    }
    Document& doc = session_->document();
    const auto edit = session_->Edit(EditScope::Display);
    doc.paperSize = static_cast<std::uint16_t>(row);
    if (IsEnvelopePaper(row) && doc.isCard != kCard) {
        doc.tilesAcross = doc.tilesDown = 1;  // an envelope is one sheet
    }
    ApplyTileLists();
    frame_->ShowPaperPane(row);
    ApplyLayoutToPrinter(*printer_, doc);
    editor_->FitZoom();
}

void StudioApp::SetTileCount(bool across, int row) {
    Document& doc = session_->document();
    const auto edit = session_->Edit(EditScope::Display);
    const auto count = static_cast<std::uint16_t>(std::clamp(row + 1, 1, kMaxTiles));
    (across ? doc.tilesAcross : doc.tilesDown) = count;
    if (editor_->ZoomListRow() >= 0 && editor_->ZoomListRow() <= 2) {
        editor_->FitZoom();
    }
    editor_->UpdateScrollRange();
    editor_->RedrawAll();
}

// ---- start screen ----

void StudioApp::ShowStartScreen() {
    if (!startScreen_) {
        startScreen_ = new StartScreen(editor_);
        connect(startScreen_, &StartScreen::buttonChosen, this, &StudioApp::OnStartScreenButton);
        // Help is at hand on the start screen too.
        startScreen_->addAction(commands().Action(cmd::kHelp));
    }
    session_->SetStartScreenUp(true);
    frame_->ParkRulers();
    for (QComboBox* combo :
         {frame_->zoomList(), frame_->paperList(), frame_->acrossList(), frame_->downList()}) {
        combo->setEnabled(false);
    }
    startScreen_->CentreOnScreen();
    startScreen_->show();
    startScreen_->raise();
    startScreen_->activateWindow();
}

void StudioApp::CloseStartScreen() {
    if (startScreen_) {
        startScreen_->hide();
    }
    frame_->DockRulers();
    frame_->zoomList()->setEnabled(true);
    frame_->paperList()->setEnabled(true);
    session_->SetStartScreenUp(false);
    ApplyTileLists();
    frame_->zoomList()->setCurrentIndex(2);
    SetZoomMode(2);
    frame_->activateWindow();
    editor_->setFocus();
}

void StudioApp::OnStartScreenButton(int id) {
    if (id == StartScreen::kExitButton) {
        frame_->close();
        return;
    }
    startScreen_->hide();
    switch (id) {
        case StartScreen::kCardButton:
            StartCard();
            break;
        case StartScreen::kPageSetButton:
            StartPageSet();
            break;
        case StartScreen::kTemplateButton:
            StartTemplate();
            break;
        case StartScreen::kOpenButton:
            StartOpen();
            break;
        default:
            break;
    }
    if (startScreenUp() && startScreen_) {
        startScreen_->show();  // the choice was cancelled
        startScreen_->raise();
    }
}

void StudioApp::StartCard() {
    const std::optional<int> fold = RunCardTypeDialog(editor_);
    if (!fold) {
        return;
    }
    Document& doc = session_->document();
    doc.ChooseCardType(*fold);
    printer_->ApplyOrientation(doc.orientation);
    frame_->paperList()->setCurrentIndex(1);
    ChoosePaper(1);
    doc.isCard = kCard;
    CloseStartScreen();
}

void StudioApp::StartPageSet() {
    const std::optional<PageSetFormat> format = RunPageSetFormatDialog(editor_);
    if (!format) {
        return;
    }
    Document& doc = session_->document();
    doc.isCard = kPageSet;
    doc.tilesAcross = static_cast<std::uint16_t>(std::clamp(format->across, 1, kMaxTiles));
    doc.tilesDown = static_cast<std::uint16_t>(std::clamp(format->down, 1, kMaxTiles));
    doc.orientation = format->orientation == 1 ? 1 : 0;
    printer_->ApplyOrientation(doc.orientation);
    const int paper = std::clamp(format->paperIndex, 0, PaperTable::kRows - 1);
    frame_->acrossList()->setCurrentIndex(doc.tilesAcross - 1);
    frame_->downList()->setCurrentIndex(doc.tilesDown - 1);
    frame_->paperList()->setCurrentIndex(paper);
    ChoosePaper(paper);
    CloseStartScreen();
}

void StudioApp::StartTemplate() {
    // Without the artwork CD the start screen comes back.
    if (TemplatesReachable() && BrowseTemplates(true)) {
        CloseStartScreen();
    }
}

bool StudioApp::TemplatesReachable() {
    if (artwork_->templatesLocal) {
        return true;
    }
    WidgetMessageBoxes messages(frame_.get());
    return artwork_->CheckArtworkReachable(messages);
}

void StudioApp::OpenTemplateFromMenu() {
    if (startScreenUp()) {
        // The start screen's own template choice, with its way back.
        OnStartScreenButton(StartScreen::kTemplateButton);
        return;
    }
    // Without the CD the browser could only empty the document.
    if (!TemplatesReachable() || !session_->files().ConfirmDiscard()) {
        return;
    }
    BrowseTemplates(false);
    frame_->zoomList()->setEnabled(true);
    frame_->paperList()->setEnabled(true);
    SetZoomMode(view::kFitWholePage);
}

bool StudioApp::BrowseTemplates(bool fromStartScreen) {
    // Each selection replaces the document; the view shows none of them meanwhile.
    editor_->SetPaintingSuspended(true);
    const TemplateBrowserContext context{*session_, *artwork_, ReadLanguage(*settings_),
                                         editor_->PixelsPerMm()};
    const bool opened = RunTemplateBrowser(context, fromStartScreen, frame_.get());
    editor_->SetPaintingSuspended(false);
    return opened;
}

void StudioApp::StartOpen() {
    Document& doc = session_->document();
    const QString before = doc.documentPath;
    session_->files().Open();
    const bool opened = !doc.documentPath.isEmpty() && !doc.modified &&
                        (doc.documentPath != before || doc.isCard != kNoLayout);
    if (opened) {
        NoteRecentFile();
        if (startScreenUp()) {
            frame_->paperList()->setCurrentIndex(doc.paperSize);
            CloseStartScreen();
        }
    }
}

void StudioApp::OpenRecentFile(const QString& path) {
    DocumentController& files = session_->files();
    if (!files.ConfirmDiscard()) {
        return;
    }
    if (files.LoadDocument(path, false)) {
        settings_->recentFiles().Add(path);
        RebuildRecentMenu();
        if (startScreenUp()) {
            frame_->paperList()->setCurrentIndex(session_->document().paperSize);
            CloseStartScreen();
        }
    }
}

void StudioApp::NoteRecentFile() {
    const Document& doc = session_->document();
    if (!doc.documentPath.isEmpty() && !doc.modified) {
        settings_->recentFiles().Add(doc.documentPath);
        RebuildRecentMenu();
    }
}

void StudioApp::RebuildRecentMenu() {
    if (!fileMenu_) {
        for (QAction* a : frame_->menuBar()->actions()) {
            if (a->menu() && a->menu()->actions().contains(commands().Action(cmd::kExit))) {
                fileMenu_ = a->menu();
            }
        }
        if (!fileMenu_) {
            return;
        }
    }
    for (QAction* a : recentActions_) {
        fileMenu_->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    const RecentFiles& recent = settings_->recentFiles();
    QAction* exit = commands().Action(cmd::kExit);
    for (int i = 0; i < recent.Count(); ++i) {
        const QString path = recent.At(i);
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(QFileInfo(path).fileName()), fileMenu_);
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
        fileMenu_->insertAction(exit, action);
        recentActions_.append(action);
    }
    if (!recent.entries().isEmpty()) {
        auto* separator = new QAction(fileMenu_);
        separator->setSeparator(true);
        fileMenu_->insertAction(exit, separator);
        recentActions_.append(separator);
    }
}

}  // namespace quenby
