// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/06/25 15:33:40
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel5(void) {


	objectCount = 18;
	//object: 0
	ohObjects[0].createObject((ObjType)21);
	ohObjects[0].setPos(0.000000f, 400.399994f, 40.000000f);
	ohObjects[0].rotateY(0.000000f);
	ohObjects[0].scale.x = 1.000000f;
	ohObjects[0].scale.y = 1.000000f;
	ohObjects[0].scale.z = 1.000000f;
	ohObjects[0].scaleBy(0.0f);
	//object: 1
	ohObjects[1].createObject((ObjType)12);
	ohObjects[1].setPos(-24.000000f, 400.100006f, 18.000000f);
	ohObjects[1].rotateY(90.000000f);
	ohObjects[1].scale.x = 1.000000f;
	ohObjects[1].scale.y = 1.000000f;
	ohObjects[1].scale.z = 1.000000f;
	ohObjects[1].scaleBy(0.0f);
	//object: 2
	ohObjects[2].createObject((ObjType)11);
	ohObjects[2].setPos(26.000000f, 400.600006f, 22.000000f);
	ohObjects[2].rotateY(0.000000f);
	ohObjects[2].scale.x = 1.000000f;
	ohObjects[2].scale.y = 1.000000f;
	ohObjects[2].scale.z = 1.000000f;
	ohObjects[2].scaleBy(0.0f);
	//object: 3
	ohObjects[3].createObject((ObjType)17);
	ohObjects[3].setPos(-34.000000f, 399.899994f, 8.000000f);
	ohObjects[3].rotateY(0.000000f);
	ohObjects[3].scale.x = 10.500000f;
	ohObjects[3].scale.y = 10.500000f;
	ohObjects[3].scale.z = 10.500000f;
	ohObjects[3].scaleBy(0.0f);
	//object: 4
	ohObjects[4].createObject((ObjType)17);
	ohObjects[4].setPos(34.000000f, 400.299988f, 8.000000f);
	ohObjects[4].rotateY(90.000000f);
	ohObjects[4].scale.x = 10.500000f;
	ohObjects[4].scale.y = 10.500000f;
	ohObjects[4].scale.z = 10.500000f;
	ohObjects[4].scaleBy(0.0f);
	//object: 5
	ohObjects[5].createObject((ObjType)22);
	ohObjects[5].setPos(-18.000000f, 399.799988f, 4.000000f);
	ohObjects[5].rotateY(0.000000f);
	ohObjects[5].scale.x = 12.000000f;
	ohObjects[5].scale.y = 12.000000f;
	ohObjects[5].scale.z = 12.000000f;
	ohObjects[5].scaleBy(0.0f);
	//object: 6
	ohObjects[6].createObject((ObjType)22);
	ohObjects[6].setPos(18.000000f, 400.000000f, 4.000000f);
	ohObjects[6].rotateY(0.000000f);
	ohObjects[6].scale.x = 12.000000f;
	ohObjects[6].scale.y = 12.000000f;
	ohObjects[6].scale.z = 12.000000f;
	ohObjects[6].scaleBy(0.0f);
	//object: 7
	ohObjects[7].createObject((ObjType)22);
	ohObjects[7].setPos(-34.000000f, 400.500000f, 34.000000f);
	ohObjects[7].rotateY(90.000000f);
	ohObjects[7].scale.x = 12.000000f;
	ohObjects[7].scale.y = 12.000000f;
	ohObjects[7].scale.z = 12.000000f;
	ohObjects[7].scaleBy(0.0f);
	//object: 8
	ohObjects[8].createObject((ObjType)22);
	ohObjects[8].setPos(34.000000f, 400.799988f, 34.000000f);
	ohObjects[8].rotateY(90.000000f);
	ohObjects[8].scale.x = 12.000000f;
	ohObjects[8].scale.y = 12.000000f;
	ohObjects[8].scale.z = 12.000000f;
	ohObjects[8].scaleBy(0.0f);
	//object: 9
	ohObjects[9].createObject((ObjType)15);
	ohObjects[9].setPos(-12.000000f, 400.000000f, 14.000000f);
	ohObjects[9].rotateY(90.000000f);
	ohObjects[9].scale.x = 1.000000f;
	ohObjects[9].scale.y = 1.000000f;
	ohObjects[9].scale.z = 1.000000f;
	ohObjects[9].scaleBy(0.0f);
	//object: 10
	ohObjects[10].createObject((ObjType)15);
	ohObjects[10].setPos(14.000000f, 400.100006f, 16.000000f);
	ohObjects[10].rotateY(100.000000f);
	ohObjects[10].scale.x = 1.000000f;
	ohObjects[10].scale.y = 1.000000f;
	ohObjects[10].scale.z = 1.000000f;
	ohObjects[10].scaleBy(0.0f);
	//object: 11
	ohObjects[11].createObject((ObjType)16);
	ohObjects[11].setPos(-40.000000f, 399.600006f, -20.000000f);
	ohObjects[11].rotateY(30.000000f);
	ohObjects[11].scale.x = 1.000000f;
	ohObjects[11].scale.y = 1.000000f;
	ohObjects[11].scale.z = 1.000000f;
	ohObjects[11].scaleBy(0.0f);
	//object: 12
	ohObjects[12].createObject((ObjType)8);
	ohObjects[12].setPos(30.000000f, 399.899994f, -10.000000f);
	ohObjects[12].rotateY(0.000000f);
	ohObjects[12].scale.x = 1.000000f;
	ohObjects[12].scale.y = 1.000000f;
	ohObjects[12].scale.z = 1.000000f;
	ohObjects[12].scaleBy(0.0f);
	//object: 13
	ohObjects[13].createObject((ObjType)0);
	ohObjects[13].setPos(-20.000000f, 399.399994f, -30.000000f);
	ohObjects[13].rotateY(0.000000f);
	//object: 14
	ohObjects[14].createObject((ObjType)3);
	ohObjects[14].setPos(10.000000f, 399.200012f, -38.000000f);
	ohObjects[14].rotateY(0.000000f);
	//object: 15
	ohObjects[15].createObject((ObjType)0);
	ohObjects[15].setPos(40.000000f, 399.799988f, -40.000000f);
	ohObjects[15].rotateY(0.000000f);
	//object: 16
	ohObjects[16].createObject((ObjType)3);
	ohObjects[16].setPos(-46.000000f, 400.200012f, 50.000000f);
	ohObjects[16].rotateY(0.000000f);
	//object: 17
	ohObjects[17].createObject((ObjType)20);
	ohObjects[17].setPos(-8.000000f, 399.299988f, -52.000000f);
	ohObjects[17].rotateY(20.000000f);
	ohObjects[17].scale.x = 1.000000f;
	ohObjects[17].scale.y = 1.000000f;
	ohObjects[17].scale.z = 1.000000f;
	ohObjects[17].scaleBy(0.0f);
}


