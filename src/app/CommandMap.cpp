#include "app/CommandMap.h"

#include "app/CommandIds.h"
#include "platform/ResourceStrings.h"

#include <QAction>
#include <QTimer>

namespace quenby {

namespace {

struct MenuItem {
    int id;
    const char* text;
};

// Menu 100, as its items read.
constexpr MenuItem kMenuTexts[] = {
    {cmd::kNew, "Nuevo"},
    {cmd::kOpen, "Abrir..."},
    {cmd::kOpenTemplate, "Abrir una plantilla..."},
    {cmd::kSave, "Guardar"},
    {cmd::kSaveAs, "Guardar como..."},
    {cmd::kPrint, "Imprimir..."},
    {cmd::kPrintPreview, "Imprimir vista preliminar..."},
    {cmd::kPrintSetup, "Configuración de impresión..."},
    {cmd::kExit, "Salir\tAlt+F4"},
    {cmd::kUndo, "Deshacer\tCtrl+Z"},
    {cmd::kCut, "Cortar\tCtrl+X"},
    {cmd::kCopy, "Copiar\tCtrl+C"},
    {cmd::kPaste, "Pegar\tCtrl+V"},
    {cmd::kDuplicate, "Duplicar\tCtrl+D"},
    {cmd::kSelectAll, "Seleccionar todo\tCtrl+A"},
    {cmd::kDelete, "Borrar\tDel"},
    {cmd::kToFront, "A parte delantera"},
    {cmd::kToBack, "A parte trasera"},
    {cmd::kStepForward, "Desplazar hacia delante "},
    {cmd::kStepBackward, "Desplazar hacia atrás "},
    {cmd::kLineTool, "Línea"},
    {cmd::kPictureTool, "Imagen"},
    {cmd::kTextTool, "Texto"},
    {cmd::kCircularTextTool, "Texto circular"},
    {cmd::kBoxTool, "Rectángulo"},
    {cmd::kEllipseTool, "Círculo"},
    {cmd::kCalendarTool, "Calendario"},
    {cmd::kPageColour, "Color de página..."},
    {cmd::kPrintFoldLines, "Imprimir líneas de pliegue"},
    {cmd::kFill, "Llenar..."},
    {cmd::kOutline, "Añadir contorno... "},
    {cmd::kTextColour, "Color de texto..."},
    {cmd::kTextOutline, "Contorno de texto..."},
    {cmd::kTextShadow, "Colocar sombra detrás de texto..."},
    {cmd::kTextFont, "Fuente de texto..."},
    {cmd::kEditText, "Edición de texto..."},
    {cmd::kTurnText, "Giro de texto"},
    {cmd::kShowMargins, "Mostrar márgenes de impresión"},
    {cmd::kPicturesOnly, "Mostrar herramientas como imágenes solamente"},
    {cmd::kPicturesAndText, " Mostrar herramientas como imágenes y texto"},
    {cmd::kZoomPageWidth, "Ancho de página"},
    {cmd::kZoomPageHeight, "Altura de página"},
    {cmd::kZoomWholePage, "Página entera"},
    {cmd::kHelp, "Índice..."},
    {cmd::kProductSite, "Sitio web de Wexmoor Arts..."},
    {cmd::kQuestionsPage, "Preguntas frecuentes en línea..."},
    {cmd::kAbout, "Acerca de..."},
};

// Every command of the map, menu and toolbar ones alike.
constexpr int kAllCommands[] = {
    24331, 24332, 11845, 24333, 24334, 24337, 24340, 24338, 24310, 1760, 1761, 1762, 1763,
    8074,  1298,  1764,  1765,  1807,  1808,  11842, 11843, 1806,  1801, 1800, 1814, 1802,
    1803,  1813,  1811,  1297,  11844, 8072,  8073,  8077,  8078,  8083, 8070, 8071, 8084,
    8075,  8079,  8090,  1724,  1208,  1207,  4000,  4001,  4002,  7009, 1715, 1716, 5000,
    5001,  1600,  1601,  1602,  1603,  8432,  11846, 11847, 2009};

}  // namespace

QString MenuText(int id) {
    for (const MenuItem& item : kMenuTexts) {
        if (item.id == id) {
            return QString::fromUtf8(item.text);
        }
    }
    return ToolTipHint(id);
}

QString StatusHint(int id) {
    return ResourceString(id).section(u'\n', 0, 0);
}

QString ToolTipHint(int id) {
    const QString hint = ResourceString(id);
    return hint.contains(u'\n') ? hint.section(u'\n', 1) : hint;
}

CommandMap::CommandMap(QObject* parent) : QObject(parent) {
    for (int id : kAllCommands) {
        Add(id);
    }
}

QAction* CommandMap::Add(int id) {
    auto it = entries_.find(id);
    if (it != entries_.end()) {
        return it->second.action;
    }
    auto* action = new QAction(this);
    QString text = MenuText(id);
    // The key after the tab is shown by the shortcut itself; the menu keeps the text.
    action->setText(text.section(u'\t', 0, 0));
    action->setStatusTip(StatusHint(id));
    action->setToolTip(ToolTipHint(id).isEmpty() ? action->text() : ToolTipHint(id));
    action->setData(id);
    entries_[id].action = action;
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    return action;
}

QAction* CommandMap::Action(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

void CommandMap::SetHandler(int id, Handler handler) {
    Add(id);
    entries_[id].handler = std::move(handler);
}

std::vector<int> CommandMap::Ids() const {
    std::vector<int> ids;
    for (const auto& [id, entry] : entries_) {
        ids.push_back(id);
    }
    return ids;
}

void CommandMap::Refresh() {
    const CommandState state = source_ ? source_() : CommandState{};
    for (auto& [id, entry] : entries_) {
        const CommandStatus status = EvaluateCommand(id, state);
        entry.action->setEnabled(status.enabled);
        entry.action->setCheckable(status.checkable);
        if (status.checkable) {
            entry.action->setChecked(status.checked);
        }
    }
}

bool CommandMap::Execute(int id) {
    const auto it = entries_.find(id);
    if (it == entries_.end()) {
        return false;
    }
    // A key or a stale button may fire a command its enabler no longer allows.
    const CommandState state = source_ ? source_() : CommandState{};
    const CommandStatus status = EvaluateCommand(id, state);
    if (!status.enabled) {
        return false;
    }
    if (status.checkable) {
        it->second.action->setChecked(status.checked);  // the handler decides the tick
    }
    if (it->second.handler) {
        it->second.handler();
    }
    Refresh();
    return true;
}

void CommandMap::StartIdleRefresh(int intervalMs) {
    if (!idle_) {
        idle_ = new QTimer(this);
        connect(idle_, &QTimer::timeout, this, &CommandMap::Refresh);
    }
    idle_->start(intervalMs);
}

}  // namespace quenby
