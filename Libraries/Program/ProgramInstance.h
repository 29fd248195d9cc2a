#pragma once
// One running game at a time: the first game process holds a named lock
// of its user; a later one of the same user finds it taken and leaves. The system
// frees the lock when its holder ends, even by a crash. Processes of other
// users can neither hold nor block it where the user has a private runtime
// folder; elsewhere only socket names guard it, which they can take first.

#include <cstddef>
#include <string>

// The lock's name is this prefix followed by the program name.
inline constexpr const char* kInstanceNamePrefix = "Mutex_ProgramInstance_";

// Takes the lock "Mutex_ProgramInstance_" + programName and keeps it until
// ReleaseProgramInstance. True when another process of this user holds it
// already, which is then asked to show its window (with the activation
// token this process was started with, where it has one); false when this process
// has it now, and also when the lock cannot be made at all (the program then
// runs without the guard).
bool IsAnotherInstanceRunning(const std::string& programName);
// Frees the lock, when this process holds it.
void ReleaseProgramInstance();
// The held lock's handle, readable when a later start has asked something
// of this process; -1 while no lock is held, and while later starts cannot
// reach this one (other users took every name they would look at).
int InstanceRequestHandle();
// Takes the requests that later starts of this user left at the held lock,
// without waiting: true when one asks to show the window.
bool TakeShowWindowRequest();
// The same; activationToken is then the one the last such start was given by
// whoever started it ($XDG_ACTIVATION_TOKEN), empty when it had none or one
// that is not a plain token of at most kMaxActivationToken printable bytes.
bool TakeShowWindowRequest(std::string& activationToken);

// The longest activation token a later start passes on.
inline constexpr size_t kMaxActivationToken = 255;
