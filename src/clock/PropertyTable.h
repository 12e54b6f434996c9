#pragma once
// How each of the Properties dialog's values stands for the clock: one table, in the order
// applying needs, that the dialog's opening reads the clock through and applying writes it back
// through. The dialog maps its controls to the same PropertyValues members, so the opening, the
// gathering of the controls and the applying cannot drift apart.
#include "clock/ClockFace.h"
#include "clock/ClockSettings.h"
#include "clock/PropertyValues.h"

#include <functional>
#include <span>

// The clock's three labels, in the face's order.
enum class FaceLabel { Date, Week, Time };

// The steps of applying that are not plain copies; each runs right after the row that names it.
enum class ApplyStep {
    None,
    Level,         // the tray icon off, then the window's stay-on-top level from FChk
    ItalicWidths,  // the italic width compensation, with the shadow offset from before the apply
    ShadowOffsets, // XLabel and YLabel into the three shadows
    ChimeInterval, // RadioGroup1: no selection keeps both interval flags
};

struct PropertyRow {
    enum class Kind {
        Flag,        // bool value ↔ settings flag (inverse: the value is the flag's negation)
        ShadowFlag,  // bool value ↔ settings flag and the three shadows' visibility
        Text,        // text value ↔ settings text
        FontName,    // the three labels' font (read from the date label)
        FontSize,    //
        FontStyle,   //
        FontColour,  // colour value ↔ a label's font colour
        ShadowColour // colour value ↔ a label's shadow colour
    };
    Kind kind;
    bool PropertyValues::*flagValue = nullptr;
    bool ClockSettings::*flag = nullptr;
    bool inverse = false;
    std::string PropertyValues::*textValue = nullptr;
    std::string ClockSettings::*text = nullptr;
    TColor PropertyValues::*colourValue = nullptr;
    FaceLabel label = FaceLabel::Date;
    ApplyStep then = ApplyStep::None;
};

std::span<const PropertyRow> PropertyRows();

// The opening's reading: every value the table and the two special steps name, from the clock.
// RadioGroup1 follows the opening's rule (a hidden group falls back to every half hour); XLabel
// and YLabel are the date label's offsets as they stand, not yet limited to the scroll bars.
PropertyValues ReadPropertyValues(const ClockSettings& settings, const ClockFace& face);

// Applying: the table's rows in order, each plain copy made here; `step` runs the step that needs
// the window (Level), while ItalicWidths, ShadowOffsets and ChimeInterval are made here too.
void WritePropertyValues(const PropertyValues& values, ClockSettings& settings, ClockFace& face,
                         const std::function<void(ApplyStep)>& step);
