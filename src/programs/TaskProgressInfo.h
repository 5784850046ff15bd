#pragma once
// How far a running program has come, estimated from its start and its period: photos
// taken, the share of the run done and when it ends.

#include <QMetaType>
#include <QObject>

#include <cstdint>

namespace JEX {

struct TaskProgressInfo {
    Q_GADGET
    Q_PROPERTY(qint64 in_EstimateTimeUnixMs MEMBER in_EstimateTimeUnixMs)
    Q_PROPERTY(qint64 in_StartTimeUnixMs MEMBER in_StartTimeUnixMs)
    Q_PROPERTY(bool in_AdjustedStartTime MEMBER in_AdjustedStartTime)
    Q_PROPERTY(int in_N_Cycles MEMBER in_N_Cycles)
    Q_PROPERTY(double in_T_Cycle MEMBER in_T_Cycle)
    Q_PROPERTY(int in_TakenPhotos MEMBER in_TakenPhotos)
    Q_PROPERTY(bool noEnd MEMBER noEnd)
    Q_PROPERTY(bool finished MEMBER finished)
    Q_PROPERTY(bool confirmedFinish MEMBER confirmedFinish)
    Q_PROPERTY(double elapsedClippedSec MEMBER elapsedClippedSec)
    Q_PROPERTY(int takenPhotos MEMBER takenPhotos)
    Q_PROPERTY(double percentTotal MEMBER percentTotal)
    Q_PROPERTY(double percentCycle MEMBER percentCycle)
    Q_PROPERTY(bool correctedToMount MEMBER correctedToMount)
    Q_PROPERTY(double t_Total READ t_Total)
    Q_PROPERTY(double t_Remain READ t_Remain)
    Q_PROPERTY(double progress READ progress)
    Q_PROPERTY(qint64 endTimeUnixMs READ endTimeUnixMs)
public:
    qint64 in_EstimateTimeUnixMs = 0; // when the estimate was made
    qint64 in_StartTimeUnixMs = 0;
    bool in_AdjustedStartTime = false; // the start was derived from a status reading
    int in_N_Cycles = 0;               // 0: unlimited
    double in_T_Cycle = 0;             // seconds per photo
    int in_TakenPhotos = -1;           // from the last status; -1 when not used
    bool noEnd = false;
    bool finished = false;
    bool confirmedFinish = false; // the status itself reports every photo taken
    double elapsedClippedSec = 0;
    int takenPhotos = 0;
    double percentTotal = 0; // 0..1; 0 when unlimited
    double percentCycle = 0; // 0..1 of the current photo cycle
    // The figures went back since the last estimate of this run: the mount's own count,
    // read since, is behind the estimate. Stays set until the next status reading.
    bool correctedToMount = false;

    double t_Total() const { return in_N_Cycles * in_T_Cycle; }
    double t_Remain() const { return t_Total() - elapsedClippedSec; }
    // 0..1; 0 when there is no total time (unlimited, or a period of 0).
    double progress() const { return t_Total() > 0 ? elapsedClippedSec / t_Total() : 0.0; }
    // Whole seconds of the total time after the start.
    qint64 endTimeUnixMs() const;

    bool operator==(const TaskProgressInfo&) const = default;
};

} // namespace JEX

Q_DECLARE_METATYPE(JEX::TaskProgressInfo)
