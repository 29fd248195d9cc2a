#pragma once
// Tests of the thread's last system error after a system call. Clear the
// error (Os::ClearLastError) before each call whose outcome is tested.

#include <cstdint>

// True when the last system error is a real failure: none of success, "not
// enough storage" and "request aborted", which the program treats as benign.
bool LastErrorFailed();
// As LastErrorFailed, and "already exists" is benign too: for opening a file
// that may exist.
bool LastErrorFailedIgnoreExists();
// True for the codes that end a directory scan without failure: success,
// no more files, file not found.
bool IsBenignFindError(int32_t code);
// True for a failing COM-style result (negative), except "cancelled by the user".
bool HResultFailed(int32_t result);
