// The fonts of the dialog templates and the printed sheets, by face name.
//
// The templates and sheets name "MS Sans Serif", a face that is not installed
// here. It is mapped to the installed face whose metrics come closest to the
// 8-point dialog font the templates were laid out in: Carlito (Debian package
// fonts-crosextra-carlito) has the same dialog base units at 8 points (6 x 13
// pixels at 96 dots per inch) and sets a caption no wider than the original
// face does, so every caption fits the control it was sized for. Dialog units
// and the sheets' character width are still worked out from the font in use.
#pragma once

#include <QFont>

#include <string>

// The installed family a face name stands for: the face itself when it is
// installed, else its substitute when that is, else an empty text.
QString InstalledFamilyOf(const std::string& face);

// The Qt font of a face name: the face or its substitute; a face that has
// neither falls back to the generic family of its kind (fixed-pitch faces to
// a monospace font, the rest to a sans-serif font). Text in it is drawn
// without ligatures or kerning.
QFont FontOfFace(const std::string& face);

// The point size a screen font of the face is drawn at. "MS Sans Serif" is a
// bitmap face whose smallest size is 8 points: a smaller size (the main
// dialog asks for 7) gets the 8-point face, as it does on the original
// platform. Printed sheets take their sizes as given.
int ScreenPointSize(const std::string& face, int points);

// A text as the installed faces can draw it: an ideographic space (U+3000),
// which none of them has a glyph for, becomes a blank. The text itself stays
// as written; only what is drawn changes.
QString DrawableText(const QString& text);
