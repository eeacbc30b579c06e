// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/03/25 10:41:05
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel2(void) {


	objectCount = 18;
	//object: 0
	ohObjects[0].createObject((ObjType)15);
	ohObjects[0].setPos(6.000000f, 399.100006f, 12.000000f);
	ohObjects[0].rotateY(15.000000f);
	ohObjects[0].SetOrientation(0.000000f, 0.000000f, 1.000000f, 25.000000f);
	ohObjects[0].scale.x = 1.000000f;
	ohObjects[0].scale.y = 1.000000f;
	ohObjects[0].scale.z = 1.000000f;
	ohObjects[0].scaleBy(0.0f);
	//object: 1
	ohObjects[1].createObject((ObjType)16);
	ohObjects[1].setPos(-7.000000f, 399.399994f, 26.000000f);
	ohObjects[1].rotateY(-30.000000f);
	ohObjects[1].SetOrientation(0.000000f, 0.000000f, 1.000000f, -90.000000f);
	ohObjects[1].scale.x = 1.000000f;
	ohObjects[1].scale.y = 1.000000f;
	ohObjects[1].scale.z = 1.000000f;
	ohObjects[1].scaleBy(0.0f);
	//object: 2
	ohObjects[2].createObject((ObjType)16);
	ohObjects[2].setPos(2.000000f, 399.799988f, -30.000000f);
	ohObjects[2].rotateY(180.000000f);
	ohObjects[2].scale.x = 1.000000f;
	ohObjects[2].scale.y = 1.000000f;
	ohObjects[2].scale.z = 1.000000f;
	ohObjects[2].scaleBy(0.0f);
	//object: 3
	ohObjects[3].createObject((ObjType)1);
	ohObjects[3].setPos(-16.000000f, 400.200012f, -52.000000f);
	ohObjects[3].rotateY(0.000000f);
	//object: 4
	ohObjects[4].createObject((ObjType)2);
	ohObjects[4].setPos(18.000000f, 399.899994f, -44.000000f);
	ohObjects[4].rotateY(0.000000f);
	//object: 5
	ohObjects[5].createObject((ObjType)1);
	ohObjects[5].setPos(-22.000000f, 400.399994f, -20.000000f);
	ohObjects[5].rotateY(0.000000f);
	//object: 6
	ohObjects[6].createObject((ObjType)1);
	ohObjects[6].setPos(15.500000f, 399.700012f, -10.000000f);
	ohObjects[6].rotateY(0.000000f);
	//object: 7
	ohObjects[7].createObject((ObjType)2);
	ohObjects[7].setPos(-18.500000f, 400.100006f, 8.000000f);
	ohObjects[7].rotateY(0.000000f);
	//object: 8
	ohObjects[8].createObject((ObjType)1);
	ohObjects[8].setPos(21.000000f, 400.000000f, 30.000000f);
	ohObjects[8].rotateY(0.000000f);
	//object: 9
	ohObjects[9].createObject((ObjType)2);
	ohObjects[9].setPos(-24.000000f, 400.600006f, 38.000000f);
	ohObjects[9].rotateY(0.000000f);
	//object: 10
	ohObjects[10].createObject((ObjType)1);
	ohObjects[10].setPos(30.000000f, 400.299988f, -64.000000f);
	ohObjects[10].rotateY(0.000000f);
	//object: 11
	ohObjects[11].createObject((ObjType)2);
	ohObjects[11].setPos(-34.000000f, 400.799988f, -70.000000f);
	ohObjects[11].rotateY(0.000000f);
	//object: 12
	ohObjects[12].createObject((ObjType)1);
	ohObjects[12].setPos(36.000000f, 400.500000f, 12.000000f);
	ohObjects[12].rotateY(0.000000f);
	//object: 13
	ohObjects[13].createObject((ObjType)22);
	ohObjects[13].setPos(-12.000000f, 400.000000f, -6.000000f);
	ohObjects[13].rotateY(90.000000f);
	ohObjects[13].scale.x = 9.000000f;
	ohObjects[13].scale.y = 9.000000f;
	ohObjects[13].scale.z = 9.000000f;
	ohObjects[13].scaleBy(0.0f);
	//object: 14
	ohObjects[14].createObject((ObjType)22);
	ohObjects[14].setPos(12.500000f, 400.299988f, 40.000000f);
	ohObjects[14].rotateY(90.000000f);
	ohObjects[14].scale.x = 7.000000f;
	ohObjects[14].scale.y = 7.000000f;
	ohObjects[14].scale.z = 7.000000f;
	ohObjects[14].scaleBy(0.0f);
	//object: 15
	ohObjects[15].createObject((ObjType)20);
	ohObjects[15].setPos(26.000000f, 400.799988f, 58.000000f);
	ohObjects[15].rotateY(30.000000f);
	ohObjects[15].scale.x = 1.000000f;
	ohObjects[15].scale.y = 1.000000f;
	ohObjects[15].scale.z = 1.000000f;
	ohObjects[15].scaleBy(0.0f);
	//object: 16
	ohObjects[16].createObject((ObjType)12);
	ohObjects[16].setPos(-26.000000f, 400.500000f, 62.000000f);
	ohObjects[16].rotateY(0.000000f);
	ohObjects[16].scale.x = 1.000000f;
	ohObjects[16].scale.y = 1.000000f;
	ohObjects[16].scale.z = 1.000000f;
	ohObjects[16].scaleBy(0.0f);
	//object: 17
	ohObjects[17].createObject((ObjType)6);
	ohObjects[17].setPos(-16.000000f, 400.200012f, 52.000000f);
	ohObjects[17].rotateY(90.000000f);
	ohObjects[17].scale.x = 8.000000f;
	ohObjects[17].scale.y = 8.000000f;
	ohObjects[17].scale.z = 8.000000f;
	ohObjects[17].scaleBy(0.0f);
}


