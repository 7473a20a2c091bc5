#include "app/ToolbarSettings.h"

#include "app/SettingsStore.h"
#include "platform/CommandIds.h"

#include <algorithm>
#include <climits>

namespace quenby {

namespace {

// A stored list longer than this is not one the program wrote.
constexpr int kMaxStoredGadgets = 256;

QString ToolbarKeyName(int index) {
    return QStringLiteral("Toolbar%1").arg(index);
}
QString ButtonName(int n) {
    return QStringLiteral("Button%1").arg(n);
}

int Bool(int value) {
    return value != 0 ? 1 : 0;
}

// Screen coordinates and sizes, kept within what any desktop can hold so that the
// arithmetic on them cannot overflow.
constexpr int kCoordinateLimit = 1'000'000;

int ReadCoordinate(const SettingsStore& store, const SettingsKey& key, const QString& name) {
    return std::clamp(store.ReadNumber(key, name, 0), -kCoordinateLimit, kCoordinateLimit);
}

struct OptionField {
    const char* name;
    int ToolbarOptions::*field;
};

constexpr std::array<OptionField, 14> kOptionFields{{
    {"OptionalParams", &ToolbarOptions::optionalParams},
    {"DisplayType", &ToolbarOptions::displayType},
    {"TextPosition", &ToolbarOptions::textPosition},
    {"ToolbarRows", &ToolbarOptions::toolbarRows},
    {"MaxChars", &ToolbarOptions::maxChars},
    {"DividerEndOfLine", &ToolbarOptions::dividerEndOfLine},
    {"NoDividerVerticalBar", &ToolbarOptions::noDividerVerticalBar},
    {"NoFlatDivider", &ToolbarOptions::noFlatDivider},
    {"DockingGrip", &ToolbarOptions::dockingGrip},
    {"DockBarsOptions", &ToolbarOptions::dockBarsOptions},
    {"DividerReferenceGadget", &ToolbarOptions::dividerReferenceGadget},
    {"FullOfficeDocking", &ToolbarOptions::fullOfficeDocking},
    {"NoFloatingToolbars", &ToolbarOptions::noFloatingToolbars},
    {"RebarEmulation", &ToolbarOptions::rebarEmulation},
}};

// The coordinate that tells the rows of a docking area apart, and the one along a row.
int RowCoordinate(const ToolbarPlacement& t) {
    if (t.defaultPlace) {
        return INT_MIN;  // the docking area's own rectangle comes before any stored one
    }
    switch (t.location) {
        case kDockTop:
            return t.rect.y();
        case kDockBottom:
            return -t.rect.y();  // the lowest row is docked first
        case kDockLeft:
            return t.rect.x();
        case kDockRight:
            return -t.rect.x();
        default:
            return 0;
    }
}

int AlongCoordinate(const ToolbarPlacement& t) {
    if (t.defaultPlace) {
        return 0;
    }
    return t.location == kDockLeft || t.location == kDockRight ? t.rect.y() : t.rect.x();
}

}  // namespace

ToolbarOptions ReadToolbarOptions(const SettingsStore& store) {
    ToolbarOptions options;
    const SettingsKey key =
        store.OpenForReading(QString::fromLatin1(SettingsStore::kToolbarOptionsKey));
    for (const OptionField& f : kOptionFields) {
        options.*f.field = store.ReadNumber(key, QString::fromLatin1(f.name), options.*f.field);
    }
    if (options.dockBarsOptions & 2) {
        options.noFlatDivider = 1;
    }
    return options;
}

void WriteToolbarOptions(SettingsStore& store, const ToolbarOptions& options) {
    const SettingsKey key =
        store.OpenForWriting(QString::fromLatin1(SettingsStore::kToolbarOptionsKey));
    for (const OptionField& f : kOptionFields) {
        store.WriteNumber(key, QString::fromLatin1(f.name), options.*f.field);
    }
}

DockLocation DefaultDockLocation(int index) {
    static constexpr std::array<DockLocation, kToolbarCount> kDefaults{
        kDockBottom, kDockTop, kDockTop, kDockTop, kDockLeft};
    return index >= 0 && index < kToolbarCount ? kDefaults[index] : kDockTop;
}

const std::vector<int>& DefaultToolbarButtons(int index) {
    using namespace cmd;
    static const std::array<std::vector<int>, kToolbarCount> kTable{{
        {kLandscape, kPortrait, kSeparator, kZoomIn, kZoomOut, kSeparator, kZoomList, kPaperList,
         kAcrossList, kDownList},
        {kFace0, kFace1, kFace2, kFace3},
        {kCut, kCopy, kPaste, kSeparator, kUndo, kSeparator, kToFront, kToBack},
        {kNew, kOpen, kSave, kSeparator, kPrint, kPrintPreview},
        {kSelectTool, kLineTool, kPictureTool, kTextTool, kCircularTextTool, kBoxTool, kEllipseTool,
         kCalendarTool},
    }};
    static const std::vector<int> kNone;
    return index >= 0 && index < kToolbarCount ? kTable[index] : kNone;
}

const std::vector<int>& GadgetOrder() {
    using namespace cmd;
    static const std::vector<int> kOrder{
        kNew,      kOpen,        kSave,         kPrint,       kPrintPreview, kCut,
        kCopy,     kPaste,       kUndo,         kToFront,     kToBack,       kLandscape,
        kPortrait, kZoomIn,      kZoomOut,      kFace0,       kFace1,        kFace2,
        kFace3,    kSelectTool,  kLineTool,     kPictureTool, kTextTool,     kCircularTextTool,
        kBoxTool,  kEllipseTool, kCalendarTool, kZoomList,    kPaperList,    kAcrossList,
        kDownList};
    return kOrder;
}

ToolbarRestorePlan PlanToolbarRestore(const SettingsStore& store, const ToolbarOptions& options,
                                      const std::vector<int>& available) {
    ToolbarRestorePlan plan;
    std::vector<int> store_ = available;  // the gadget store: every gadget, unplaced
    auto take = [&store_](int id) {
        const auto it = std::find(store_.begin(), store_.end(), id);
        if (it == store_.end()) {
            return false;
        }
        store_.erase(it);
        return true;
    };
    auto place = [&take](ToolbarPlacement& t, int id) {
        if (id == cmd::kSeparator) {
            t.gadgets.push_back(cmd::kSeparator);
            return true;
        }
        if (id > 0 && take(id)) {
            t.gadgets.push_back(id);
            return true;
        }
        return false;  // no such gadget, or it is on an earlier toolbar already
    };

    for (int i = 0; i < kToolbarCount; ++i) {
        ToolbarPlacement& t = plan.toolbars[i];
        const SettingsKey key = store.OpenForReading(ToolbarKeyName(i));
        if (options.dockingGrip != 0) {
            t.gadgets.push_back(cmd::kGrip);
        }
        const int location = store.ReadNumber(key, QStringLiteral("Location"), -1);
        const bool hasLocation = location >= kDockFloating && location <= kDockRight;

        bool placedAny = false;
        for (int n = 0; n < kMaxStoredGadgets && store.HasValue(key, ButtonName(n)); ++n) {
            const int id = store.ReadNumber(key, ButtonName(n), INT_MIN);
            if (id != INT_MIN && place(t, id)) {
                placedAny = true;
            }
        }
        if (!placedAny && !hasLocation) {
            for (int id : DefaultToolbarButtons(i)) {
                place(t, id);
            }
        }

        t.visible = store.ReadNumber(key, QStringLiteral("Visible"), 1) != 0;
        if (hasLocation) {
            t.location = static_cast<DockLocation>(location);
            t.rect = QRect(ReadCoordinate(store, key, QStringLiteral("PosX")),
                           ReadCoordinate(store, key, QStringLiteral("PosY")),
                           ReadCoordinate(store, key, QStringLiteral("Width")),
                           ReadCoordinate(store, key, QStringLiteral("Height")));
        } else {
            t.location = DefaultDockLocation(i);
            t.defaultPlace = true;
        }
    }

    // Docking order: floating, top, left, right, bottom; within an area by stored place.
    static constexpr std::array<DockLocation, 5> kAreaOrder{kDockFloating, kDockTop, kDockLeft,
                                                            kDockRight, kDockBottom};
    for (DockLocation area : kAreaOrder) {
        std::vector<int> members;
        for (int i = 0; i < kToolbarCount; ++i) {
            if (plan.toolbars[i].visible && plan.toolbars[i].location == area) {
                members.push_back(i);
            }
        }
        if (area != kDockFloating) {
            std::stable_sort(members.begin(), members.end(), [&plan](int a, int b) {
                const ToolbarPlacement& ta = plan.toolbars[a];
                const ToolbarPlacement& tb = plan.toolbars[b];
                const int ra = RowCoordinate(ta);
                const int rb = RowCoordinate(tb);
                return ra != rb ? ra < rb : AlongCoordinate(ta) < AlongCoordinate(tb);
            });
        }
        for (std::size_t m = 0; m < members.size(); ++m) {
            ToolbarPlacement& t = plan.toolbars[members[m]];
            t.newRow = area == kDockFloating || m == 0 ||
                       RowCoordinate(t) != RowCoordinate(plan.toolbars[members[m - 1]]);
            plan.dockOrder.push_back(members[m]);
        }
    }
    plan.unplaced = store_;
    return plan;
}

void SaveToolbar(SettingsStore& store, int index, const ToolbarSnapshot& toolbar) {
    const SettingsKey key = store.OpenForWriting(ToolbarKeyName(index));
    store.WriteNumber(key, QStringLiteral("Location"), toolbar.location);
    store.WriteNumber(key, QStringLiteral("PosX"), toolbar.rect.left());
    store.WriteNumber(key, QStringLiteral("PosY"), toolbar.rect.top());
    store.WriteNumber(key, QStringLiteral("Width"), toolbar.rect.width());
    store.WriteNumber(key, QStringLiteral("Height"), toolbar.rect.height());
    store.WriteNumber(key, QStringLiteral("Visible"), Bool(toolbar.visible));
    int n = 0;
    for (int id : toolbar.gadgets) {
        if (id < 0) {
            continue;  // the grip is made afresh from "DockingGrip"
        }
        store.WriteNumber(key, ButtonName(n++), id);
    }
    while (n < kMaxStoredGadgets && store.DeleteValue(key, ButtonName(n))) {
        ++n;
    }
}

}  // namespace quenby
