#pragma once

// The mark of a transfer the mouse took in silence: some of its reports got no answer at all and
// count as sent, so nothing tells that the mouse holds them. "Config/UploadUnconfirmed" is 1 from
// such an upload or slot switch until the next one the mouse confirms in full.

// Writes "Config/UploadUnconfirmed"; false when Config.ini could not be written.
bool SaveUploadUnconfirmed(bool unconfirmed);
// True while the last transfer is marked unconfirmed.
bool LastUploadUnconfirmed();
