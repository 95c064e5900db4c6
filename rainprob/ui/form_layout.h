// Placing rainprob's labels where its forms have them: the position in twips, lowered a little
// so that the text stands level with the boxes beside it. The text is shown translated.
#pragma once

#include <QLabel>

#include "common/core/language.h"
#include "common/ui/window_helpers.h"

namespace rain {

inline QLabel* PlaceLabel(QWidget* parent, const char* name, const char* text, int left, int top,
                          const QFont* font = nullptr) {
    auto* l = new QLabel(hc::T(text), parent);
    if (name)
        l->setObjectName(name);
    if (font)
        l->setFont(*font);
    l->move(hc::TwipsToPixels(left), hc::TwipsToPixels(top) + 4);
    l->adjustSize();
    return l;
}

}  // namespace rain
