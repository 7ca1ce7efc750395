// The commentor's own texts, byte for byte.
#pragma once

namespace plumora {

inline constexpr const char* kCommentorCaption = "Function/Sub Commentor";
inline constexpr const char* kCommentorModuleCaption = "Module: ";
inline constexpr const char* kNoRoutinesText =
    "Module does not contain any sub or function routines.";
inline constexpr const char* kNoPriorRoutinesText = "No prior routines.";
inline constexpr const char* kNoFurtherRoutinesText = "No further routines.";
inline constexpr const char* kCommentsChangedText = "Comments have changed.  Do you wish to save?";
inline constexpr const char* kFileSavedAsText = "File saved as: ";
inline constexpr const char* kNothingToSaveText =
    "No routine is shown, so there is no comment block to save.  Nothing was written.";
inline constexpr const char* kRoutineLineRemovedText =
    "The comment editor no longer holds the first line of the routine (a line beginning "
    "with Sub or Function), so saving would remove it from the module.  Put the line back "
    "and save again, or move on and answer No to drop the edits.  Nothing was written.";

}  // namespace plumora
