// Dialogs of the registers.
