// The fixed texts of the processing run and the backup step, byte for byte.
#pragma once

namespace plumora {

inline constexpr const char* kProcessConfirmText = "Process all selected files?";
inline constexpr const char* kConversionCompletedText = "Conversion Completed.";
inline constexpr const char* kBackupFailedText = "Unable to create backup...  Operation aborted...";
inline constexpr const char* kDeleteAllFilesPrefix = "Delete all files in ";
inline constexpr const char* kBackingUpFilePrefix = "Backing Up File: ";
inline constexpr const char* kLogFileName = "VBPLUMO3.LOG";

}  // namespace plumora
