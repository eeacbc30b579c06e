// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/20/25 09:05:03
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel40(void) {


	objectCount = 0;
}


