#include "platform/MenuResource.h"

#include "platform/CommandIds.h"
#include "platform/ResourceStrings.h"

namespace quenby {

const std::vector<MenuGroup>& MainMenu() {
    using namespace cmd;
    static const std::vector<MenuGroup> kMenu{
        {"&Fichero",
         {{kNew, "Nuevo"},
          {kOpen, "Abrir..."},
          {kOpenTemplate, "Abrir una plantilla..."},
          {},
          {kSave, "Guardar"},
          {kSaveAs, "Guardar como..."},
          {},
          {kPrint, "Imprimir..."},
          {kPrintPreview, "Imprimir vista preliminar..."},
          {kPrintSetup, "Configuración de impresión..."},
          {},
          {kExit, "Salir\tAlt+F4"}}},
        {"Editar",
         {{kUndo, "Deshacer\tCtrl+Z"},
          {},
          {kCut, "Cortar\tCtrl+X"},
          {kCopy, "Copiar\tCtrl+C"},
          {kPaste, "Pegar\tCtrl+V"},
          {kDuplicate, "Duplicar\tCtrl+D"},
          {},
          {kSelectAll, "Seleccionar todo\tCtrl+A"},
          {kDelete, "Borrar\tDel"}}},
        {"Organizar",
         {{kToFront, "A parte delantera"},
          {kToBack, "A parte trasera"},
          {},
          {kStepForward, "Desplazar hacia delante "},
          {kStepBackward, "Desplazar hacia atrás "}}},
        {"Insertar",
         {{kLineTool, "Línea"},
          {kPictureTool, "Imagen"},
          {kTextTool, "Texto"},
          {kCircularTextTool, "Texto circular"},
          {kBoxTool, "Rectángulo"},
          {kEllipseTool, "Círculo"},
          {kCalendarTool, "Calendario"}}},
        {"Formato",
         {{kPageColour, "Color de página..."},
          {kPrintFoldLines, "Imprimir líneas de pliegue"},
          {},
          {kFill, "Llenar..."},
          {kOutline, "Añadir contorno... "},
          {},
          {kTextColour, "Color de texto..."},
          {kTextOutline, "Contorno de texto..."},
          {kTextShadow, "Colocar sombra detrás de texto..."},
          {kTextFont, "Fuente de texto..."},
          {kEditText, "Edición de texto..."},
          {kTurnText, "Giro de texto"}}},
        {"Ver",
         {{kShowMargins, "Mostrar márgenes de impresión"},
          {kPicturesOnly, "Mostrar herramientas como imágenes solamente"},
          {kPicturesAndText, " Mostrar herramientas como imágenes y texto"},
          {},
          {kZoomPageWidth, "Ancho de página"},
          {kZoomPageHeight, "Altura de página"},
          {kZoomWholePage, "Página entera"}}},
        {"Ayuda",
         {{kHelp, "Índice..."},
          {},
          {kProductSite, "Sitio web de Wexmoor Arts..."},
          {kQuestionsPage, "Preguntas frecuentes en línea..."},
          {},
          {kAbout, "Acerca de..."}}},
    };
    return kMenu;
}

QString StatusHint(int id) {
    return ResourceString(id).section(u'\n', 0, 0);
}

QString ToolTipHint(int id) {
    const QString hint = ResourceString(id);
    return hint.contains(u'\n') ? hint.section(u'\n', 1) : hint;
}

QString MenuText(int id) {
    for (const MenuGroup& group : MainMenu()) {
        for (const MenuItem& item : group.items) {
            if (item.command == id && id != cmd::kSeparator) {
                return QString::fromUtf8(item.text);
            }
        }
    }
    return ToolTipHint(id);
}

QString AccessibleCommandName(int id) {
    for (const MenuGroup& group : MainMenu()) {
        for (const MenuItem& item : group.items) {
            if (item.command == id && id != cmd::kSeparator) {
                return QString::fromUtf8(item.text).section(u'\t', 0, 0).trimmed();
            }
        }
    }
    return StatusHint(id).trimmed();
}

QList<QKeySequence> AcceleratorKeys(int id) {
    struct Accelerator {
        int command;
        QKeyCombination key;
    };
    static const Accelerator kTable[] = {
        {cmd::kCut, Qt::CTRL | Qt::Key_X},
        {cmd::kCopy, Qt::CTRL | Qt::Key_C},
        {cmd::kPaste, Qt::CTRL | Qt::Key_V},
        {cmd::kSelectAll, Qt::CTRL | Qt::Key_A},
        {cmd::kUndo, Qt::CTRL | Qt::Key_Z},
        {cmd::kDuplicate, Qt::CTRL | Qt::Key_D},
        {cmd::kHelp, QKeyCombination(Qt::Key_F1)},
        {cmd::kDelete, QKeyCombination(Qt::Key_Delete)},
        {cmd::kDelete, QKeyCombination(Qt::Key_Backspace)},
        // Not in the table of old: for desktops whose window manager does not send it.
        {cmd::kExit, Qt::ALT | Qt::Key_F4},
        // The file keys every desktop program has. Exit keeps Alt+F4 first, the key its
        // menu item shows.
        {cmd::kNew, Qt::CTRL | Qt::Key_N},
        {cmd::kOpen, Qt::CTRL | Qt::Key_O},
        {cmd::kSave, Qt::CTRL | Qt::Key_S},
        {cmd::kSaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {cmd::kPrint, Qt::CTRL | Qt::Key_P},
        {cmd::kExit, Qt::CTRL | Qt::Key_Q},
    };
    QList<QKeySequence> keys;
    for (const Accelerator& a : kTable) {
        if (a.command == id) {
            keys.append(QKeySequence(a.key));
        }
    }
    return keys;
}

}  // namespace quenby
