// What a run mode (live pacing, capture, benchmark, tests) sees of the demo while it plays.
#pragma once

#include "DemoState.h"

struct SDemo;

class IDemoObserver {
public:
    virtual ~IDemoObserver() = default;
    // The loading frame has been presented; the rest of the objects are about to load.
    virtual void OnLoadingShown() {}
    // Every object is built and the music is playing; the frame loop starts next.
    virtual void OnLoopStarting(const SDriverState& state) {}
    // Before the keyboard is read in a frame: scripted input goes in here.
    virtual void OnFrameStarting(const SDriverState& state) {}
    // A frame of the loop has been presented. Returning false leaves the loop as Escape would.
    virtual bool OnFramePresented(SDemo& demo) { return true; }
    // The end steps are done: the music is stopped and every object released (not yet destroyed).
    virtual void OnEnded(SDemo& demo) {}
};
