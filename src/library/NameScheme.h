#pragma once
// The five name-scheme switches that steer how a file name becomes a title and an author.
// They are settings the user changes under "Name Scheme"; all are on by default.

struct NameScheme {
    bool NameReplaceUnderscores = true;  // "_" becomes a blank
    bool NameTrimSpaces = true;          // blanks off both ends
    bool NameAutoFormat = true;          // "my big coaster" -> "My Big Coaster"
    bool NameBracketFilter = true;       // "TITLE [*] (AUTHOR)"
    bool NameDashFilter = true;          // "AUTHOR - TITLE"
};
