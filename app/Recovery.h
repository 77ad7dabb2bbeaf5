// An Apply cut short between its first and last replacement (the program
// ended, or the power went) is found at the next start: the user is told
// which files it replaced and chooses between putting the emulator folder
// back as it was before that Apply and keeping the files as they are.
#pragma once

class TForm1;

// Looks for an unfinished Apply of the form's emulator folder and settles it
// with the user's answer; its temporary files are removed either way. An
// Apply another Configurator is running right now is left alone. Throws what
// the backup store throws (shown by the caller).
void SettleUnfinishedApply(TForm1& form);
