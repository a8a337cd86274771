#pragma once
// Driving the shell's screens through the platform's test hooks, as a user would: plain
// functions with no test framework behind them, for the program UI tests and for the memory
// benchmark that runs the same screens. Call them from a script run by TestHooks::RunProgram.

namespace ShellScreenDriving {

// Waits until the main screen in front has finished its initialisation: it is in front while
// it still initialises (a message box of the loading may be up), and its picture is the last
// thing the initialisation sets. False after about five seconds without it.
bool WaitForMainScreenReady();

// Taps list entry index of the front dialog's list controlId, the entry first scrolled into
// view; false when there is no such list or entry (nothing is tapped then).
bool TapListEntry(int controlId, int index);

// Returns to the main screen by closing the dialogs above it (ten at the most).
void BackToMainScreen();

} // namespace ShellScreenDriving
