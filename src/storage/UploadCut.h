#pragma once

// The mark of an upload that ended before it finished, so that the mouse may hold part of it.
// "Config/Diff" alone cannot tell: it is also 1 after every plug. "Config/UploadCut" is 1 from such
// an upload until the next one that succeeds.

// Writes "Config/UploadCut"; false when Config.ini could not be written.
bool SaveUploadCut(bool cut);
// True while the last upload is marked cut and "Config/Diff" still asks for a full upload.
bool LastUploadCut();
