// Dialogs of the documents.
