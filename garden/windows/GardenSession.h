// The end of a Garden session, whichever way and at whatever stage it ends (the screen closing,
// the host closing the Garden or releasing the library, the connection timing out before the
// screen opened), and the start of the next: nothing one session received, kept or queued reaches
// another, so a host that switches accounts never shows one account's records in the next.
#pragma once

// The garden state with the windows' kept choices, the tutorial, the tool cards, the login (its
// fields, the watchdog and the player record; the host's callback stays) and the connection's
// session (the connection, its unsent requests, the packets not handled yet, the sequence
// character) start as in a newly loaded library. The soil textures go with the screen; what the
// game left in the window tree (questions, notices, posted messages) goes with
// CORVCtrlMgr::ForgetClosedGame.
void ForgetGardenSession();
