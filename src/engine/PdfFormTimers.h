// The timers the engine's form layer asks for: one process-wide table of system timers and the
// engine procedures they run, shared by all documents and guarded by a lock of its own.
#pragma once

#include "engine/PdfEngineTypes.h"

#include <vector>

struct TPdfFormTimerEntry {
  int Id = 0; // 0: a free entry
  TimerCallback Callback = nullptr;
  bool operator==(const TPdfFormTimerEntry&) const = default;
};

// Starts a system timer of IntervalMs milliseconds that runs Callback with its id, and keeps it in
// the first free entry of the table (or a new one at the end). Returns the id; 0 when no timer
// started, and then nothing is kept.
int SetFormTimer(int IntervalMs, TimerCallback Callback);

// Stops the timer and frees its entries; the table then ends with its last used entry. Id 0 does
// nothing.
void KillFormTimer(int Id);

// The system timer's procedure: runs the engine procedure kept for Id, outside the lock, so that
// it may start and stop timers itself.
void TimerFired(int Id);

// A copy of the table.
std::vector<TPdfFormTimerEntry> FormTimerTable();
