#pragma once
// How the axis moves through a program, worked out from the values the mount receives: the
// angle at each photo, the photo instants, the swings' reversals and the end; for drawing it
// and for planning the night around it.
//
// What the mount's program fixes, as the simulator runs it: photo k (from 0) begins its cycle
// at k periods and the mount counts it when that cycle ends; the program ends after N_Cycles
// periods. The period is the real one of a shot cycle, effectiveCycleSec (else cycleSec): the
// programmed one unless dithering moves longer than the gap stretch it, which the simulator
// does not do. Each cycle the axis advances by one cycle angle in the program's direction: the
// speed times the period, or for a regular-exposure time-lapse, which steps, cycleAngleDeg;
// the last cycle's advance included. With swinging the travel folds back and forth between
// the start and one swing range (whole degrees, as the mount keeps it) away. Angles are
// relative to the start, clockwise positive: the way the axis counts its steps up.
//
// A model, as the mount does not fix it, is how the axis moves inside a cycle:
// astrophotography and astro time-lapse track continuously; regular- and long-exposure
// time-lapses hold still during the exposure and make the cycle's move in the interval after
// it (in auxTimeSec when that is set and shorter, then wait). Dithering offsets photo k by
// (0, 4, -2, 2, -4, 3, -1, 1)[k mod 8] eighths of ditheringRangeDeg, moved to in the same
// interval before it, and returns to no offset after the last photo.

#include "TAVOParams.h"

#include <QPointF>
#include <QString>

#include <vector>

namespace JEX {

struct TimelineEvent {
    double tSec = 0;     // from the program's start
    double angleDeg = 0; // axis angle relative to the start, clockwise positive
    QString kind;        // "start", "photo", "reversal", "end" (a program with no end: "horizon")
};

struct TaskTimeline {
    // (tSec, angleDeg) samples enough to draw the motion, at most 2000: a program with more
    // detail is drawn at its mean rate, and more reversals than fit as a band of them.
    std::vector<QPointF> path;
    // In time order; a reversal before a photo at its time. A turn at or after the last photo
    // of a program with an end only leads to its last step: drawn, but not listed.
    std::vector<TimelineEvent> events;
    double durationSec = 0;      // to the end, or to the horizon when unlimited
    double totalRotationDeg = 0; // sum of |movement|, dithering included
    bool unlimited = false;      // N_Cycles == 0: drawn to the horizon only
    int photos = 0;              // photo events listed
};

// The timeline of a valid program; an unlimited one (N_Cycles 0) is drawn up to horizonSec,
// with the photos that begin before it. Photo events and reversal events are each capped at
// 2000 (the rest implied), so that a long program stays cheap. A program without a period
// or with a negative count has no photos and ends at its start.
TaskTimeline taskTimeline(const TAVOParamSet& program, double horizonSec);

} // namespace JEX
