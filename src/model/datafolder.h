// Where the program keeps its data files: the folder of the executable, or,
// when that folder cannot be written (an installed copy), the per-user data
// folder, seeded once from the installed files. Called at start-up.
#pragma once
#include <string>

// Both folders end in kSep on return. userFolder is created when needed; files
// of programFolder it lacks are copied in. Falls back to programFolder when
// the user folder cannot be made either.
std::string ChooseDataFolder(const std::string& programFolder, const std::string& userFolder);
// True when a new file can be created in the folder.
bool FolderWritable(const std::string& folder);
