// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/20/25 09:05:03
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel41(void) {


	objectCount = 2;
	//object: 0
	ohObjects[0].createObject((ObjType)2);
	ohObjects[0].setPos(1.500000f, 400.250000f, -3.750000f);
	ohObjects[0].rotateY(60.000000f);
	//object: 1
	ohObjects[1].createObject((ObjType)12);
	ohObjects[1].setPos(-20.000000f, 399.500000f, 12.250000f);
	ohObjects[1].rotateY(180.000000f);
	ohObjects[1].scale.x = 2.500000f;
	ohObjects[1].scale.y = 2.500000f;
	ohObjects[1].scale.z = 2.500000f;
	ohObjects[1].scaleBy(0.0f);
}


