#pragma once
// The transfer layer's step-by-step trace. Texts go to one process-wide sink, which discards them
// unless a program routes them to the debug log or a file. Safe to use from any thread.

#include <QString>

#include <cstdint>
#include <functional>

using TraceSink = std::function<void(const QString &text)>;

// Replaces the sink; an empty function discards every text (the default).
void setTraceSink(TraceSink sink);
void routeTraceToDebugLog();
// Appends every text as one line to the file; false (and the sink unchanged) when it can't be opened.
bool routeTraceToFile(const QString &path);

// True while a sink is installed, so callers can skip formatting a text nobody reads.
bool traceActive();
void trace(const QString &text);

// Bytes as two hex digits separated by single spaces: "05 24 FA 48".
enum class HexCase { Lower, Upper };
QString reportHex(const uint8_t *data, int length, HexCase hexCase = HexCase::Upper);
