#pragma once

#include "app/ToolbarSettings.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QDockWidget;
class QLabel;
class QToolBar;

namespace quenby {

class CommandTable;
class SettingsStore;

// The program's only top-level window: menu 100, five dockable toolbars holding the
// command buttons and the four combo boxes, the status bar, the rulers and the
// bottom strip around the editor window.
class MainFrame final : public QMainWindow {
    Q_OBJECT

public:
    // The menus come when every folder has registered its commands (BuildMenus).
    MainFrame(CommandTable& commands, const ToolbarOptions& options, QWidget* parent = nullptr);
    ~MainFrame() override;

    // The close question: asked before the frame closes; false keeps it open.
    void SetCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

    QComboBox* zoomList() const { return combos_[0]; }
    QComboBox* paperList() const { return combos_[1]; }
    QComboBox* acrossList() const { return combos_[2]; }
    QComboBox* downList() const { return combos_[3]; }
    QComboBox* comboById(int id) const;
    QToolBar* toolbar(int index) const { return toolbars_[index]; }
    const std::vector<int>& toolbarGadgets(int index) const { return gadgets_[index]; }
    // Gadgets not on any toolbar.
    std::vector<int> gadgetStoreContents() const;

    // Menu 100 from the command table, and the keys of every command on the frame.
    void BuildMenus();
    // Fills the four combo boxes with their rows and first selections.
    void FillComboBoxes();

    // Status panes.
    void ShowPaperPane(int paperIndex);
    void ShowZoomPane(int percent);
    // "X = 12.5mm" and "Y = 40.0mm" as the page view gives them.
    void ShowPointerPanes(const QString& x, const QString& y);
    QString paneText(int id) const;

    // Window placement ("Options"): true when a saved placement was applied (and shown).
    bool RestorePlacement(const SettingsStore& store);
    void SavePlacement(SettingsStore& store) const;

    // Toolbars: contents and places from "Toolbar0".."Toolbar4".
    void RestoreToolbars(const SettingsStore& store);
    void SaveToolbars(SettingsStore& store) const;
    const ToolbarOptions& toolbarOptions() const { return options_; }

    // Commands 1207 and 1208: picture and text (2) or picture only (0) on every button.
    void SetDisplayType(int displayType);

    // The rulers: hidden until the start screen closes, then docked top and left.
    void SetRulers(QWidget* horizontal, QWidget* vertical);
    void ParkRulers();
    void DockRulers();

signals:
    // A combo box's selection changed (id 7009..7012, selected row).
    void comboChanged(int id, int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolbars();
    void BuildComboBoxes();
    void BuildStatusBar();
    void PlaceGadget(int toolbar, int id);
    void ApplyButtonStyle(QToolBar* toolbar) const;
    void UpdateLockIndicators();

    CommandTable& commands_;
    ToolbarOptions options_;
    std::function<bool()> closeQuery_;
    std::array<QToolBar*, kToolbarCount> toolbars_{};
    std::array<std::vector<int>, kToolbarCount> gadgets_;
    std::array<QComboBox*, 4> combos_{};
    QWidget* gadgetStore_ = nullptr;  // hidden owner of the gadgets not on a toolbar
    std::vector<int> unplaced_;
    std::array<QLabel*, 4> panes_{};
    QLabel* capsLock_ = nullptr;
    QLabel* numLock_ = nullptr;
    QDockWidget* bottomStrip_ = nullptr;
    QDockWidget* horizontalRulerDock_ = nullptr;
    QDockWidget* verticalRulerDock_ = nullptr;
};

}  // namespace quenby
