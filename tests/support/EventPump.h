#ifndef TIDEWAVE_EVENTPUMP_H
#define TIDEWAVE_EVENTPUMP_H

#include <functional>

// Handles posted events (from this thread and from workers) until `done`
// returns true or `timeoutMs` passed; returns the last value of `done`.
// Timers do not fire here: tests call their handlers.
bool PumpEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Handles whatever is posted during about `ms` milliseconds.
void PumpEventsFor(int ms);

#endif
