#pragma once
// Levels > Export area and Import area: the file questions and messages
// around the area files of the level core.
#include "ui/patchactions.h"

#include <QString>

class QWidget;

namespace quib {

class Document;

// Asks where to write the current area and writes it. Returns the status
// bar's text, empty when cancelled or refused (shown in a message box).
QString exportareaflow(QWidget *parent, Document &doc, const FilePicker &pick);

// Asks for an area file and puts its header and records into the current
// area as one undo step. A file of another object set asks first; a file
// that is damaged, out of range or larger than the area's streams is refused
// with a message and changes nothing. Returns the status bar's text, empty
// when nothing was imported.
QString importareaflow(QWidget *parent, Document &doc, const FilePicker &pick);

} // namespace quib
