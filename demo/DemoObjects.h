// Every object the demo owns, declared in the order they are built, and the steps that build and
// release them.
#pragma once

#include "audio/BassPlayer.h"
#include "effects/BmpFonts.h"
#include "effects/ParticleEmitter.h"
#include "meshes/LWMeshObject.h"
#include "meshes/XMeshObject.h"
#include "motion/Move.h"
#include "objects/BoxObject.h"
#include "objects/Light.h"
#include "objects/PlaneObject.h"
#include "objects/TorusObject.h"

struct SDemoTables;

// A name plate of the fire part: a flat picture and a box wearing the same picture.
struct SNamePlate {
    CPlaneObject plane;
    CBoxObject box;
};

struct SDemoObjects {
    CLight lightA, lightB, lightC;
    CPlaneObject flashPlane;
    CPlaneObject loadingPlane;
    CPlaneObject titlePlane;
    CLWMeshObject cubeMesh;
    // the loading frame is drawn here
    CLWMeshObject cubeMorph12, cubeMorph23, cubeMorph34, cubeMorph45, cubeMorph56, cubeMorph61;
    CMove introPath, cubePath12, cubePath23, cubePath34, cubePath45, cubePath56, cubePath61;
    CLWMeshObject ravelleMesh;
    CBoxObject verticleBox;
    CPlaneObject copperPlane;
    CPlaneObject frame169Plane;
    CPlaneObject plasmaPlane1, plasmaPlane2;
    CPlaneObject presentsPlane;
    CMove presentsPath, orbitCameraPath;
    CPlaneObject deformBackPlane, deformLayerPlane;
    CParticleEmitter smokeEmitter;
    CXMeshObject sausageMesh;
    // the fire part's tables are built here
    CBoxObject fireBox;
    CPlaneObject barsPlane;
    CPlaneObject firePlane;
    SNamePlate code, msx, gfx, meron, zud, vorna;
    CTorusObject tunnelTorus;
    CPlaneObject logoPlane;
    CBoxObject skyBox;
    CPlaneObject tunnelBackPlane;
    CParticleEmitter sparkEmitter1, sparkEmitter2, sparkEmitter3, sparkEmitter4;
    CPlaneObject scrollLayerPlane, topBarPlane;
    CLWMeshObject wheelMesh;
    CLWMeshObject rtoileMesh;
    CPlaneObject renderPlane, renderPlaneA, renderPlaneB, renderPlaneC, renderPlaneD;
    CLWMeshObject handMesh;
    CPlaneObject reticlePlane;
    CMove zoomPath;
    CBoxObject pixelBox;
    CPlaneObject dustPlane;
    CBmpFonts fontText;
    CBoxObject titleCube;
    CMove creditsPath;
    CPlaneObject savoirPlane;
    CTorusObject redTorus, blueTorus;
    CBassPlayer music, hiddenMusic;
};

// The objects down to cubeMesh, all that the loading frame needs.
void BuildLoadingObjects(SDemoObjects& objects);
// The rest of the objects and the tables, in table order.
void BuildRemainingObjects(SDemoObjects& objects, SDemoTables& tables);
// The paths of the first half of the demo.
void BuildIntroPaths(SDemoObjects& objects);
void BuildBannerPaths(SDemoObjects& objects);
// CleanUp of every object, in construction order.
void CleanUpObjects(SDemoObjects& objects);
