#pragma once

// Command numbers of the menus, toolbar buttons and keys. A command's number is also
// the number of its hint string and of its toolbar picture.
namespace quenby::cmd {

inline constexpr int kNew = 24331;
inline constexpr int kOpen = 24332;
inline constexpr int kOpenTemplate = 11845;
inline constexpr int kSave = 24333;
inline constexpr int kSaveAs = 24334;
inline constexpr int kPrint = 24337;
inline constexpr int kPrintPreview = 24340;
inline constexpr int kPrintSetup = 24338;
inline constexpr int kExit = 24310;

inline constexpr int kUndo = 1760;
inline constexpr int kCut = 1761;
inline constexpr int kCopy = 1762;
inline constexpr int kPaste = 1763;
inline constexpr int kDelete = 1764;
inline constexpr int kClearPage = 1765;
inline constexpr int kDuplicate = 8074;
inline constexpr int kSelectAll = 1298;

inline constexpr int kToFront = 1807;
inline constexpr int kToBack = 1808;
inline constexpr int kStepForward = 11842;
inline constexpr int kStepBackward = 11843;

inline constexpr int kLineTool = 1806;
inline constexpr int kPictureTool = 1801;
inline constexpr int kTextTool = 1800;
inline constexpr int kCircularTextTool = 1814;
inline constexpr int kBoxTool = 1802;
inline constexpr int kEllipseTool = 1803;
inline constexpr int kCalendarTool = 1813;
inline constexpr int kSelectTool = 1811;

inline constexpr int kPageColour = 1297;
inline constexpr int kPrintFoldLines = 11844;
inline constexpr int kFill = 8072;
inline constexpr int kOutline = 8073;
inline constexpr int kTextColour = 8077;
inline constexpr int kTextOutline = 8078;
inline constexpr int kTextShadow = 8083;
inline constexpr int kTextFont = 8070;
inline constexpr int kEditText = 8071;
inline constexpr int kTurnText = 8084;
inline constexpr int kDeleteElement = 8075;
inline constexpr int kLeaveMenu = 8076;  // "Salir de este menú": closes the context menu
inline constexpr int kUngroup = 8079;    // "Separar": the group becomes plain elements
inline constexpr int kContextB = 8090;

inline constexpr int kShowMargins = 1724;
inline constexpr int kPicturesOnly = 1208;
inline constexpr int kPicturesAndText = 1207;
inline constexpr int kZoomPageWidth = 4000;
inline constexpr int kZoomPageHeight = 4001;
inline constexpr int kZoomWholePage = 4002;
inline constexpr int kZoomList = 7009;
inline constexpr int kPaperList = 7010;
inline constexpr int kAcrossList = 7011;
inline constexpr int kDownList = 7012;
inline constexpr int kZoomIn = 1715;
inline constexpr int kZoomOut = 1716;
inline constexpr int kPortrait = 5000;
inline constexpr int kLandscape = 5001;
inline constexpr int kFace0 = 1600;  // the front; 1601..1603 the other faces
inline constexpr int kFace1 = 1601;
inline constexpr int kFace2 = 1602;
inline constexpr int kFace3 = 1603;

inline constexpr int kHelp = 8432;
inline constexpr int kProductSite = 11846;
inline constexpr int kQuestionsPage = 11847;
inline constexpr int kAbout = 2009;

// Not commands: the grip that starts a toolbar, and a separator.
inline constexpr int kGrip = -1;
inline constexpr int kSeparator = 0;

}  // namespace quenby::cmd
