// Device and register text files: written in one piece through a temporary file renamed
// into place, each line ending in CR LF (a "\n" not already preceded by "\r" gets one).
#pragma once

#include <string>

// Writes the text to path with CR LF line ends. False with a message in error on failure.
bool WriteDeviceTextFile(const std::string& path, const std::string& text, std::string& error);

// The file dialog of a device file: starts in folder with the initial name given (save:
// asks before overwriting). Confirmed: path is the chosen full path and folder becomes the
// chosen file's folder; true. Cancelled: false, both unchanged.
bool AskDeviceFilePath(bool save, const std::string& defaultExtension, const std::string& filter,
                       const std::string& initialName, std::string& folder, std::string& path);

// Asks for a file name with the save dialog (extension, filter, working directory as the
// starting folder, overwrite prompt), makes the chosen file's folder the working
// directory and writes the text. The dialog opens with the base name followed by the
// extension, or with no name for an empty base name. A failed write is shown in a message
// box. False when the user cancels or the file could not be written.
bool AskAndWriteDeviceTextFile(const std::string& defaultExtension, const std::string& filter,
                               const std::string& text, const std::string& baseName = {});
