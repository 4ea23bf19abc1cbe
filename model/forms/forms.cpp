// Windows of the parcel model: progress window, batch dialog, open and save commands.
