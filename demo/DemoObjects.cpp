// Building the demo's objects in table order, with their settings, and releasing them.
#include "DemoObjects.h"

#include "DemoState.h"
#include "DemoTexts.h"

namespace {

D3DCOLORVALUE Color(float r, float g, float b, float a) { return {r, g, b, a}; }

void InitPointLight(CLight& light, D3DCOLORVALUE diffuse, D3DCOLORVALUE specular, float falloff, float a0, float a1,
                    float theta, float phi)
{
    light.SetProperties(D3DLIGHT_POINT, diffuse, specular, Color(1.8f, 1.7f, 1.8f, 1.9f), 50, falloff, a0, a1, 0,
                        theta, phi);
}

// A textured plane with a grid of columns x rows quads (0 keeps the plane's default grid).
void InitPlane(CPlaneObject& plane, const char* file, int columns = 0, int rows = 0)
{
    if (file)
        plane.SetTexture(file, 0);
    if (columns > 0)
        plane.SetSubdivision(columns, rows);
    plane.Init();
}

void InitMesh(CFileMeshObject& mesh, const char* file)
{
    mesh.SetFilename(file);
    mesh.Init();
}

void InitNamePlate(SNamePlate& plate, const char* file)
{
    InitPlane(plate.plane, file, 1, 1);
    plate.box.SetTexture(file, 0);
    plate.box.SetSize(5, 4, 1);
    plate.box.Init();
}

// The blend modes are given twice, as the emitters were always set up; the second pair holds.
void SetEmitterBlending(CParticleEmitter& emitter)
{
    emitter.SetSrcBlendMode(2);
    emitter.SetDestBlendMode(2);
    emitter.SetSrcBlendMode(5);
    emitter.SetDestBlendMode(7);
}

void InitSmokeEmitter(CParticleEmitter& emitter)
{
    SetEmitterBlending(emitter);
    emitter.SetGravity(D3DXVECTOR3(0, 0, 0));
    emitter.SetPos(D3DXVECTOR3(0, 0, 0));
    emitter.SetEmitRate(CMinMax<float>(1, 80));
    emitter.SetSize(CMinMax<float>(0.1f, 0.4f));
    emitter.SetStartColor1(D3DXCOLOR(1, 1, 1, 0.1f));
    emitter.SetStartColor2(D3DXCOLOR(0.4f, 0.4f, 0.4f, 0.4f));
    emitter.SetEndColor1(D3DXCOLOR(0, 0.1f, 0, 0));
    emitter.SetEndColor2(D3DXCOLOR(0.1f, 0, 0, 0));
    emitter.SetSpawnDir1(D3DXVECTOR3(-0.1f, 0.1f, -0.1f));
    emitter.SetSpawnDir2(D3DXVECTOR3(0.4f, -0.4f, 0.4f));
    emitter.SetEmitRadius(D3DXVECTOR3(3.14159f, 3.14159f, 3.14159f));
    emitter.SetLifetime(CMinMax<float>(1, 20));
    emitter.SetMaxParticles(500);
    emitter.SetTexture("Data\\o2.png");
    emitter.Init();
}

void InitSparkEmitter(CParticleEmitter& emitter, const char* texture)
{
    SetEmitterBlending(emitter);
    emitter.SetGravity(D3DXVECTOR3(0, 0, 0));
    emitter.SetPos(D3DXVECTOR3(0, 0, 0));
    emitter.SetEmitRate(CMinMax<float>(1, 80));
    emitter.SetSize(CMinMax<float>(0.1f, 0.8f));
    emitter.SetStartColor1(D3DXCOLOR(1, 0, 0, 1));
    emitter.SetStartColor2(D3DXCOLOR(0, 1, 0, 1));
    emitter.SetEndColor1(D3DXCOLOR(1, 1, 1, 0));
    emitter.SetEndColor2(D3DXCOLOR(1, 1, 1, 0));
    emitter.SetSpawnDir1(D3DXVECTOR3(-0.1f, -0.1f, -0.1f));
    emitter.SetSpawnDir2(D3DXVECTOR3(0.1f, 0.1f, 0.1f));
    emitter.SetEmitRadius(D3DXVECTOR3(0, 0, 0));
    emitter.SetLifetime(CMinMax<float>(0.5f, 1));
    emitter.SetMaxParticles(100);
    emitter.SetTexture(texture);
    emitter.Init();
}

void InitTorus(CTorusObject& torus, int sides, int rings)
{
    torus.SetSideNumber(sides);
    torus.SetRingNumber(rings);
    torus.Init();
}

void InitCreditsPath(CMove& path)
{
    const float quarter = 0.7853982f;
    path.AddPoint(0, -1.5f, 0, 0, 0, 0, 0, 0, 0, 0, quarter);
    path.AddPoint(0, 5, 0, 0, 0, 0, 0, 0, 0, 0, quarter);
    path.SetLoop(true);
    path.SetMode(CMove::MOVE_LINEAR);
    path.SetSpeed(0.1f, -1);
    path.Reset();
}

void BuildBannerObjects(SDemoObjects& o)
{
    o.ravelleMesh.SetFilename("Data\\ravelle.lwo");
    o.ravelleMesh.Init();
    o.verticleBox.SetTexture("Data\\verticle.png", 0);
    o.verticleBox.EnableCulling(true);
    o.verticleBox.Init();
    o.verticleBox.SetSize(3, 3, 3);
    InitPlane(o.copperPlane, "Data\\coperbar.png", 1, 1);
    o.frame169Plane.SetTexture("Data\\16-9.png", 0);
    o.frame169Plane.SetSubdivision(1, 1);
    o.frame169Plane.SetSize(1, 1.3f);
    o.frame169Plane.Init();
    for (CPlaneObject* plasma : {&o.plasmaPlane1, &o.plasmaPlane2}) {
        plasma->SetTexture(plasma == &o.plasmaPlane1 ? "Data\\plasma1.png" : "Data\\plasma2.png", 0);
        plasma->SetSubdivision(20, 20);
        plasma->SetSize(1.8f, 1.8f);
        plasma->Init();
    }
    o.presentsPlane.SetTexture("Data\\tvk_pr_cube.png", 0);
    o.presentsPlane.SetSubdivision(1, 1);
    o.presentsPlane.SetSize(6, 0.125f);
    o.presentsPlane.Init();
    o.presentsPlane.SetPosition(-2.4f, 0, 0);
    BuildBannerPaths(o);
}

void BuildSausageObjects(SDemoObjects& o)
{
    InitPlane(o.deformBackPlane, "Data\\fond_deform.jpg", 1, 1);
    InitPlane(o.deformLayerPlane, "Data\\layer_deform.png", 1, 1);
    InitSmokeEmitter(o.smokeEmitter);
    o.sausageMesh.SetFilename("Data\\sausage.x");
    o.sausageMesh.EnableCulling(true);
    o.sausageMesh.SetFlatShading(true);
    o.sausageMesh.Init();
}

void BuildFireObjects(SDemoObjects& o)
{
    o.fireBox.SetTexture("Data\\tex256.png", 0);
    o.fireBox.EnableCulling(false);
    o.fireBox.EnableWriteOnTexture(true);
    o.fireBox.Init();
    o.fireBox.SetSize(7, 9, 7);
    InitPlane(o.barsPlane, "Data\\barres.png", 1, 1);
    InitPlane(o.firePlane, "Data\\tex256.png", 1, 1);
    InitNamePlate(o.code, "Data\\code.png");
    InitNamePlate(o.msx, "Data\\msx.png");
    InitNamePlate(o.gfx, "Data\\gfx.png");
    InitNamePlate(o.meron, "Data\\meron.png");
    InitNamePlate(o.zud, "Data\\zud.png");
    InitNamePlate(o.vorna, "Data\\vorna.png");
}

void BuildTunnelObjects(SDemoObjects& o)
{
    o.tunnelTorus.SetRadius(1, 40);
    o.tunnelTorus.SetSideNumber(4);
    o.tunnelTorus.SetRingNumber(24);
    o.tunnelTorus.EnableCulling(false);
    o.tunnelTorus.SetFlatShading(false);
    o.tunnelTorus.SetDot(true);
    o.tunnelTorus.Init();
    InitPlane(o.logoPlane, "Data\\cubederavelle.png");
    o.logoPlane.SetAlpha(0.8f, 0);
    o.skyBox.SetTexture("Data\\skycube.png", 0);
    o.skyBox.Init();
    InitPlane(o.tunnelBackPlane, "Data\\fond_cube.png");
    InitSparkEmitter(o.sparkEmitter1, "Data\\particle-1.jpg");
    InitSparkEmitter(o.sparkEmitter2, "Data\\particle-1.jpg");
    InitSparkEmitter(o.sparkEmitter3, "Data\\part.png");
    InitSparkEmitter(o.sparkEmitter4, "Data\\part.png");
    for (CParticleEmitter* emitter : {&o.sparkEmitter1, &o.sparkEmitter2, &o.sparkEmitter3, &o.sparkEmitter4})
        emitter->Reset();
}

// Plane alphas are given after Init, because Init writes every vertex opaque.
void BuildGreetingsObjects(SDemoObjects& o)
{
    InitPlane(o.scrollLayerPlane, "Data\\layer_scroll.png", 1, 1);
    o.scrollLayerPlane.SetAlpha(0.5f, 0);
    InitPlane(o.topBarPlane, "Data\\haut_vert.png", 1, 1);
    o.topBarPlane.SetAlpha(0.5f, 0);
    InitMesh(o.wheelMesh, "Data\\roue.lwo");
    o.rtoileMesh.EnableCulling(true);
    InitMesh(o.rtoileMesh, "Data\\rtoile.lwo");
}

void BuildZoomObjects(SDemoObjects& o)
{
    InitPlane(o.renderPlane, "Data\\rendu7.jpg", 1, 1);
    InitPlane(o.renderPlaneA, "Data\\rendu7a.jpg", 1, 1);
    InitPlane(o.renderPlaneB, "Data\\rendu7b.jpg", 1, 1);
    InitPlane(o.renderPlaneC, "Data\\rendu7c.jpg", 1, 1);
    InitPlane(o.renderPlaneD, "Data\\rendu7d.jpg", 1, 1);
    o.handMesh.EnableCulling(true);
    o.handMesh.SetWireframe(true);
    InitMesh(o.handMesh, "Data\\hand.lwo");
    o.reticlePlane.SetTexture("Data\\reticule.png", 0);
    o.reticlePlane.SetSubdivision(1, 1);
    o.reticlePlane.SetSize(0.2f, 0.2f);
    o.reticlePlane.Init();
    const float quarter = 0.7853982f;
    o.zoomPath.AddPoint(0.01556f, 0.066667f, 0.166667f, 0.666667f, 0, 0, 0, 0, 1, 0, quarter);
    o.zoomPath.AddPoint(0.33333f, 0.5f, 1, 4, 0, 0, 0, 0.8f, 1, 0, quarter);
    o.zoomPath.AddPoint(0.66667f, 1, 2, 8, 0, 1, 0, 1, 1, 0, quarter);
    o.zoomPath.AddPoint(1, 1.5f, 3, 12, 1, 1, 0, 0, 0, 0, quarter);
    o.zoomPath.SetMode(CMove::MOVE_LINEAR);
    o.zoomPath.SetSpeed(0.24f, -1);
    o.zoomPath.Reset();
}

void BuildCreditsObjects(SDemoObjects& o)
{
    o.pixelBox.SetFlatShading(true);
    o.pixelBox.Init();
    o.pixelBox.SetColor(Color(1, 1, 1, 1), 0);
    o.pixelBox.SetSize(0.3f, 0.3f, 0.3f);
    InitPlane(o.dustPlane, "Data\\poussiere.png", 1, 1);
    o.dustPlane.SetAlpha(0.8f, 0);
    o.fontText.SetTexture("Data\\fonts.png", 0);
    o.fontText.Init();
    o.fontText.SetEffect(0);
    o.fontText.SetEffectLength(0);
    o.titleCube.SetTexture("Data\\theZenth.png", 0);
    o.titleCube.EnableCulling(true);
    o.titleCube.Init();
    o.titleCube.SetPosition(0, 0, -2);
    InitCreditsPath(o.creditsPath);
}

void BuildHiddenPartObjects(SDemoObjects& o)
{
    InitPlane(o.savoirPlane, "Data\\savoirvivre.png", 1, 1);
    InitTorus(o.redTorus, 8, 24);
    InitTorus(o.blueTorus, 8, 24);
    o.redTorus.SetWireframe(true);
    o.blueTorus.SetWireframe(true);
    o.redTorus.SetColor(Color(0.9f, 0.1f, 0.1f, 1), 0);
    o.blueTorus.SetColor(Color(0.1f, 0.1f, 0.9f, 1), 0);
    o.redTorus.SetRotation(-1.57f, 0, 0);
    o.blueTorus.SetRotation(-1.57f, 0, 0);
}

}  // namespace

