#pragma once
// The one orderly end of the program.

// Writes DateText as CurrentDate into "TARLOWE.INI": the date of the last run.
void WriteLastRunDate();
// Closes the help window and ends the process at once: no window handler
// runs any more.
void QuitHelpAndEnd();
// The orderly end: the last-run date written, the help closed, the process
// ended.
void EndProgram();
