#include "shell/simulation.h"

#include "windows/clock_text.h"

#include "windows/random.h"
#include "shell/window_setters.h"

namespace pw {

namespace {

// k - 1 for the smallest k >= 1 whose text is empty; 99 when every entry is filled.
std::int32_t TopIndex(const cWindow& w) {
    for (int k = 1; k < kIndexCount; ++k)
        if (w.Text[k].empty()) return k - 1;
    return kIndexCount - 1;
}

void RefreshRanges(Editor& editor) {
    bool positionSeen = false, statusSeen = false;
    for (const auto& w : editor.doc.layout.WindowList) {
        if (w->Type == wtPosition && !positionSeen) {
            editor.run.sim.SimTopPosition = TopIndex(*w);
            positionSeen = true;
        } else if (w->Type == wtLiftStatus && !statusSeen) {
            editor.run.sim.SimTopStatus = TopIndex(*w);
            statusSeen = true;
        }
    }
}

void StepStatus(Editor& editor) {
    Simulation& s = editor.run.sim;
    if (s.SimStatus == 0 && editor.run.TickCount % 32 == 0) {
        s.SimStatusCycle = s.SimStatusCycle >= s.SimTopStatus ? 1 : s.SimStatusCycle + 1;
        s.SimStatus = s.SimStatusCycle;
    } else if (s.SimStatus > 0 && editor.run.TickCount % 4 == 0) {
        s.SimStatus = 0;
    }
}

void StopAt(Simulation& s, std::int32_t nextDirection) {
    if (nextDirection) s.SimDirection = nextDirection;
    s.SimDestination = s.SimPosition;
    s.SimDestDelay = -1;
}

void StepLift(Editor& editor) {
    Simulation& s = editor.run.sim;
    if (s.SimDestDelay == -1 && editor.run.TickCount % 8 == 0) {
        s.SimDestination = 0;
        s.SimDestDelay = static_cast<std::int32_t>(NextRandom(editor.run.random, 4)) + 1;
    }
    if (s.SimDestDelay < 0) return;
    if (s.SimDirection == 1) {
        ++s.SimPosition;
        if (s.SimPosition >= s.SimTopPosition) return StopAt(s, 2);
    } else {
        --s.SimPosition;
        if (s.SimPosition <= 1) return StopAt(s, 1);
    }
    if (s.SimDestDelay > 0 && --s.SimDestDelay == 0) StopAt(s, 0);
}

void Follow(Editor& editor, cWindow& w, std::int32_t value) {
    if (w.CurIndex != value) SetValue(editor.doc, editor.view, w, wfCurIndex, value);
}

} // namespace


void UpdateDynamicWindow(Editor& editor, cWindow& w) {
    const Simulation& s = editor.run.sim;
    switch (w.Type) {
    case wtPosition:
        return Follow(editor, w, s.SimPosition);
    case wtDirection:
        return Follow(editor, w, s.SimDirection);
    case wtDestination:
        return Follow(editor, w, s.SimDestination);
    case wtLiftStatus:
        return Follow(editor, w, s.SimStatus);
    case wtTimeDate: {
        const std::string now = FormatClock(editor.run.LocalTime(), w.Parameter, editor.run.calendarNames);
        if (now == w.Text[0]) return;
        w.Text.Set(0, now);
        w.CurIndex = 1;
        return SetValue(editor.doc, editor.view, w, wfCurIndex, 0);
    }
    case wtTimedSequence: {
        if (w.Parameter <= 0) return;
        if (editor.run.TickCount - w.LastStepTick < static_cast<std::uint32_t>(w.Parameter)) return;
        w.LastStepTick = editor.run.TickCount;
        int next = w.CurIndex + 1;
        if (next < 1 || next >= kIndexCount || w.Text[next].empty()) next = 0;
        return SetValue(editor.doc, editor.view, w, wfCurIndex, next);
    }
    default:
        return;
    }
}

void SimulationStep(Editor& editor) {
    Simulation& s = editor.run.sim;
    if (editor.view.ViewMode != s.LastViewMode) {
        s.LastViewMode = editor.view.ViewMode;
        RefreshRanges(editor);
    }
    if (editor.view.ViewMode != vmDynamic) return;
    if (s.SimPosition == 0) s.SimPosition = 1;
    StepStatus(editor);
    StepLift(editor);
    for (std::size_t i = 0; i < editor.doc.layout.WindowList.size(); ++i)
        UpdateDynamicWindow(editor, *editor.doc.layout.WindowList[i]);
}

} // namespace pw
