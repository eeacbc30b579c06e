// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/02/25 14:02:37
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel1(void) {


	objectCount = 11;
	//object: 0
	ohObjects[0].createObject((ObjType)17);
	ohObjects[0].setPos(5.500000f, 398.919678f, 4.134109f);
	ohObjects[0].rotateY(180.000000f);
	ohObjects[0].scale.x = 11.376030f;
	ohObjects[0].scale.y = 11.376030f;
	ohObjects[0].scale.z = 11.376030f;
	ohObjects[0].scaleBy(0.0f);
	//object: 1
	ohObjects[1].createObject((ObjType)12);
	ohObjects[1].setPos(-18.000000f, 399.600006f, 10.500000f);
	ohObjects[1].rotateY(90.000000f);
	ohObjects[1].scale.x = 1.000000f;
	ohObjects[1].scale.y = 1.000000f;
	ohObjects[1].scale.z = 1.000000f;
	ohObjects[1].scaleBy(0.0f);
	//object: 2
	ohObjects[2].createObject((ObjType)10);
	ohObjects[2].setPos(22.500000f, 400.200012f, 24.000000f);
	ohObjects[2].rotateY(0.000000f);
	ohObjects[2].scale.x = 1.000000f;
	ohObjects[2].scale.y = 1.000000f;
	ohObjects[2].scale.z = 1.000000f;
	ohObjects[2].scaleBy(0.0f);
	//object: 3
	ohObjects[3].createObject((ObjType)12);
	ohObjects[3].setPos(-12.000000f, 399.200012f, 34.500000f);
	ohObjects[3].rotateY(180.000000f);
	ohObjects[3].scale.x = 1.200000f;
	ohObjects[3].scale.y = 1.200000f;
	ohObjects[3].scale.z = 1.200000f;
	ohObjects[3].scaleBy(0.0f);
	//object: 4
	ohObjects[4].createObject((ObjType)0);
	ohObjects[4].setPos(-4.500000f, 399.399994f, -14.000000f);
	ohObjects[4].rotateY(0.000000f);
	//object: 5
	ohObjects[5].createObject((ObjType)0);
	ohObjects[5].setPos(12.000000f, 399.799988f, -22.500000f);
	ohObjects[5].rotateY(0.000000f);
	//object: 6
	ohObjects[6].createObject((ObjType)0);
	ohObjects[6].setPos(-28.000000f, 400.399994f, -6.000000f);
	ohObjects[6].rotateY(0.000000f);
	//object: 7
	ohObjects[7].createObject((ObjType)22);
	ohObjects[7].setPos(-2.000000f, 399.500000f, -38.000000f);
	ohObjects[7].rotateY(0.000000f);
	ohObjects[7].scale.x = 8.000000f;
	ohObjects[7].scale.y = 8.000000f;
	ohObjects[7].scale.z = 8.000000f;
	ohObjects[7].scaleBy(0.0f);
	//object: 8
	ohObjects[8].createObject((ObjType)6);
	ohObjects[8].setPos(30.000000f, 400.600006f, -8.000000f);
	ohObjects[8].rotateY(270.000000f);
	ohObjects[8].scale.x = 7.000000f;
	ohObjects[8].scale.y = 7.000000f;
	ohObjects[8].scale.z = 7.000000f;
	ohObjects[8].scaleBy(0.0f);
	//object: 9
	ohObjects[9].createObject((ObjType)8);
	ohObjects[9].setPos(-30.000000f, 400.000000f, -46.000000f);
	ohObjects[9].rotateY(15.000000f);
	ohObjects[9].scale.x = 1.000000f;
	ohObjects[9].scale.y = 1.000000f;
	ohObjects[9].scale.z = 1.000000f;
	ohObjects[9].scaleBy(0.0f);
	//object: 10
	ohObjects[10].createObject((ObjType)16);
	ohObjects[10].setPos(8.000000f, 399.299988f, -58.000000f);
	ohObjects[10].rotateY(10.000000f);
	ohObjects[10].scale.x = 1.000000f;
	ohObjects[10].scale.y = 1.000000f;
	ohObjects[10].scale.z = 1.000000f;
	ohObjects[10].scaleBy(0.0f);
}