void BuildLoadingObjects(SDemoObjects& o)
{
    InitPointLight(o.lightA, Color(1, 1, 1, 1), Color(0.1f, 0, 0.1f, 0.5f), 0, 1, 1, 1, 6.29f);
    o.lightA.SetPosition(0, 0, 0);
    o.lightA.Init();
    InitPointLight(o.lightB, Color(1.8f, 1.7f, 1.9f, 0.9f), Color(0.1f, 0, 0.1f, 0.5f), 1, 1, 0, 0.5f, 1);
    o.lightB.Init();
    InitPointLight(o.lightC, Color(0.1f, 0, 0.1f, 0.5f), Color(1, 1, 1, 1), 1, 0, 1, 0.5f, 1);
    o.lightC.Init();
    InitPlane(o.flashPlane, nullptr);
    InitPlane(o.loadingPlane, "Data\\loading.png", 1, 1);
    InitPlane(o.titlePlane, "Data\\title.png", 64, 64);
    o.titlePlane.SetPosition(0, 0.35f, 0);
    InitMesh(o.cubeMesh, "Data\\uvcube.lwo");
}

void BuildRemainingObjects(SDemoObjects& o, SDemoTables& tables)
{
    InitMesh(o.cubeMorph12, "Data\\uvcube_1-2.lwo");
    InitMesh(o.cubeMorph23, "Data\\uvcube_2-3.lwo");
    InitMesh(o.cubeMorph34, "Data\\uvcube_3-4.lwo");
    InitMesh(o.cubeMorph45, "Data\\uvcube_4-5.lwo");
    InitMesh(o.cubeMorph56, "Data\\uvcube_5-6.lwo");
    InitMesh(o.cubeMorph61, "Data\\uvcube_6-1.lwo");
    BuildIntroPaths(o);
    BuildBannerObjects(o);
    BuildSausageObjects(o);
    BuildFireTables(tables);
    BuildFireObjects(o);
    BuildTunnelTables(tables);
    BuildTunnelObjects(o);
    BuildGreetingsTables(tables);
    BuildGreetingsObjects(o);
    BuildZoomObjects(o);
    BuildStarTable(tables);
    BuildCreditsObjects(o);
    tables.hiddenText = HiddenText();
    BuildHiddenPartObjects(o);
}

