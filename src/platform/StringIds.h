#pragma once

// Numbers of the resource strings that code refers to by name.
namespace quenby::str {

inline constexpr int kAutomatic = 1400;            // "Automático"; 1401 "Más colores..."
inline constexpr int kNoText = 7209;               // "" (the progress window's first line)
inline constexpr int kProductName = 7999;          // "Wexmoor Arts Craftbox"
inline constexpr int kDocumentFilter = 8000;       // file-dialog filter for documents
inline constexpr int kNoRoomText = 8006;           // "No hay espacio para añadir un elemento"
inline constexpr int kNoRoomCaption = 8007;        // "Memoria llena"
inline constexpr int kClearPageQuestion = 8012;    // "¿Está seguro de que quiere borrar ...?"
inline constexpr int kClearPageCaption = 8013;     // "Borrar esta página"
inline constexpr int kPictureNotLoaded = 8016;     // "No se pudo cargar imagen"
inline constexpr int kPaperSizeLabel = 8023;       // "Tamaño de papel"
inline constexpr int kZoomLabel = 8036;            // "Zoom"
inline constexpr int kSaveChangesQuestion = 8042;  // "¿Quiere guardar los cambios ...?"
inline constexpr int kChooseFileTitle = 8044;      // "Seleccionar nombre de fichero "
inline constexpr int kCannotOpenFile = 8045;       // "No se puede abrir el fichero "
inline constexpr int kErrorCaption = 8046;         // "Error"
inline constexpr int kInvalidFile = 8047;          // "Fichero no válido"
inline constexpr int kOpenDocumentCaption = 8048;  // "Abrir documento"
inline constexpr int kNotAGraphicFile = 8051;      // "No es un fichero de gráficos ... válido"
inline constexpr int kPagesAcross = 8054;          // "Páginas al lado"
inline constexpr int kPagesDown = 8055;            // "Páginas abajo " (with its blank)
// The element's context menu.
inline constexpr int kFontItem = 8070;             // "Fuente..."
inline constexpr int kEditTextItem = 8071;         // "Editar texto..."
inline constexpr int kFillItem = 8072;             // "Llenar..."
inline constexpr int kOutlineItem = 8073;          // "Añadir contorno... "
inline constexpr int kDuplicateItem = 8074;        // "Duplicar"
inline constexpr int kDeleteItem = 8075;           // "Borrar"
inline constexpr int kLeaveMenuItem = 8076;        // "Salir de este menú"
inline constexpr int kUngroupItem = 8077;          // "Separar"
inline constexpr int kOutlineStyleCaption = 8080;  // "Estilo de contorno"
inline constexpr int kFillStyleCaption = 8081;     // "Estilo de llenado"
inline constexpr int kShadowItem = 8083;           // "Colocar sombra..."
inline constexpr int kTurnTextItem = 8084;         // "Girar texto"
inline constexpr int kFontSampleText = 8085;       // "Wexmoor Arts"
inline constexpr int kNormalStyle = 8086;          // "Normal"; +1 "Negritas", +2 "Cursiva"
inline constexpr int kHideBackground = 8090;     // "Quitar el fondo"; 8091 "Mostrar el fondo"
inline constexpr int kFirstCategory = 8101;        // "Criaturas mágicas" ... 8107
inline constexpr int kLoading = 8111;              // "Cargando"
inline constexpr int kOf = 8112;                   // "de"
inline constexpr int kJanuary = 13425;             // "Enero" ... 13436 "Diciembre"

}  // namespace quenby::str
