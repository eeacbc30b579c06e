// Kestrine level layout, written by the object placement tool of the overhead view
// object data definitions
// created by ObjData 06/05/25 11:08:14
// Note: any needed changes to this file should also be made to KSdata's export so that future exports will be correct

#include "stdafx.h"
#include "winmain.h"

#include "Objects.h"

void createObjLevel4(void) {


	objectCount = 23;
	//object: 0
	ohObjects[0].createObject((ObjType)8);
	ohObjects[0].setPos(-10.000000f, 400.200012f, 40.000000f);
	ohObjects[0].rotateY(0.000000f);
	ohObjects[0].scale.x = 1.000000f;
	ohObjects[0].scale.y = 1.000000f;
	ohObjects[0].scale.z = 1.000000f;
	ohObjects[0].scaleBy(0.0f);
	//object: 1
	ohObjects[1].createObject((ObjType)8);
	ohObjects[1].setPos(4.000000f, 400.399994f, 46.000000f);
	ohObjects[1].rotateY(20.000000f);
	ohObjects[1].scale.x = 1.000000f;
	ohObjects[1].scale.y = 1.000000f;
	ohObjects[1].scale.z = 1.000000f;
	ohObjects[1].scaleBy(0.0f);
	//object: 2
	ohObjects[2].createObject((ObjType)8);
	ohObjects[2].setPos(18.000000f, 400.600006f, 38.000000f);
	ohObjects[2].rotateY(-15.000000f);
	ohObjects[2].scale.x = 1.000000f;
	ohObjects[2].scale.y = 1.000000f;
	ohObjects[2].scale.z = 1.000000f;
	ohObjects[2].scaleBy(0.0f);
	//object: 3
	ohObjects[3].createObject((ObjType)10);
	ohObjects[3].setPos(-2.000000f, 400.899994f, 60.000000f);
	ohObjects[3].rotateY(0.000000f);
	ohObjects[3].scale.x = 1.000000f;
	ohObjects[3].scale.y = 1.000000f;
	ohObjects[3].scale.z = 1.000000f;
	ohObjects[3].scaleBy(0.0f);
	//object: 4
	ohObjects[4].createObject((ObjType)7);
	ohObjects[4].setPos(-24.000000f, 400.500000f, 30.000000f);
	ohObjects[4].rotateY(90.000000f);
	ohObjects[4].scale.x = 6.000000f;
	ohObjects[4].scale.y = 6.000000f;
	ohObjects[4].scale.z = 6.000000f;
	ohObjects[4].scaleBy(0.0f);
	//object: 5
	ohObjects[5].createObject((ObjType)22);
	ohObjects[5].setPos(26.000000f, 400.700012f, 24.000000f);
	ohObjects[5].rotateY(90.000000f);
	ohObjects[5].scale.x = 8.000000f;
	ohObjects[5].scale.y = 8.000000f;
	ohObjects[5].scale.z = 8.000000f;
	ohObjects[5].scaleBy(0.0f);
	//object: 6
	ohObjects[6].createObject((ObjType)16);
	ohObjects[6].setPos(30.000000f, 400.799988f, 52.000000f);
	ohObjects[6].rotateY(200.000000f);
	ohObjects[6].scale.x = 1.000000f;
	ohObjects[6].scale.y = 1.000000f;
	ohObjects[6].scale.z = 1.000000f;
	ohObjects[6].scaleBy(0.0f);
	//object: 7
	ohObjects[7].createObject((ObjType)1);
	ohObjects[7].setPos(-30.000000f, 400.000000f, -60.000000f);
	ohObjects[7].rotateY(0.000000f);
	//object: 8
	ohObjects[8].createObject((ObjType)2);
	ohObjects[8].setPos(-14.000000f, 399.799988f, -48.000000f);
	ohObjects[8].rotateY(0.000000f);
	//object: 9
	ohObjects[9].createObject((ObjType)1);
	ohObjects[9].setPos(8.000000f, 399.600006f, -54.000000f);
	ohObjects[9].rotateY(0.000000f);
	//object: 10
	ohObjects[10].createObject((ObjType)1);
	ohObjects[10].setPos(24.000000f, 399.899994f, -40.000000f);
	ohObjects[10].rotateY(0.000000f);
	//object: 11
	ohObjects[11].createObject((ObjType)2);
	ohObjects[11].setPos(-36.000000f, 400.299988f, -30.000000f);
	ohObjects[11].rotateY(0.000000f);
	//object: 12
	ohObjects[12].createObject((ObjType)1);
	ohObjects[12].setPos(-6.000000f, 399.700012f, -26.000000f);
	ohObjects[12].rotateY(0.000000f);
	//object: 13
	ohObjects[13].createObject((ObjType)2);
	ohObjects[13].setPos(16.000000f, 400.000000f, -16.000000f);
	ohObjects[13].rotateY(0.000000f);
	//object: 14
	ohObjects[14].createObject((ObjType)1);
	ohObjects[14].setPos(38.000000f, 400.399994f, -8.000000f);
	ohObjects[14].rotateY(0.000000f);
	//object: 15
	ohObjects[15].createObject((ObjType)1);
	ohObjects[15].setPos(-28.000000f, 400.200012f, -4.000000f);
	ohObjects[15].rotateY(0.000000f);
	//object: 16
	ohObjects[16].createObject((ObjType)2);
	ohObjects[16].setPos(-42.000000f, 400.600006f, 16.000000f);
	ohObjects[16].rotateY(0.000000f);
	//object: 17
	ohObjects[17].createObject((ObjType)1);
	ohObjects[17].setPos(44.000000f, 400.799988f, 32.000000f);
	ohObjects[17].rotateY(0.000000f);
	//object: 18
	ohObjects[18].createObject((ObjType)2);
	ohObjects[18].setPos(-40.000000f, 400.899994f, 56.000000f);
	ohObjects[18].rotateY(0.000000f);
	//object: 19
	ohObjects[19].createObject((ObjType)1);
	ohObjects[19].setPos(40.000000f, 401.100006f, 68.000000f);
	ohObjects[19].rotateY(0.000000f);
	//object: 20
	ohObjects[20].createObject((ObjType)1);
	ohObjects[20].setPos(-20.000000f, 401.000000f, 72.000000f);
	ohObjects[20].rotateY(0.000000f);
	//object: 21
	ohObjects[21].createObject((ObjType)2);
	ohObjects[21].setPos(14.000000f, 401.200012f, 74.000000f);
	ohObjects[21].rotateY(0.000000f);
	//object: 22
	ohObjects[22].createObject((ObjType)1);
	ohObjects[22].setPos(2.000000f, 399.500000f, -70.000000f);
	ohObjects[22].rotateY(0.000000f);
}


