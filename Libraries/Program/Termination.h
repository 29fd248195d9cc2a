#pragma once
// The last resort when exception handling itself cannot go on.

// Shows "Abort intercepted.\r\nProgram must be terminated." in the error
// dialog, then ends the process at once with exit code 1: nothing is saved
// and no exit handler runs.
[[noreturn]] void TerminateProgramFun();
// Makes TerminateProgramFun the process's terminate handler.
void InstallTerminateHandler();
