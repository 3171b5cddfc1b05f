// The toolkit's error lines, where each build keeps them: both write them to the debugger output;
// OrvaneDemo also appends them to its log file. Defined once per build beside its exports
// (maingame/<build>/BuildLog.cpp), as the size seam is.
#pragma once

// Writes one complete line (its own "\n" included).
void BuildLogLine(const char* line);
