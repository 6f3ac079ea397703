#pragma once

// Gives the calling thread real-time scheduling at the lowest real-time priority, so that a
// busy machine (a build beside the player) does not delay its wake-ups. A privileged process
// takes it itself; an ordinary desktop user asks RealtimeKit, the system's broker for it, at
// most `brokerTimeoutMs` long. False when neither way succeeds: the thread then runs as it was.
// `askBroker` false skips the broker (it has refused before).
bool requestRealTimePriority(bool askBroker, int brokerTimeoutMs);
