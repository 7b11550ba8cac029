// The program's messages about drawings, files and settings, written once.
// Lines inside a message are separated by CR LF.
#pragma once

#define ZN_CRLF "\r\n"

// Reading a drawing file.
inline constexpr const char* kMsgSubscript = "Subscript out of range.  ";  // + slot number + CR LF + ...
inline constexpr const char* kMsgTooLarge = ZN_CRLF "This file may be too large" ZN_CRLF "for this program.";
inline constexpr const char* kMsgTypeMismatch =
    "Variable type mismatch." ZN_CRLF "File is damaged or" ZN_CRLF "is wrong format.";
inline constexpr const char* kMsgFileNotFoundRead = "File not found. ";
inline constexpr const char* kMsgPastEnd =
    "Input past end of file." ZN_CRLF "File is damaged or" ZN_CRLF "is wrong format.";
inline constexpr const char* kMsgInvalidPath = "Invalid path to drawing file.";
inline constexpr const char* kMsgUnforseen = "Unforseen error - ";        // + description
inline constexpr const char* kMsgNotify = ZN_CRLF "Notify Dorvane.";

// Writing a drawing file.
inline constexpr const char* kMsgSavePermission =
    "This error occurs when you open a backup file and then try to save it." ZN_CRLF
    "Select 'Save As' and change the file extension back to 'dwg'." ZN_CRLF
    "An alternate cause of this error is..." ZN_CRLF
    "You are trying to overwrite a file that is being used by another program" ZN_CRLF
    "who's programmer thinks he/she is God.  Such programs are" ZN_CRLF
    "absolute HOGS about files.  Close the HOG and try again.";
inline constexpr const char* kMsgSavePath = "Path not found or illegal character in file name.";
inline constexpr const char* kMsgSaveOtherA = "An unanticipated error #";  // + number
inline constexpr const char* kMsgSaveOtherB = " has occurred.";
inline constexpr const char* kMsgReplace = "This file exists.  Replace it?";
inline constexpr const char* kTitleFileSave = "Zarnic File Save";

// The file commands.
inline constexpr const char* kMsgFileChanged = "File has changed, save it?";
inline constexpr const char* kTitleAreYouSure = "Are you sure?";
inline constexpr const char* kMsgCurrentChanged = "Current drawing has changed." ZN_CRLF "Save it?";
inline constexpr const char* kMsgFileNotFound = "File not found.";
inline constexpr const char* kMsgPutName = "Put a file name in the box.";

// The full table: the drawing commands refuse the 3001st object and the
// 1501st vertex of a Line with these.
inline constexpr const char* kMsgDrawingFull =
    "The drawing is full." ZN_CRLF "A drawing holds at most 3000 objects.";
inline constexpr const char* kMsgLineFull =
    "This line is full." ZN_CRLF "A line holds at most 1500 points.";

// The Default Settings page.
inline constexpr const char* kMsgLimitsForm = "Enter limits in the form X,Y" ZN_CRLF "(X comma Y)";
inline constexpr const char* kMsgLimitsOrder =
    "Lower Left corner MUST be" ZN_CRLF "below and to the left of the" ZN_CRLF "Upper Right corner.";
// + the system's reason; the page stays open so the user can try again.
inline constexpr const char* kMsgDefaultsNotSaved = "The default settings could not be saved." ZN_CRLF;
