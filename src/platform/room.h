#pragma once

#include <QString>

#include <optional>

namespace wellbox {

// What the process may still take of the system, counted without taking it for good: a window
// or a dialog that finds too little aborts in a library (GLib traps without a descriptor for a
// thread's wakeup, a painting without memory crashes), so the room is asked for first.

// How many more files the process may open now, counted up to `wanted`.
int freeFileDescriptors(int wanted);

// Why a dialog cannot be made now, in a line as strerror() gives it: too few file descriptors
// or too little address space for it. Nothing where there is room.
std::optional<QString> dialogRoomMissing();

} // namespace wellbox
