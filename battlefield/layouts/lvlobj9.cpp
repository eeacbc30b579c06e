// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/12/25 12:26:48
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel9(void) {


	objectCount = 19;
	//object: 0
	ohObjects[0].createObject((ObjType)18);
	ohObjects[0].setPos(0.000000f, 400.600006f, 46.000000f);
	ohObjects[0].rotateY(180.000000f);
	ohObjects[0].scale.x = 1.000000f;
	ohObjects[0].scale.y = 1.000000f;
	ohObjects[0].scale.z = 1.000000f;
	ohObjects[0].scaleBy(0.0f);
	//object: 1
	ohObjects[1].createObject((ObjType)11);
	ohObjects[1].setPos(-30.000000f, 400.500000f, 40.000000f);
	ohObjects[1].rotateY(0.000000f);
	ohObjects[1].scale.x = 1.000000f;
	ohObjects[1].scale.y = 1.000000f;
	ohObjects[1].scale.z = 1.000000f;
	ohObjects[1].scaleBy(0.0f);
	//object: 2
	ohObjects[2].createObject((ObjType)10);
	ohObjects[2].setPos(30.000000f, 400.700012f, 34.000000f);
	ohObjects[2].rotateY(90.000000f);
	ohObjects[2].scale.x = 1.000000f;
	ohObjects[2].scale.y = 1.000000f;
	ohObjects[2].scale.z = 1.000000f;
	ohObjects[2].scaleBy(0.0f);
	//object: 3
	ohObjects[3].createObject((ObjType)21);
	ohObjects[3].setPos(-34.000000f, 400.200012f, 6.000000f);
	ohObjects[3].rotateY(90.000000f);
	ohObjects[3].scale.x = 1.000000f;
	ohObjects[3].scale.y = 1.000000f;
	ohObjects[3].scale.z = 1.000000f;
	ohObjects[3].scaleBy(0.0f);
	//object: 4
	ohObjects[4].createObject((ObjType)23);
	ohObjects[4].setPos(28.000000f, 400.399994f, 2.000000f);
	ohObjects[4].rotateY(300.000000f);
	ohObjects[4].scale.x = 1.000000f;
	ohObjects[4].scale.y = 1.000000f;
	ohObjects[4].scale.z = 1.000000f;
	ohObjects[4].scaleBy(0.0f);
	//object: 5
	ohObjects[5].createObject((ObjType)17);
	ohObjects[5].setPos(-48.000000f, 400.000000f, -18.000000f);
	ohObjects[5].rotateY(0.000000f);
	ohObjects[5].scale.x = 11.000000f;
	ohObjects[5].scale.y = 11.000000f;
	ohObjects[5].scale.z = 11.000000f;
	ohObjects[5].scaleBy(0.0f);
	//object: 6
	ohObjects[6].createObject((ObjType)17);
	ohObjects[6].setPos(48.000000f, 400.299988f, -18.000000f);
	ohObjects[6].rotateY(90.000000f);
	ohObjects[6].scale.x = 11.000000f;
	ohObjects[6].scale.y = 11.000000f;
	ohObjects[6].scale.z = 11.000000f;
	ohObjects[6].scaleBy(0.0f);
	//object: 7
	ohObjects[7].createObject((ObjType)22);
	ohObjects[7].setPos(-22.000000f, 399.799988f, -22.000000f);
	ohObjects[7].rotateY(0.000000f);
	ohObjects[7].scale.x = 12.000000f;
	ohObjects[7].scale.y = 12.000000f;
	ohObjects[7].scale.z = 12.000000f;
	ohObjects[7].scaleBy(0.0f);
	//object: 8
	ohObjects[8].createObject((ObjType)22);
	ohObjects[8].setPos(22.000000f, 399.899994f, -22.000000f);
	ohObjects[8].rotateY(0.000000f);
	ohObjects[8].scale.x = 12.000000f;
	ohObjects[8].scale.y = 12.000000f;
	ohObjects[8].scale.z = 12.000000f;
	ohObjects[8].scaleBy(0.0f);
	//object: 9
	ohObjects[9].createObject((ObjType)7);
	ohObjects[9].setPos(0.000000f, 400.100006f, 16.000000f);
	ohObjects[9].rotateY(0.000000f);
	ohObjects[9].scale.x = 6.000000f;
	ohObjects[9].scale.y = 6.000000f;
	ohObjects[9].scale.z = 6.000000f;
	ohObjects[9].scaleBy(0.0f);
	//object: 10
	ohObjects[10].createObject((ObjType)15);
	ohObjects[10].setPos(-10.000000f, 399.899994f, -10.000000f);
	ohObjects[10].rotateY(20.000000f);
	ohObjects[10].scale.x = 1.000000f;
	ohObjects[10].scale.y = 1.000000f;
	ohObjects[10].scale.z = 1.000000f;
	ohObjects[10].scaleBy(0.0f);
	//object: 11
	ohObjects[11].createObject((ObjType)15);
	ohObjects[11].setPos(12.000000f, 400.000000f, -8.000000f);
	ohObjects[11].rotateY(340.000000f);
	ohObjects[11].scale.x = 1.000000f;
	ohObjects[11].scale.y = 1.000000f;
	ohObjects[11].scale.z = 1.000000f;
	ohObjects[11].scaleBy(0.0f);
	//object: 12
	ohObjects[12].createObject((ObjType)16);
	ohObjects[12].setPos(46.000000f, 400.600006f, 20.000000f);
	ohObjects[12].rotateY(180.000000f);
	ohObjects[12].scale.x = 1.000000f;
	ohObjects[12].scale.y = 1.000000f;
	ohObjects[12].scale.z = 1.000000f;
	ohObjects[12].scaleBy(0.0f);
	//object: 13
	ohObjects[13].createObject((ObjType)8);
	ohObjects[13].setPos(-14.000000f, 400.299988f, 24.000000f);
	ohObjects[13].rotateY(0.000000f);
	ohObjects[13].scale.x = 1.000000f;
	ohObjects[13].scale.y = 1.000000f;
	ohObjects[13].scale.z = 1.000000f;
	ohObjects[13].scaleBy(0.0f);
	//object: 14
	ohObjects[14].createObject((ObjType)8);
	ohObjects[14].setPos(14.000000f, 400.399994f, 22.000000f);
	ohObjects[14].rotateY(0.000000f);
	ohObjects[14].scale.x = 1.000000f;
	ohObjects[14].scale.y = 1.000000f;
	ohObjects[14].scale.z = 1.000000f;
	ohObjects[14].scaleBy(0.0f);
	//object: 15
	ohObjects[15].createObject((ObjType)1);
	ohObjects[15].setPos(-40.000000f, 399.799988f, -50.000000f);
	ohObjects[15].rotateY(0.000000f);
	//object: 16
	ohObjects[16].createObject((ObjType)2);
	ohObjects[16].setPos(-12.000000f, 399.600006f, -56.000000f);
	ohObjects[16].rotateY(0.000000f);
	//object: 17
	ohObjects[17].createObject((ObjType)1);
	ohObjects[17].setPos(20.000000f, 399.700012f, -52.000000f);
	ohObjects[17].rotateY(0.000000f);
	//object: 18
	ohObjects[18].createObject((ObjType)2);
	ohObjects[18].setPos(44.000000f, 400.100006f, -62.000000f);
	ohObjects[18].rotateY(0.000000f);
}


