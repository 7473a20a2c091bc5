#pragma once

#include <QRect>

#include <array>
#include <vector>

namespace quenby {

class SettingsStore;

inline constexpr int kToolbarCount = 5;

// Where a toolbar sits, as the settings store it.
enum DockLocation : int {
    kDockFloating = 0,
    kDockTop = 1,
    kDockBottom = 2,
    kDockLeft = 3,
    kDockRight = 4,
};

// The look options of every toolbar ("ToolbarOptions"), stored and given back unchanged.
struct ToolbarOptions {
    int optionalParams = 0;
    int displayType = 2;  // 2 picture and text, 0 picture only
    int textPosition = 3;
    int toolbarRows = 1;
    int maxChars = 5;
    int dividerEndOfLine = 0;
    int noDividerVerticalBar = 0;
    int noFlatDivider = 0;
    int dockingGrip = 1;
    int dockBarsOptions = 5;
    int dividerReferenceGadget = 0;
    int fullOfficeDocking = 0;
    int noFloatingToolbars = 0;
    int rebarEmulation = 0;
};

// Reads "ToolbarOptions"; "NoFlatDivider" is forced on when "DockBarsOptions" has bit 2.
ToolbarOptions ReadToolbarOptions(const SettingsStore& store);
void WriteToolbarOptions(SettingsStore& store, const ToolbarOptions& options);

// The place of toolbar `index` when the settings hold none.
DockLocation DefaultDockLocation(int index);
// The buttons of toolbar `index` when the settings hold none (0 = separator).
const std::vector<int>& DefaultToolbarButtons(int index);
// The 27 buttons and 4 combo boxes, in the order they are made.
const std::vector<int>& GadgetOrder();

// One toolbar as the settings bring it back.
struct ToolbarPlacement {
    std::vector<int> gadgets;  // command ids in order; -1 grip, 0 separator
    bool visible = true;
    DockLocation location = kDockTop;
    QRect rect;                 // stored screen rectangle
    bool defaultPlace = false;  // no stored location: at the start of its default area
    bool newRow = true;         // a docked toolbar that starts a row of its area
};

struct ToolbarRestorePlan {
    std::array<ToolbarPlacement, kToolbarCount> toolbars;
    std::vector<int> dockOrder;  // the visible toolbars, in the order they are docked
    std::vector<int> unplaced;   // gadgets that stay in the gadget store
};

// Works out which gadgets go on which toolbar and where each toolbar goes, from
// "Toolbar0".."Toolbar4". Gadgets not in `available`, or already placed on an earlier
// toolbar, are skipped; values out of range are taken as missing.
ToolbarRestorePlan PlanToolbarRestore(const SettingsStore& store, const ToolbarOptions& options,
                                      const std::vector<int>& available);

// A toolbar as it is at close.
struct ToolbarSnapshot {
    DockLocation location = kDockTop;
    QRect rect;
    bool visible = true;
    std::vector<int> gadgets;  // including the grip, which is not written
};

// Writes "Toolbar<index>" and deletes the "Button" values beyond the gadgets written.
void SaveToolbar(SettingsStore& store, int index, const ToolbarSnapshot& toolbar);

}  // namespace quenby
