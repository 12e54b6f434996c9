#pragma once
// A label host that repaints nothing and measures text as one line of `lineHeight` pixels, each
// byte 10 pixels wide (counted modulo 1000, so that no text's length can overflow the width).
#include "widgets/ShadowLabel.h"

#include <string>

class NullLabelHost : public LabelHost {
public:
    explicit NullLabelHost(int lineHeight = 20) : lineHeight_(lineHeight) {}

    void InvalidateArea(const LabelRect&) override {}
    LabelRect MeasureText(const std::string& text, const LabelFont&, unsigned,
                          const LabelRect& start) override {
        return LabelRect{start.left, start.top, start.left + 10 * static_cast<int>(text.size() % 1000),
                         start.top + lineHeight_};
    }

private:
    int lineHeight_;
};
