// Small helpers every window uses: centring on the screen, texts of the classic kind.
#pragma once

#include <QString>
#include <string>

class QAbstractItemView;
class QWidget;

namespace hc {

// Moves a window so that left = (screen width - window width) div 2 and top likewise, using
// the frame size of the window and the available geometry of its screen.
void CentreOnScreen(QWidget* window);

// Window layouts designed in twips (1/1440 inch) are shown at 15 twips a pixel.
constexpr int TwipsToPixels(int twips) {
    return twips / 15;
}

// A table of results, read and copied but not edited. Tab leaves it for the window's next
// control, as in any dialog; the arrow keys move between its cells.
void MakeResultTable(QAbstractItemView* table);

// Turns the "\r"-separated lines of a classic message into "\n"-separated ones.
QString MessageText(const std::string& text);

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

}  // namespace hc
