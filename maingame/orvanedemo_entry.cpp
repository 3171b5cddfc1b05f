// OrvaneDemo's own entry: loading runs the static initialisers of the linked code (class list,
// the build's globals); the exports are CORVMgr and g_ORVMgr.
#include "maingame/orvanedemo/ORVMgr.h"
