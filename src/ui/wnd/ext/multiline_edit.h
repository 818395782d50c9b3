// The multi-line edit: an edit control with ES_MULTILINE, driven through CEdit
// and the EM_ messages like the single-line one. Its text model keeps the
// original's line ends: GetWindowText gives "\r\n" between lines, and every
// offset (EM_GETSEL, EM_SETSEL, EM_REPLACESEL, the limit) counts the two
// characters of a line end, so caret arithmetic over fixed-length lines holds.
// Enter makes a new line only with ES_WANTRETURN; otherwise the dialog's
// default button takes it. ES_READONLY keeps a caret and keyboard selection.
#pragma once

#include <QString>

// Offsets between the model text ("\r\n" line ends) and the text as shown (one
// character per line end). An offset between the "\r" and "\n" of a line end
// shows at the line end.
int MultiLineEditShownOffset(const QString& model, int modelOffset);
int MultiLineEditModelOffset(const QString& model, int shownOffset);
