// Dialogs of the reference data.
