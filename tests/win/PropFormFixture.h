#pragma once
// The Properties dialog in-process over a clock's settings and face, opened afresh by each test.
#include "../unit/FakeLabelHost.h"
#include "TestSupport.h"
#include "dialogs/PropForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace wintest {

class PropFormFixture : public ::testing::Test {
protected:
    std::unique_ptr<TPropForm> Open() {
        return std::make_unique<TPropForm>(TestApplication(), PropFormClock{settings, face, {}});
    }
    FakeLabelHost host;
    ClockFace face{host};
    TShadowLabel &date = face.DateLbl, &week = face.WeekLbl, &time = face.TimeLbl;
    ClockSettings settings;
};

} // namespace wintest
