// The game's hooks into the toolkit (GameHooks.h), installed at start-up; tests that reset the
// hooks install them again with InstallAerieHooks.
#pragma once

void InstallAerieHooks();
