// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/20/25 09:05:03
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel42(void) {


	objectCount = 2;
	//object: 0
	ohObjects[0].createObject((ObjType)16);
	ohObjects[0].setPos(10.000000f, 400.000000f, -5.000000f);
	ohObjects[0].rotateY(0.000000f);
	ohObjects[0].scale.x = 1.000000f;
	ohObjects[0].scale.y = 1.000000f;
	ohObjects[0].scale.z = 1.000000f;
	ohObjects[0].scaleBy(0.0f);
	//object: 1
	ohObjects[1].createObject((ObjType)10);
	ohObjects[1].setPos(0.000000f, 400.000000f, 30.000000f);
	ohObjects[1].rotateY(20.000000f);
	ohObjects[1].SetOrientation(0.000000f, 0.000000f, 1.000000f, -45.000000f);
	ohObjects[1].scale.x = 1.000000f;
	ohObjects[1].scale.y = 1.000000f;
	ohObjects[1].scale.z = 1.000000f;
	ohObjects[1].scaleBy(0.0f);
}