void CleanUpObjects(SDemoObjects& o)
{
    CObjects* order[] = {
        &o.lightA, &o.lightB, &o.lightC, &o.flashPlane, &o.loadingPlane, &o.titlePlane, &o.cubeMesh,
        &o.cubeMorph12, &o.cubeMorph23, &o.cubeMorph34, &o.cubeMorph45, &o.cubeMorph56, &o.cubeMorph61,
        &o.ravelleMesh, &o.verticleBox, &o.copperPlane, &o.frame169Plane, &o.plasmaPlane1, &o.plasmaPlane2,
        &o.presentsPlane, &o.deformBackPlane, &o.deformLayerPlane, &o.smokeEmitter, &o.sausageMesh, &o.fireBox,
        &o.barsPlane, &o.firePlane, &o.code.plane, &o.code.box, &o.msx.plane, &o.msx.box, &o.gfx.plane,
        &o.gfx.box, &o.meron.plane, &o.meron.box, &o.zud.plane, &o.zud.box, &o.vorna.plane, &o.vorna.box,
        &o.tunnelTorus, &o.logoPlane, &o.skyBox, &o.tunnelBackPlane, &o.sparkEmitter1, &o.sparkEmitter2,
        &o.sparkEmitter3, &o.sparkEmitter4, &o.scrollLayerPlane, &o.topBarPlane, &o.wheelMesh, &o.rtoileMesh,
        &o.renderPlane, &o.renderPlaneA, &o.renderPlaneB, &o.renderPlaneC, &o.renderPlaneD, &o.handMesh,
        &o.reticlePlane, &o.pixelBox, &o.dustPlane, &o.fontText, &o.titleCube, &o.savoirPlane, &o.redTorus,
        &o.blueTorus,
    };
    for (CObjects* object : order)
        object->CleanUp();
}
