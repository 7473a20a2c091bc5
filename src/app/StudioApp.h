#pragma once

#include "app/SettingsStore.h"
#include "platform/ArtworkLocations.h"

#include <QObject>

#include <memory>

class QMenu;
class QAction;

namespace quenby {

class CommandTable;
class EditingSession;
class EditorWindow;
class HelpLauncher;
class MainFrame;
class MessageBoxes;
class PrintDialogs;
struct PrintContext;
class PrinterObject;
class StartScreen;
class WidgetFileDialogs;
class WidgetMessageBoxes;

// Where the application finds its files; tests point every one at a temporary folder.
struct StudioPaths {
    QString userSettingsFile = SettingsStore::DefaultUserFile();
    QString programFolder = ArtworkLocations::DefaultProgramFolder();
    QString helpViewer;  // empty: the viewer beside the executable
};

// The application object: it owns the settings, the printer, the editing session, and
// the main frame with its toolbars and the editor window; it runs the start-up and the
// close question and carries out the shell's own commands (files, printing, help).
class StudioApp final : public QObject {
    Q_OBJECT

public:
    explicit StudioApp(StudioPaths paths = {}, const VolumeList* volumes = nullptr);
    ~StudioApp() override;

    // Builds the frame and the editor, restores placement and toolbars and shows the
    // frame; the start screen follows at the editor's first paint.
    void Start();

    // The close question: the save-changes question, then placement and toolbars are
    // written. False (and nothing written) when the user cancels.
    bool CanClose();

    // The combo-box message: a selection of combo `id` changed to `row`.
    void OnComboChanged(int id, int row);
    // A start-screen button was pressed.
    void OnStartScreenButton(int id);
    // Shows the start screen (hiding the rulers, greying the commands).
    void ShowStartScreen();
    // Closes it after a successful choice: rulers docked, combos enabled, whole page.
    void CloseStartScreen();

    bool startScreenUp() const;

    SettingsStore& settings() { return *settings_; }
    EditingSession& session() { return *session_; }
    MainFrame& frame() { return *frame_; }
    EditorWindow& editor() { return *editor_; }
    CommandTable& commands();
    StartScreen* startScreen() const { return startScreen_; }
    ArtworkLocations& artwork() { return *artwork_; }
    HelpLauncher& help() { return *help_; }

private:
    void ConnectEditor();
    void RegisterShellCommands();
    void OnFirstPaint();
    void ChoosePaper(int row);
    void ApplyTileLists();
    void SetTileCount(bool across, int row);
    void StartCard();
    void StartPageSet();
    void StartTemplate();
    void StartOpen();
    // Command 11845: the save-changes question, then the browser with OK only.
    void OpenTemplateFromMenu();
    // The artwork check for templates on the CD (message 7205 when it is missing).
    bool TemplatesReachable();
    // Runs the template browser with painting suspended; true when a template opened.
    bool BrowseTemplates(bool fromStartScreen);
    void OpenRecentFile(const QString& path);
    void NoteRecentFile();
    void RebuildRecentMenu();
    void ShowHelp();
    void ShowAbout();
    void SetZoomMode(int mode);
    PrintContext MakePrintContext(MessageBoxes& messages, PrintDialogs& dialogs);

    StudioPaths paths_;
    std::unique_ptr<SystemVolumeList> systemVolumes_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<ArtworkLocations> artwork_;
    std::unique_ptr<PrinterObject> printer_;
    std::unique_ptr<WidgetMessageBoxes> sessionMessages_;
    std::unique_ptr<WidgetFileDialogs> sessionDialogs_;
    std::unique_ptr<EditingSession> session_;
    std::unique_ptr<MessageBoxes> previewMessages_;
    std::unique_ptr<PrintDialogs> previewDialogs_;
    std::unique_ptr<MainFrame> frame_;
    EditorWindow* editor_ = nullptr;      // owned by the frame
    StartScreen* startScreen_ = nullptr;  // owned by the editor window
    HelpLauncher* help_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    bool firstPaint_ = true;
    bool tilesEnabled_ = false;  // the across and down lists (page sets, not envelopes)
    bool noPrinter_ = false;
};

}  // namespace quenby
