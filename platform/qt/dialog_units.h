// Dialog units: templates place controls in quarters of the dialog font's average character
// width and eighths of its height, so a dialog keeps its proportions with any font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace dlg::qtport {

// The font a template names, as it exists here: the platform's dialog faces map to a sans-serif
// face of similar proportions, at the template's point size.
QFont DialogFont(const char* face, int points);

// a * b / c, rounded half away from zero, as the platform's MulDiv does.
int MulDiv(int a, int b, int c);

struct DialogUnits {
    int baseX;  // average character width in pixels
    int baseY;  // character height in pixels

    static DialogUnits ForFont(const QFont& font);

    int X(int units) const { return MulDiv(units, baseX, 4); }
    int Y(int units) const { return MulDiv(units, baseY, 8); }
    QRect Rect(int x, int y, int cx, int cy) const { return {X(x), Y(y), X(cx), Y(cy)}; }
    QSize Size(int cx, int cy) const { return {X(cx), Y(cy)}; }
};

}  // namespace dlg::qtport
