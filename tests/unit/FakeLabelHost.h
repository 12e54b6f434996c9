#pragma once
// A label host for native tests: counts repaint requests and measures text as a fixed-pitch
// font would (each byte 10 x 20 pixels; word wrap breaks at blanks to fit the width).
#include "widgets/ShadowLabel.h"

#include <vector>

class FakeLabelHost : public LabelHost {
public:
    std::vector<LabelRect> invalidated;
    std::vector<unsigned> measureFlags;
    static constexpr int kCharWidth = 10, kLineHeight = 20;

    void InvalidateArea(const LabelRect& area) override { invalidated.push_back(area); }

    LabelRect MeasureText(const std::string& text, const LabelFont&, unsigned flags,
                          const LabelRect& start) override {
        measureFlags.push_back(flags);
        int lines = 1, widest = 0, column = 0;
        const bool wrap = (flags & drawflags::kWordBreak) && start.Width() > 0;
        const bool prefix = !(flags & drawflags::kNoPrefix);
        std::size_t i = 0;
        while (i < text.size()) {
            std::size_t end = text.find(' ', i);
            end = end == std::string::npos ? text.size() : end + 1;
            int word = 0;
            for (std::size_t j = i; j < end; ++j)
                if (!(prefix && text[j] == '&'))
                    word += kCharWidth;
            if (wrap && column > 0 && (column + word) > start.Width()) {
                ++lines;
                column = 0;
            }
            column += word;
            widest = std::max(widest, column);
            i = end;
        }
        return LabelRect{start.left, start.top, start.left + widest, start.top + lines * kLineHeight};
    }
};
