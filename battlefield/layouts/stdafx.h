// The layout files written by the placement tool include this first; the game has no precompiled header,
// so there is nothing to bring in.
#pragma once
